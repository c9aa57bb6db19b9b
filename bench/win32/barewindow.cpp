// The yardstick for the program's start under Wine: the least a Win32 program does to
// show a window, so what the program adds to a start can be told apart from Wine's own.
// With "/timer" it also runs a 100 ms timer that does nothing, as the strip's slide
// timer runs while it waits: the floor of what a waiting strip can cost under Wine. With
// "/cursor" that timer also reads the cursor's place at each tick, as the strip must to
// know when the top edge is touched: under Wine each reading is a round trip to the wine
// server and, with the mouse still, one to the X server.

#include <windows.h>

#include <cwchar>

namespace {

bool readsCursor = false;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && readsCursor) {
    POINT cursor{};
    GetCursorPos(&cursor);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  windowClass.lpszClassName = L"BareWindow";
  if (RegisterClassW(&windowClass) == 0) return 1;
  readsCursor = std::wcsstr(GetCommandLineW(), L"/cursor") != nullptr;
  const bool timer = readsCursor || std::wcsstr(GetCommandLineW(), L"/timer") != nullptr;
  const wchar_t* title = readsCursor ? L"BareCursor" : timer ? L"BareTimer" : L"Bare";
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, title,
                                WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 400, 200, nullptr, nullptr, instance,
                                nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  if (timer) SetTimer(window, 1, 100, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
