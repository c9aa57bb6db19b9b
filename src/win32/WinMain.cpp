#include <windows.h>

#include "win32/Handles.h"
#include "win32/MainWindow.h"
#include "win32/Win32Platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace kromelik;
  // The shell's link and icon objects want a single-threaded apartment on this thread.
  const ComApartment com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  Win32Platform platform;
  MainWindow mainWindow(platform.Ports());
  if (!mainWindow.Create(instance)) return 1;
  mainWindow.Show();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
