// Looks at the program's windows from inside the Wine prefix, where the X server's view
// lags or is missing (windows off the screen are unmapped). Each command waits for its
// condition until a timeout and says through its exit code whether it came true:
//   winprobe wait-window TITLE MS     a top-level window of that title exists
//   winprobe wait-gone TITLE MS       no such window any more
//   winprobe wait-visible TITLE MS    visible and at least partly on the screen
//   winprobe rect TITLE               prints "left top right bottom visible"
//   winprobe close TITLE              asks the window to close (WM_CLOSE)

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND Find(const wchar_t* title) { return FindWindowW(nullptr, title); }

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

int Usage() {
  std::fputs("usage: winprobe wait-window|wait-gone|wait-visible TITLE MS | rect TITLE | close TITLE\n",
             stderr);
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return Usage();
  const std::wstring command = argv[1];
  const wchar_t* title = argv[2];
  const DWORD timeout = argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : 0;

  if (command == L"wait-window") return WaitFor(timeout, [&] { return Find(title) != nullptr; }) ? 0 : 1;
  if (command == L"wait-gone") return WaitFor(timeout, [&] { return Find(title) == nullptr; }) ? 0 : 1;
  if (command == L"wait-visible") return WaitFor(timeout, [&] { return OnScreen(Find(title)); }) ? 0 : 1;
  if (command == L"rect") {
    HWND window = Find(title);
    RECT rect{};
    if (window == nullptr || !GetWindowRect(window, &rect)) return 1;
    std::printf("%ld %ld %ld %ld %d\n", rect.left, rect.top, rect.right, rect.bottom,
                IsWindowVisible(window) ? 1 : 0);
    return 0;
  }
  if (command == L"close") {
    HWND window = Find(title);
    return window != nullptr && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  return Usage();
}
