#include "win32/Tooltips.h"

#include <commctrl.h>

#include <string>

#include "win32/WideText.h"

namespace kromelik {

void Tooltips::Create(HWND owner) {
  owner_ = owner;
  // Tips show their texts exactly: an address's "&" marks no letter.
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                          nullptr, nullptr, nullptr);
}

void Tooltips::Set(HWND control, std::string_view text) {
  if (tips_ == nullptr || control == nullptr) return;
  std::wstring wide = Utf8ToWide(text);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  // Taken away and added again rather than updated: adding twice would make two tools.
  SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (text.empty()) return;
  tool.lpszText = wide.data();  // the control copies it
  SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace kromelik
