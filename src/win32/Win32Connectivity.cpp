#include "win32/Win32Connectivity.h"

#include <windows.h>
#include <wininet.h>

#include "win32/SystemLibrary.h"

namespace kromelik {

bool Win32Connectivity::IsConnected() const {
  using ConnectedStateFunction = BOOL(WINAPI*)(LPDWORD, DWORD);
  static const auto connectedState =
      SystemFunction<ConnectedStateFunction>(L"wininet.dll", "InternetGetConnectedState");
  DWORD kind = 0;
  return connectedState != nullptr && connectedState(&kind, 0) != FALSE;
}

}  // namespace kromelik
