#pragma once

// Left and Right in a button's open menu step to the neighbouring button's menu, as in a
// menu bar: Left where no submenu is open, Right on an item without a submenu. The popup
// menu's own loop takes the keys, so they are looked at through its message filter while
// the menu is open; the menu ends and the owner opens the neighbour's.

#include <windows.h>

namespace kromelik {

class MenuBarKeys {
 public:
  // Watches the keys while the menu shown next is open; one at a time.
  MenuBarKeys() noexcept;
  ~MenuBarKeys();
  MenuBarKeys(const MenuBarKeys&) = delete;
  MenuBarKeys& operator=(const MenuBarKeys&) = delete;

  // The owner's WM_MENUSELECT while the menu is open: which menu holds the selection and
  // whether the selected item opens a submenu.
  static void OnMenuSelect(WPARAM wParam, LPARAM lParam) noexcept;
  // The owner's WM_INITMENUPOPUP: the first is the menu shown, the others its submenus.
  static void OnInitMenuPopup(HMENU menu) noexcept;
  // After the menu closed: -1 to step left, 1 to step right, 0 to stay.
  int Step() const noexcept { return step_; }

 private:
  static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);

  HMENU top_ = nullptr;
  HMENU current_ = nullptr;  // where the selection is; none yet is the menu shown
  bool onSubmenu_ = false;
  int step_ = 0;
  HHOOK hook_ = nullptr;
};

}  // namespace kromelik
