// Looks at the program's windows from inside the Wine prefix, where the X server's view
// lags or is missing (windows off the screen are unmapped). Each command waits for its
// condition until a timeout and says through its exit code whether it came true:
//   winprobe wait-window TITLE MS     a top-level window of that title exists
//   winprobe wait-gone TITLE MS       no such window any more
//   winprobe wait-visible TITLE MS    visible and at least partly on the screen
//   winprobe rect TITLE               prints "left top right bottom visible"
//   winprobe monitors                 prints "left top right bottom" of each monitor
//   winprobe children TITLE           prints "id left top right bottom" of each child window
//                                     shown with its parent, in the parent's client
//                                     coordinates
//   winprobe close TITLE              asks the window to close (WM_CLOSE)
//   winprobe controls TITLE           prints "id visible enabled text" of each child window
//                                     of the window, hidden ones too
//   winprobe list-rows TITLE ID       prints each row of the list view ID of the window:
//                                     "*" for a selected row, else "-", then its cells,
//                                     all separated by tabs
//   winprobe child-rect TITLE ID      prints "left top right bottom" of the window's child ID
//                                     on the screen
//   winprobe click TITLE ID           posts a click (BM_CLICK) to the window's child ID,
//                                     behind whatever the window's queue holds already
//   winprobe cancel-menu TITLE        ends the popup menu the window has open
//   winprobe wait-top TITLE TOP MS    visible with its top edge at TOP
//   winprobe wait-hidden TITLE MS     exists and is not visible
//   winprobe wait-menu MS             a popup menu is open; prints its rectangle
//   winprobe wait-no-menu MS          no popup menu is open
//   winprobe wait-tooltip MS          a tooltip window is visible
//   winprobe tooltip-text MS          waits for a visible tooltip and prints its text as
//                                     the tip draws it: without TTS_NOPREFIX a "&" marks
//                                     the next letter and is not drawn
//   winprobe wait-box TITLE MS        a dialog box of that title is open; prints the texts
//                                     of its controls, one a line
//   winprobe foreground               prints the title of the foreground window
//   winprobe wait-foreground TITLE MS the window of that title is in front
//   winprobe cursor                   prints where Windows sees the cursor
//   winprobe focus TITLE              prints where the window's thread has its keyboard
//                                     focus (left top) and whether the window is active
//   winprobe focus-id TITLE           prints the id of the window's control that has its
//                                     thread's keyboard focus (a combo box's for the edit
//                                     within it), "window" for the window itself, "none"
//                                     when nothing has it, "elsewhere" for another window
//   winprobe wait-focus-id TITLE ID MS
//                                     focus-id comes to answer ID; prints its last answer
//                                     when it does not
//   winprobe accessible TITLE ID      prints "role name" of the window's child ID as a
//                                     screen reader asks for them (MSAA)
//   winprobe hotkey-of TITLE ID       prints the combination the hotkey field ID holds
//                                     (HKM_GETHOTKEY)
//   winprobe hold-hotkey MODS VK MS   registers the combination as another program would
//                                     and holds it MS milliseconds; prints "held"
//   winprobe press-box-ok TITLE       presses OK in the open dialog box of that title
//   winprobe alpha TITLE              prints the window's layered opacity, or "opaque"
//   winprobe measure-slide TITLE X    moves the cursor below the strip, then to the top
//                                     edge, and prints the milliseconds until the strip
//                                     first moves and until it is fully shown
//   winprobe folder-path CSIDL        prints the special folder's path
//   winprobe screen-size W H          sets the screen's size (in a Wine virtual desktop,
//                                     the desktop's); prints the size it has after
//   winprobe show-window KIND MS      shows a window in front for MS milliseconds, or
//                                     until it is closed: KIND "fullscreen" is a bare
//                                     window over the whole screen, as games and videos
//                                     show, "normal" a captioned one of ordinary size,
//                                     "topmost" a small captioned one kept over other
//                                     windows; its title is "Probe " and the kind
//   winprobe measure-open TITLE ID DIALOG ROWS
//                                     clicks the window's child ID, waits for its menu,
//                                     chooses the menu's first item with the keyboard and
//                                     prints the milliseconds from that key until the
//                                     window DIALOG shows a list of ROWS rows or more
//   winprobe make-shortcut LNK TARGET writes a shell link at LNK that leads to TARGET
//   winprobe menu-items MS            waits for a popup menu and prints its items' texts,
//                                     one a line
//   winprobe measure-menu TITLE ID    clicks the window's child ID and prints the
//                                     milliseconds until its popup menu is shown and has
//                                     been painted, then ends the menu
//   winprobe click-when-ready TITLE ID
//                                     as a user clicking the moment the window appears:
//                                     waits up to 2 minutes for the window's child ID,
//                                     clicks it and waits for its popup menu shown and
//                                     painted, which it leaves open
//   winprobe send TITLE MESSAGE WPARAM LPARAM
//                                     sends the message (numbers) to the window and waits
//                                     for its answer: messages that may carry pointers,
//                                     such as WM_SETTINGCHANGE, cannot be posted
//   winprobe count-class CLASS        prints how many top-level windows of the class exist
//   winprobe move TITLE X Y           moves the window there, without showing it
//   winprobe live-objects TITLE       prints "kind count" for each kind of object the
//                                     program counts (asked through its registered
//                                     message "Kromelik.LiveObjects")
//   winprobe soak-menus TITLE COUNT   opens and ends a menu COUNT times, the window's
//                                     visible buttons in turn, each waited for shown and
//                                     painted
//   winprobe soak-dialog TITLE ID DIALOG COUNT KEYS...
//                                     COUNT times: clicks the window's child ID, waits
//                                     for its menu, presses the keys (Up, Down, Right),
//                                     then Return, waits for the window DIALOG visible,
//                                     then closes it (WM_CLOSE) and waits for it hidden

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "win32/LiveObjects.h"

namespace {

HWND Find(const wchar_t* title) { return FindWindowW(nullptr, title); }

// Which control of `window`'s thread has the focus: a child's id, "window", "none",
// "elsewhere"; empty when the window is not there.
std::wstring FocusId(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (window == nullptr || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
    return L"";
  HWND focus = info.hwndFocus;
  if (focus == nullptr) return L"none";
  if (focus == window) return L"window";
  if (!IsChild(window, focus)) return L"elsewhere";
  while (GetParent(focus) != window) focus = GetParent(focus);
  return std::to_wstring(GetDlgCtrlID(focus));
}

template <typename Condition>
bool WaitFor(DWORD timeoutMs, Condition condition) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
}

bool OnScreen(HWND window) {
  RECT rect{};
  return window != nullptr && IsWindowVisible(window) && GetWindowRect(window, &rect) &&
         rect.bottom > 0;
}

// A visible top-level window of the class, or nullptr.
HWND VisibleWindowOfClass(const wchar_t* className) {
  struct Search {
    const wchar_t* className;
    HWND found;
  } search{className, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* wanted = reinterpret_cast<Search*>(data);
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (_wcsicmp(name, wanted->className) == 0 && IsWindowVisible(window)) {
          wanted->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND OpenMenu() { return VisibleWindowOfClass(L"#32768"); }

bool TooltipShown() { return VisibleWindowOfClass(L"tooltips_class32") != nullptr; }

HWND Box(const wchar_t* title) {
  HWND box = FindWindowW(L"#32770", title);
  return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

void PrintRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
}

// UTF-8, so the test reads the Polish texts as they are.
void PrintText(const wchar_t* text) {
  char buffer[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
  std::printf("%s\n", buffer);
}

// Written through the shell's own link object, as the shell writes the links of the Recent
// folder: item list and stored path both, so that the program reads it as a real one.
bool MakeShortcut(const wchar_t* linkPath, const wchar_t* target) {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return false;
  bool written = false;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->SetPath(target)) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      written = SUCCEEDED(file->Save(linkPath, TRUE));
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return written;
}

int ShowWindowFor(const std::wstring& kind, DWORD ms) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = L"KromelikProbeWindow";
  RegisterClassW(&windowClass);
  const bool full = kind == L"fullscreen";
  // Kept over other windows, in the lower right, clear of the screen's middle.
  const bool topmost = kind == L"topmost";
  const std::wstring title = L"Probe " + kind;
  HWND window = full ? CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, title.c_str(),
                                       WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                       GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                       windowClass.hInstance, nullptr)
                     : CreateWindowExW(topmost ? WS_EX_TOPMOST : 0, windowClass.lpszClassName,
                                       title.c_str(), WS_OVERLAPPEDWINDOW, topmost ? 700 : 100,
                                       topmost ? 500 : 100, topmost ? 250 : 400,
                                       topmost ? 150 : 300, nullptr, nullptr,
                                       windowClass.hInstance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  const ULONGLONG deadline = GetTickCount64() + ms;
  while (IsWindow(window) && GetTickCount64() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  if (IsWindow(window)) DestroyWindow(window);
  return 0;
}

// A list view's texts live in its own process: the item and its text buffer are put
// there for each call, as the messages carry pointers that are not marshalled.
int PrintListRows(HWND list) {
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
  if (process == nullptr) return 1;
  constexpr int kTextLength = 1024;
  const SIZE_T size = sizeof(LVITEMW) + kTextLength * sizeof(wchar_t);
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (remote == nullptr) {
    CloseHandle(process);
    return 1;
  }
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = header != nullptr ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
  const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < rows; ++row) {
    const bool selected = (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
    std::wstring line = selected ? L"*" : L"-";
    for (int column = 0; column < columns; ++column) {
      LVITEMW item{};
      item.iSubItem = column;
      item.cchTextMax = kTextLength;
      item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
      wchar_t text[kTextLength] = {};
      SIZE_T moved = 0;
      if (WriteProcessMemory(process, remote, &item, sizeof item, &moved) &&
          SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote)) >= 0)
        ReadProcessMemory(process, remote + sizeof(LVITEMW), text, sizeof text - sizeof(wchar_t), &moved);
      line += L"\t";
      line += text;
    }
    PrintText(line.c_str());
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return 0;
}

void PressKey(WORD key) {
  INPUT input[2] = {};
  input[0].type = INPUT_KEYBOARD;
  input[0].ki.wVk = key;
  input[1] = input[0];
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

double Milliseconds(const LARGE_INTEGER& from) {
  LARGE_INTEGER frequency{}, now{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

int MeasureOpen(HWND window, int id, const wchar_t* dialogTitle, int rows) {
  HWND button = GetDlgItem(window, id);
  if (button == nullptr || !PostMessageW(button, BM_CLICK, 0, 0)) return 1;
  if (!WaitFor(60000, [] { return OpenMenu() != nullptr; })) return 1;
  PressKey(VK_DOWN);
  timeBeginPeriod(1);
  LARGE_INTEGER start{};
  QueryPerformanceCounter(&start);
  PressKey(VK_RETURN);
  bool shown = false;
  while (Milliseconds(start) < 30000) {
    HWND dialog = Find(dialogTitle);
    HWND list = dialog != nullptr ? GetDlgItem(dialog, 100) : nullptr;
    if (list != nullptr && IsWindowVisible(dialog) &&
        SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) >= rows) {
      shown = true;
      break;
    }
    Sleep(1);
  }
  const double elapsed = Milliseconds(start);
  timeEndPeriod(1);
  if (!shown) return 1;
  std::printf("%.1f\n", elapsed);
  return 0;
}

int MeasureMenu(HWND window, int id) {
  HWND button = GetDlgItem(window, id);
  if (button == nullptr || OpenMenu() != nullptr) return 1;
  timeBeginPeriod(1);
  LARGE_INTEGER start{};
  QueryPerformanceCounter(&start);
  if (!PostMessageW(button, BM_CLICK, 0, 0)) return 1;
  bool shown = false;
  while (Milliseconds(start) < 30000) {
    HWND menu = OpenMenu();
    if (menu != nullptr) {
      // Shown as the user sees it: the menu's thread has painted it and answers again.
      DWORD_PTR result = 0;
      shown = SendMessageTimeoutW(menu, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result) != 0;
      break;
    }
    Sleep(1);
  }
  const double elapsed = Milliseconds(start);
  timeEndPeriod(1);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, WM_CANCELMODE, 0, 0, SMTO_NORMAL, 5000, &result);
  WaitFor(10000, [] { return OpenMenu() == nullptr; });
  if (!shown) return 1;
  std::printf("%.1f\n", elapsed);
  return 0;
}

bool MenuShownAndPainted(DWORD ms) {
  HWND menu = nullptr;
  if (!WaitFor(ms, [&] { return (menu = OpenMenu()) != nullptr; })) return false;
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(menu, WM_NULL, 0, 0, SMTO_NORMAL, ms, &result) != 0;
}

int ClickWhenReady(const wchar_t* title, int id) {
  constexpr DWORD kPatience = 120000;
  HWND button = nullptr;
  if (!WaitFor(kPatience, [&] { return (button = GetDlgItem(Find(title), id)) != nullptr; }))
    return 1;
  if (!PostMessageW(button, BM_CLICK, 0, 0)) return 1;
  return MenuShownAndPainted(kPatience) ? 0 : 1;
}

// Every visible button of the strip in turn, `count` menus in all.
int SoakMenus(HWND window, long count) {
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    // The close button opens no menu: it ends the program. Its own visibility: the strip
    // may be hidden.
    if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0 && _wcsicmp(name, L"tooltips_class32") != 0 && GetDlgCtrlID(child) != 112)
      buttons.push_back(child);
  }
  if (buttons.empty()) return 1;
  for (long i = 0; i < count; ++i) {
    HWND button = buttons[static_cast<std::size_t>(i) % buttons.size()];
    if (!PostMessageW(button, BM_CLICK, 0, 0) || !MenuShownAndPainted(30000)) {
      std::fprintf(stderr, "menu %ld of button %d did not open\n", i, GetDlgCtrlID(button));
      return 1;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_CANCELMODE, 0, 0, SMTO_NORMAL, 5000, &result);
    if (!WaitFor(10000, [] { return OpenMenu() == nullptr; })) return 1;
  }
  return 0;
}

int SoakDialog(HWND window, int id, const wchar_t* dialog, long count, wchar_t** keyNames, int keyCount) {
  HWND button = GetDlgItem(window, id);
  if (button == nullptr) return 1;
  for (long i = 0; i < count; ++i) {
    if (!PostMessageW(button, BM_CLICK, 0, 0) || !MenuShownAndPainted(30000)) return 1;
    for (int k = 0; k < keyCount; ++k) {
      const std::wstring name = keyNames[k];
      PressKey(name == L"Up" ? VK_UP : name == L"Down" ? VK_DOWN : name == L"Right" ? VK_RIGHT : VK_RETURN);
    }
    PressKey(VK_RETURN);
    if (!WaitFor(30000, [&] { return OnScreen(Find(dialog)); })) {
      std::fprintf(stderr, "opening %ld of %ls did not show it\n", i, dialog);
      return 1;
    }
    PostMessageW(Find(dialog), WM_CLOSE, 0, 0);
    if (!WaitFor(30000, [&] { HWND d = Find(dialog); return d == nullptr || !IsWindowVisible(d); }))
      return 1;
  }
  return 0;
}

int Usage() {
  std::fputs("usage: see the comment at the top of winprobe.cpp\n",
             stderr);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  // KROMELIK_PROBE_DESKTOP names a desktop to look into instead of the default one, such
  // as a Wine virtual desktop started with "explorer /desktop=NAME,WxH".
  wchar_t desktopName[64] = {};
  if (GetEnvironmentVariableW(L"KROMELIK_PROBE_DESKTOP", desktopName, 64) > 0) {
    // The desktop may still be on its way.
    HDESK desktop = nullptr;
    WaitFor(10000, [&] { return (desktop = OpenDesktopW(desktopName, 0, FALSE, GENERIC_ALL)) != nullptr; });
    if (desktop == nullptr || !SetThreadDesktop(desktop)) {
      std::fputs("no such desktop\n", stderr);
      return 2;
    }
  }
  if (std::wstring(argv[1]) == L"cursor") {
    POINT point{};
    GetCursorPos(&point);
    std::printf("%ld %ld\n", point.x, point.y);
    return 0;
  }
  if (std::wstring(argv[1]) == L"monitors") {
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, RECT* area, LPARAM) -> BOOL {
          std::printf("%ld %ld %ld %ld\n", area->left, area->top, area->right, area->bottom);
          return TRUE;
        },
        0);
    return 0;
  }
  if (std::wstring(argv[1]) == L"foreground") {
    wchar_t text[256] = {};
    GetWindowTextW(GetForegroundWindow(), text, 256);
    PrintText(text);
    return 0;
  }
  if (argc < 3) return Usage();
  if (std::wstring(argv[1]) == L"folder-path") {
    wchar_t path[MAX_PATH] = {};
    const int csidl = static_cast<int>(std::wcstol(argv[2], nullptr, 10));
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return 1;
    PrintText(path);
    return 0;
  }
  if (std::wstring(argv[1]) == L"screen-size") {
    if (argc < 4) return Usage();
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
    mode.dmPelsHeight = static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10));
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    const LONG result = ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr);
    std::printf("%d %d %ld\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), result);
    return result == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
  }
  if (std::wstring(argv[1]) == L"show-window") {
    if (argc < 4) return Usage();
    return ShowWindowFor(argv[2], static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)));
  }
  if (std::wstring(argv[1]) == L"hold-hotkey") {
    // Holds a combination as another program would, for MS milliseconds or until ended:
    // "held" once it has it.
    if (argc < 5) return Usage();
    if (!RegisterHotKey(nullptr, 1, static_cast<UINT>(std::wcstoul(argv[2], nullptr, 10)),
                        static_cast<UINT>(std::wcstoul(argv[3], nullptr, 10))))
      return 1;
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10)));
    return 0;
  }
  if (std::wstring(argv[1]) == L"make-shortcut") {
    if (argc < 4) return Usage();
    return MakeShortcut(argv[2], argv[3]) ? 0 : 1;
  }
  const std::wstring command = argv[1];
  const wchar_t* title = argv[2];
  const DWORD timeout = argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 0;

  if (command == L"wait-window") return WaitFor(timeout, [&] { return Find(title) != nullptr; }) ? 0 : 1;
  if (command == L"wait-foreground")
    return WaitFor(timeout, [&] { return Find(title) != nullptr && GetForegroundWindow() == Find(title); }) ? 0 : 1;
  if (command == L"wait-gone") return WaitFor(timeout, [&] { return Find(title) == nullptr; }) ? 0 : 1;
  if (command == L"wait-visible") return WaitFor(timeout, [&] { return OnScreen(Find(title)); }) ? 0 : 1;
  if (command == L"wait-top" && argc > 4) {
    const long top = std::wcstol(argv[3], nullptr, 10);
    const auto ms = static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10));
    return WaitFor(ms, [&] {
             HWND window = Find(title);
             RECT rect{};
             return window != nullptr && IsWindowVisible(window) && GetWindowRect(window, &rect) &&
                    rect.top == top;
           })
               ? 0
               : 1;
  }
  if (command == L"wait-hidden")
    return WaitFor(timeout, [&] {
             HWND window = Find(title);
             return window != nullptr && !IsWindowVisible(window);
           })
               ? 0
               : 1;
  if (command == L"tooltip-text") {
    const DWORD ms = static_cast<DWORD>(std::wcstoul(title, nullptr, 10));
    if (!WaitFor(ms, [] { return TooltipShown(); })) return 1;
    const HWND tip = VisibleWindowOfClass(L"tooltips_class32");
    // Asked of the control itself: the system keeps no title for it.
    wchar_t text[1024] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(tip, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, &ignored);
    std::wstring drawn;
    const bool prefixes = (GetWindowLongW(tip, GWL_STYLE) & TTS_NOPREFIX) == 0;
    for (const wchar_t* at = text; *at != L'\0'; ++at) {
      if (prefixes && *at == L'&' && *++at == L'\0') break;
      drawn += *at;
    }
    PrintText(drawn.c_str());
    return 0;
  }
  if (command == L"wait-tooltip") {
    const DWORD ms = static_cast<DWORD>(std::wcstoul(title, nullptr, 10));
    return WaitFor(ms, [] { return TooltipShown(); }) ? 0 : 1;
  }
  if (command == L"wait-menu" || command == L"wait-no-menu") {
    // These take no title: the time is the second argument.
    const auto ms = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
    if (command == L"wait-no-menu") return WaitFor(ms, [] { return OpenMenu() == nullptr; }) ? 0 : 1;
    if (!WaitFor(ms, [] { return OpenMenu() != nullptr; })) return 1;
    PrintRect(OpenMenu());
    return 0;
  }
  if (command == L"wait-box") {
    if (!WaitFor(timeout, [&] { return Box(title) != nullptr; })) return 1;
    EnumChildWindows(
        Box(title),
        [](HWND child, LPARAM) -> BOOL {
          wchar_t text[512] = {};
          if (GetWindowTextW(child, text, 512) > 0) PrintText(text);
          return TRUE;
        },
        0);
    return 0;
  }
  if (command == L"press-box-ok") {
    HWND box = Box(title);
    return box != nullptr && PostMessageW(box, WM_COMMAND, IDOK, 0) ? 0 : 1;
  }
  if (command == L"focus") {
    HWND window = Find(title);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (window == nullptr || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
      return 1;
    RECT rect{};
    GetWindowRect(info.hwndFocus, &rect);
    std::printf("%ld %ld active=%d\n", rect.left, rect.top, info.hwndActive == window ? 1 : 0);
    return 0;
  }
  if (command == L"focus-id") {
    const std::wstring focus = FocusId(Find(title));
    if (focus.empty()) return 1;
    PrintText(focus.c_str());
    return 0;
  }
  if (command == L"wait-focus-id" && argc > 4) {
    // The second word is the control id waited for, the third the wait.
    const std::wstring wanted = argv[3];
    const DWORD ms = static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10));
    if (WaitFor(ms, [&] { return FocusId(Find(title)) == wanted; })) return 0;
    PrintText(FocusId(Find(title)).c_str());
    return 1;
  }
  if (command == L"alpha") {
    HWND window = Find(title);
    if (window == nullptr) return 1;
    BYTE alpha = 255;
    DWORD flags = 0;
    if ((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0 ||
        !GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) {
      std::printf("opaque\n");
    } else {
      std::printf("%u\n", static_cast<unsigned>(alpha));
    }
    return 0;
  }
  if (command == L"measure-slide") {
    const int x = argc > 3 ? static_cast<int>(std::wcstol(argv[3], nullptr, 10)) : 600;
    const auto top = [&] {
      RECT rect{};
      HWND window = Find(title);
      if (window == nullptr || !IsWindowVisible(window) || !GetWindowRect(window, &rect)) return -1000L;
      return rect.top;
    };
    SetCursorPos(x, 300);
    if (!WaitFor(10000, [&] { HWND w = Find(title); return w != nullptr && !IsWindowVisible(w); }))
      return 1;
    LARGE_INTEGER frequency{}, start{}, now{};
    QueryPerformanceFrequency(&frequency);
    const auto elapsed = [&] {
      QueryPerformanceCounter(&now);
      return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
             static_cast<double>(frequency.QuadPart);
    };
    timeBeginPeriod(1);
    SetCursorPos(x, 0);
    QueryPerformanceCounter(&start);
    double moved = -1;
    double shown = -1;
    while (elapsed() < 10000) {
      const long current = top();
      if (moved < 0 && current > -1000L) moved = elapsed();
      if (current == 0) {
        shown = elapsed();
        break;
      }
      Sleep(1);
    }
    timeEndPeriod(1);
    if (shown < 0) return 1;
    std::printf("%.1f %.1f\n", moved, shown);
    return 0;
  }
  if (command == L"rect") {
    HWND window = Find(title);
    RECT rect{};
    if (window == nullptr || !GetWindowRect(window, &rect)) return 1;
    std::printf("%ld %ld %ld %ld %d\n", rect.left, rect.top, rect.right, rect.bottom,
                IsWindowVisible(window) ? 1 : 0);
    return 0;
  }
  if (command == L"click") {
    HWND child = GetDlgItem(Find(title), static_cast<int>(timeout));
    return child != nullptr && PostMessageW(child, BM_CLICK, 0, 0) ? 0 : 1;
  }
  if (command == L"accessible") {
    // What a screen reader learns of a control: its role number and its name.
    HWND child = GetDlgItem(Find(title), static_cast<int>(timeout));
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    IAccessible* accessible = nullptr;
    if (child == nullptr ||
        FAILED(AccessibleObjectFromWindow(child, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))))
      return 1;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{};
    BSTR name = nullptr;
    const bool read = SUCCEEDED(accessible->get_accRole(self, &role)) && role.vt == VT_I4 &&
                      SUCCEEDED(accessible->get_accName(self, &name));
    accessible->Release();
    if (!read) return 1;
    const std::wstring line = std::to_wstring(role.lVal) + L" " + (name != nullptr ? name : L"");
    SysFreeString(name);
    PrintText(line.c_str());
    return 0;
  }
  if (command == L"hotkey-of") {
    // The combination a hotkey field holds, as HKM_GETHOTKEY answers it.
    HWND child = GetDlgItem(Find(title), static_cast<int>(timeout));
    if (child == nullptr) return 1;
    std::printf("%u\n", static_cast<unsigned>(SendMessageW(child, HKM_GETHOTKEY, 0, 0) & 0xFFFF));
    return 0;
  }
  if (command == L"cancel-menu") {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(Find(title), WM_CANCELMODE, 0, 0, SMTO_NORMAL, 5000, &result) != 0
               ? 0
               : 1;
  }
  if (command == L"children") {
    HWND window = Find(title);
    if (window == nullptr) return 1;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM parent) -> BOOL {
          // Its own visibility: the strip itself may be hidden above the screen.
          if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) == 0) return TRUE;
          RECT rect{};
          GetWindowRect(child, &rect);
          MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&rect), 2);
          std::printf("%d %ld %ld %ld %ld\n", GetDlgCtrlID(child), rect.left, rect.top, rect.right,
                      rect.bottom);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(window));
    return 0;
  }
  if (command == L"controls") {
    HWND window = Find(title);
    if (window == nullptr) return 1;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM) -> BOOL {
          // Asked of the control itself: GetWindowText gives only the caption a control
          // of another process was created with, not what its edit holds now.
          wchar_t text[512] = {};
          DWORD_PTR copied = 0;
          SendMessageTimeoutW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                              5000, &copied);
          const std::wstring line =
              std::to_wstring(GetDlgCtrlID(child)) + L" " +
              ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0 ? L"1" : L"0") + L" " +
              (IsWindowEnabled(child) ? L"1" : L"0") + L" " + text;
          PrintText(line.c_str());
          return TRUE;
        },
        0);
    return 0;
  }
  if (command == L"measure-open" && argc > 5) {
    return MeasureOpen(Find(title), static_cast<int>(timeout), argv[4],
                       static_cast<int>(std::wcstol(argv[5], nullptr, 10)));
  }
  if (command == L"child-rect") {
    HWND child = GetDlgItem(Find(title), static_cast<int>(timeout));
    if (child == nullptr) return 1;
    PrintRect(child);
    return 0;
  }
  if (command == L"menu-items") {
    // The command's second word is the wait here.
    const DWORD ms = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
    if (!WaitFor(ms, [] { return OpenMenu() != nullptr; })) return 1;
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(OpenMenu(), MN_GETHMENU, 0, 0));
    if (menu == nullptr) return 1;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
      wchar_t text[512] = {};
      GetMenuStringW(menu, static_cast<UINT>(position), text, 512, MF_BYPOSITION);
      PrintText(text);
    }
    return 0;
  }
  if (command == L"click-when-ready") return ClickWhenReady(title, static_cast<int>(timeout));
  if (command == L"measure-menu") return MeasureMenu(Find(title), static_cast<int>(timeout));
  if (command == L"list-rows") {
    HWND list = GetDlgItem(Find(title), static_cast<int>(timeout));
    return list != nullptr ? PrintListRows(list) : 1;
  }
  if (command == L"send" && argc > 5) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(Find(title), static_cast<UINT>(std::wcstoul(argv[3], nullptr, 0)),
                               static_cast<WPARAM>(std::wcstoull(argv[4], nullptr, 0)),
                               static_cast<LPARAM>(std::wcstoll(argv[5], nullptr, 0)), SMTO_NORMAL,
                               10000, &result) != 0
               ? 0
               : 1;
  }
  if (command == L"count-class") {
    int count = 0;
    for (HWND window = FindWindowExW(nullptr, nullptr, title, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, title, nullptr))
      ++count;
    std::printf("%d\n", count);
    return 0;
  }
  if (command == L"move" && argc > 4) {
    return SetWindowPos(Find(title), nullptr, static_cast<int>(std::wcstol(argv[3], nullptr, 10)),
                        static_cast<int>(std::wcstol(argv[4], nullptr, 10)), 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
  }
  if (command == L"live-objects") {
    const UINT message = RegisterWindowMessageW(L"Kromelik.LiveObjects");
    HWND window = Find(title);
    if (window == nullptr) return 1;
    for (std::size_t kind = 0; kind < kromelik::kLiveKindCount; ++kind) {
      DWORD_PTR count = 0;
      if (!SendMessageTimeoutW(window, message, kind, 0, SMTO_NORMAL, 10000, &count)) return 1;
      std::printf("%s %ld\n", kromelik::kLiveKindNames[kind], static_cast<long>(count));
    }
    return 0;
  }
  if (command == L"soak-menus") return SoakMenus(Find(title), static_cast<long>(timeout));
  if (command == L"soak-dialog" && argc > 5) {
    return SoakDialog(Find(title), static_cast<int>(timeout), argv[4],
                      std::wcstol(argv[5], nullptr, 10), argv + 6, argc - 6);
  }
  if (command == L"close") {
    HWND window = Find(title);
    return window != nullptr && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  return Usage();
}
