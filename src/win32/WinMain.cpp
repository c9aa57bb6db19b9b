#include <windows.h>

#include <commctrl.h>

#include "win32/Handles.h"
#include "win32/ModelessDialog.h"
#include "win32/TForm1.h"
#include "win32/Win32Platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace kromelik;
  // The shell's link and icon objects want a single-threaded apartment on this thread.
  const ComApartment com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  Win32Platform platform;
  TForm1 toolbar(platform.Ports());
  if (!toolbar.Create(instance)) return 1;
  toolbar.ShowAtStart();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (ModelessDialog::PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
