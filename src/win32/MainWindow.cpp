#include "win32/MainWindow.h"

#include "win32/WideText.h"

namespace kromelik {

namespace {

constexpr wchar_t kClassName[] = L"KromelikToolbar";
constexpr int kToolbarHeight = 45;

}  // namespace

bool MainWindow::Create(HINSTANCE instance) {
  if (!RegisterClassOnce(kClassName, instance, GetSysColorBrush(COLOR_BTNFACE))) return false;
  const std::wstring title = Utf8ToWide(kApplicationTitle);
  // A tool window has no taskbar button; the strip waits above the screen's top edge.
  return CreateHandle(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, title.c_str(), WS_POPUP, 0,
                      -kToolbarHeight, GetSystemMetrics(SM_CXSCREEN), kToolbarHeight, nullptr,
                      instance) != nullptr;
}

void MainWindow::Show() { ShowWindow(Handle(), SW_SHOWNOACTIVATE); }

void MainWindow::OnCreate() {
  systemDirectory_ = platform_.folders.SystemDirectory();
  windowsDirectory_ = platform_.folders.WindowsDirectory();
  options_ = RegisterAndReadOptions(platform_.registry, platform_.files, platform_.program,
                                    platform_.fileInformation, platform_.text);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace kromelik
