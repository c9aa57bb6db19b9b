#pragma once

// The DPI a window is shown at. The per-monitor calls came with Windows 10; on older
// systems every monitor has the system's DPI, which the screen's device context gives.

#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

#include <vector>

#include "core/Monitors.h"

namespace kromelik {

// The DPI of the monitor the window is on; the system's where that cannot be had.
int WindowDpi(HWND window) noexcept;
// The system's DPI: the primary monitor's, where the strip starts.
int SystemDpi() noexcept;

// The desktop's monitors, the primary first, each with its DPI (the system's where the
// platform has no per-monitor DPI).
std::vector<Monitor> DesktopMonitors();

}  // namespace kromelik
