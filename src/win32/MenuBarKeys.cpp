#include "win32/MenuBarKeys.h"

namespace kromelik {

namespace {

thread_local MenuBarKeys* watching = nullptr;

}  // namespace

MenuBarKeys::MenuBarKeys() noexcept {
  watching = this;
  hook_ = SetWindowsHookExW(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId());
}

MenuBarKeys::~MenuBarKeys() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  watching = nullptr;
}

void MenuBarKeys::OnMenuSelect(WPARAM wParam, LPARAM lParam) noexcept {
  if (watching == nullptr) return;
  const UINT flags = HIWORD(wParam);
  if (lParam == 0 && flags == 0xFFFF) return;  // the menu closing
  watching->current_ = reinterpret_cast<HMENU>(lParam);
  watching->onSubmenu_ = (flags & MF_POPUP) != 0;
}

void MenuBarKeys::OnInitMenuPopup(HMENU menu) noexcept {
  if (watching != nullptr && watching->top_ == nullptr) watching->top_ = menu;
}

LRESULT CALLBACK MenuBarKeys::Filter(int code, WPARAM wParam, LPARAM lParam) {
  MenuBarKeys* self = watching;
  if (code == MSGF_MENU && self != nullptr && self->step_ == 0) {
    const MSG& message = *reinterpret_cast<const MSG*>(lParam);
    if (message.message == WM_KEYDOWN) {
      int step = 0;
      // Left in a submenu closes it, Right on an item with a submenu opens it: the
      // menu's own keys there.
      if (message.wParam == VK_LEFT && (self->current_ == nullptr || self->current_ == self->top_))
        step = -1;
      if (message.wParam == VK_RIGHT && !self->onSubmenu_) step = 1;
      if (step != 0) {
        self->step_ = step;
        EndMenu();
        return TRUE;
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace kromelik
