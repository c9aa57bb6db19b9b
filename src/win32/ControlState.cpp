#include "win32/ControlState.h"

#include "win32/WideText.h"

namespace kromelik {

std::string TextOf(HWND control) {
  if (control == nullptr) return {};
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return WideToUtf8(text);
}

void SetText(HWND control, std::string_view text) {
  if (control == nullptr || TextOf(control) == text) return;
  SetWindowTextW(control, Utf8ToWide(text).c_str());
}

void ShowControl(HWND control, bool shown) {
  if (control == nullptr) return;
  // By its own style: the dialog itself may not be shown yet.
  const bool visible = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
  if (visible == shown) return;
  ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE);
}

void EnableControl(HWND control, bool enabled) {
  if (control == nullptr || (IsWindowEnabled(control) != FALSE) == enabled) return;
  EnableWindow(control, enabled ? TRUE : FALSE);
}

std::optional<std::string> PickedComboEntry(HWND combo) {
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return std::nullopt;
  const auto item = static_cast<WPARAM>(index);
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, item, 0);
  if (length == CB_ERR) return std::nullopt;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return WideToUtf8(text);
}

}  // namespace kromelik
