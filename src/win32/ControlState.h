#pragma once

// A dialog's controls as its window shows them: each state set only where it differs, so
// that the caret of a field the user types in stays put and nothing flickers.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace kromelik {

std::string TextOf(HWND control);
void SetText(HWND control, std::string_view text);
void ShowControl(HWND control, bool shown);
void EnableControl(HWND control, bool enabled);
// The entry picked in a combo box's list; nothing when none is. Its field shows the
// entry only after the selection's notification, so that is read from the list.
std::optional<std::string> PickedComboEntry(HWND combo);

}  // namespace kromelik
