#include "win32/Win32SystemColours.h"

#include <windows.h>

namespace kromelik {

std::uint32_t Win32SystemColours::ButtonFace() const { return GetSysColor(COLOR_BTNFACE); }

}  // namespace kromelik
