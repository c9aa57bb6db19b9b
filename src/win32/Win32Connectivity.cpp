#include "win32/Win32Connectivity.h"

#include <windows.h>
#include <wininet.h>

namespace kromelik {

bool Win32Connectivity::IsConnected() const {
  DWORD kind = 0;
  return InternetGetConnectedState(&kind, 0) != FALSE;
}

}  // namespace kromelik
