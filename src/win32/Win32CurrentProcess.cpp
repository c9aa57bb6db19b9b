#include "win32/Win32CurrentProcess.h"

#include <windows.h>

namespace kromelik {

std::uint32_t Win32CurrentProcess::Id() const { return GetCurrentProcessId(); }

}  // namespace kromelik
