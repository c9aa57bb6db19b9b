#include "win32/Dpi.h"

#include "win32/Handles.h"
#include "win32/SystemLibrary.h"

namespace kromelik {

int SystemDpi() noexcept {
  using GetDpiForSystemFunction = UINT(WINAPI*)();
  static const auto getDpiForSystem = SystemFunction<GetDpiForSystemFunction>(L"user32.dll", "GetDpiForSystem");
  if (getDpiForSystem != nullptr) {
    if (const UINT dpi = getDpiForSystem(); dpi > 0) return static_cast<int>(dpi);
  }
  const WindowDc screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int WindowDpi(HWND window) noexcept {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  if (getDpiForWindow != nullptr && window != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

}  // namespace kromelik
