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

std::vector<Monitor> DesktopMonitors() {
  using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto getDpiForMonitor =
      SystemFunction<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
  std::vector<Monitor> monitors;
  const auto add = [](HMONITOR handle, HDC, RECT*, LPARAM found) -> BOOL {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(handle, &info)) return TRUE;
    const RECT& area = info.rcMonitor;
    UINT dpiX = 0;
    UINT dpiY = 0;
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    const int dpi = getDpiForMonitor != nullptr &&
                            SUCCEEDED(getDpiForMonitor(handle, kEffectiveDpi, &dpiX, &dpiY)) &&
                            dpiY > 0
                        ? static_cast<int>(dpiY)
                        : SystemDpi();
    auto& list = *reinterpret_cast<std::vector<Monitor>*>(found);
    const Monitor monitor{{area.left, area.top, area.right - area.left, area.bottom - area.top}, dpi};
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0) {
      list.insert(list.begin(), monitor);
    } else {
      list.push_back(monitor);
    }
    return TRUE;
  };
  EnumDisplayMonitors(nullptr, nullptr, add, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

}  // namespace kromelik
