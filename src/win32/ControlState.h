#pragma once

// A dialog's controls as its window shows them: each state set only where it differs, so
// that the caret of a field the user types in stays put and nothing flickers.

#include <windows.h>

#include <string>
#include <string_view>

namespace kromelik {

std::string TextOf(HWND control);
void SetText(HWND control, std::string_view text);
void ShowControl(HWND control, bool shown);
void EnableControl(HWND control, bool enabled);

}  // namespace kromelik
