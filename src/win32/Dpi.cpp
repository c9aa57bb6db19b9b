#include "win32/Dpi.h"

#include "win32/Handles.h"

namespace kromelik {

namespace {

template <typename Function>
Function User32Function(const char* name) noexcept {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  // The cast goes through the generic procedure type the loader hands out.
  return user32 != nullptr
             ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
             : nullptr;
}

}  // namespace

int SystemDpi() noexcept {
  using GetDpiForSystemFunction = UINT(WINAPI*)();
  static const auto getDpiForSystem = User32Function<GetDpiForSystemFunction>("GetDpiForSystem");
  if (getDpiForSystem != nullptr) {
    if (const UINT dpi = getDpiForSystem(); dpi > 0) return static_cast<int>(dpi);
  }
  const WindowDc screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int WindowDpi(HWND window) noexcept {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (getDpiForWindow != nullptr && window != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

}  // namespace kromelik
