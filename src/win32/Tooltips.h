#pragma once

// The tips a dialog shows over its controls, one tips window for all of them.

#include <windows.h>

#include <string_view>

namespace kromelik {

class Tooltips {
 public:
  // The tips window belongs to `owner`, which destroys it with itself.
  void Create(HWND owner);
  // Shows `text` over `control` from now on; an empty text takes its tip away.
  void Set(HWND control, std::string_view text);

 private:
  HWND owner_ = nullptr;
  HWND tips_ = nullptr;
};

}  // namespace kromelik
