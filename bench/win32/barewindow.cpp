// The yardstick for the program's start under Wine: the least a Win32 program does to
// show a window, so what the program adds to a start can be told apart from Wine's own.
// With "/timer" it also runs a 100 ms timer that does nothing, as the strip's slide
// timer runs while it waits: the floor of what a waiting strip can cost under Wine. With
// "/cursor" that timer also reads the cursor's place at each tick, as the strip must to
// know when the top edge is touched: under Wine each reading is a round trip to the wine
// server and, with the mouse still, one to the X server. With "/menu" it has a button
// (id 100) that opens a menu of 1,000 items made beforehand, each with the same small
// picture: the least a menu of that size takes to open under Wine, which measures every
// item at each opening. With "/shellicon" a thread of its own asks the shell for its own
// file's small icon, keeps it and ends: the least the toolbar's menus cost under Wine,
// whose shell answers the first such question by loading the common controls and
// filling a list of each of its five icon sizes, 256 pixels the largest, for the whole
// process.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>

namespace {

bool readsCursor = false;
HMENU prebuilt = nullptr;

constexpr int kMenuButton = 100;
constexpr int kMenuItems = 1000;

HMENU MakeMenu() {
  HMENU menu = CreatePopupMenu();
  // A 16 x 16 picture with its alpha, as the toolbar's classic menus give each item.
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bits != nullptr) {
    auto* pixels = static_cast<DWORD*>(bits);
    for (int i = 0; i < 16 * 16; ++i) pixels[i] = 0xFF3060A0;
  }
  for (int item = 1; item <= kMenuItems; ++item) {
    wchar_t caption[32];
    swprintf(caption, 32, L"Gra numer %04d", item);
    MENUITEMINFOW entry{};
    entry.cbSize = sizeof entry;
    entry.fMask = MIIM_ID | MIIM_STRING | MIIM_BITMAP;
    entry.wID = static_cast<UINT>(item);
    entry.dwTypeData = caption;
    entry.hbmpItem = picture;
    InsertMenuItemW(menu, static_cast<UINT>(item - 1), TRUE, &entry);
  }
  return menu;
}

DWORD WINAPI AskShellIcon(void*) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  // Looked up, not linked: the other yardsticks must not load the shell's library.
  const HMODULE shell = LoadLibraryW(L"shell32.dll");
  const auto ask = shell == nullptr ? nullptr
                                    : reinterpret_cast<decltype(&SHGetFileInfoW)>(
                                          reinterpret_cast<void (*)()>(
                                              GetProcAddress(shell, "SHGetFileInfoW")));
  if (ask == nullptr) return 1;
  SHFILEINFOW info{};
  ask(path, 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON);
  return info.hIcon != nullptr ? 0 : 1;  // the icon is kept, as a program's cache would
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == kMenuButton && prebuilt != nullptr) {
    RECT button{};
    GetWindowRect(reinterpret_cast<HWND>(lParam), &button);
    TrackPopupMenu(prebuilt, TPM_LEFTALIGN | TPM_TOPALIGN, button.left, button.bottom, 0, window,
                   nullptr);
    return 0;
  }
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
  const bool menu = std::wcsstr(GetCommandLineW(), L"/menu") != nullptr;
  const bool shellIcon = std::wcsstr(GetCommandLineW(), L"/shellicon") != nullptr;
  const wchar_t* title = menu          ? L"BareMenu"
                         : shellIcon   ? L"BareIcon"
                         : readsCursor ? L"BareCursor"
                         : timer       ? L"BareTimer"
                                       : L"Bare";
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, title,
                                WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 400, 200, nullptr, nullptr, instance,
                                nullptr);
  if (window == nullptr) return 1;
  if (menu) {
    prebuilt = MakeMenu();
    CreateWindowExW(0, L"BUTTON", L"Menu", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 30,
                    window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMenuButton)), instance,
                    nullptr);
  }
  if (shellIcon) {
    if (HANDLE asking = CreateThread(nullptr, 0, AskShellIcon, nullptr, 0, nullptr))
      CloseHandle(asking);
  }
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
