// Launches the way the program under test does, so the launch probe can be proved without
// the program itself:
//   shellopen FILE [PARAMETERS [SHOW]]   ShellExecuteW(nullptr, "open", FILE, PARAMETERS, ...)
//                                        ("-" or "" as PARAMETERS passes none; SHOW defaults
//                                        to SW_SHOWNORMAL)
//   shellopen --run COMMAND_LINE [SHOW]  CreateProcessW(nullptr, COMMAND_LINE, ...) with the
//                                        show command in STARTUPINFO, as WinExec does
//   shellopen --hold                     joins the desktop, prints "ready" and stays until
//                                        its standard input closes
// Prints ShellExecuteW's result, or CreateProcessW's error, and exits with 0 when the
// launch succeeded, 1 when it failed and 2 on bad arguments.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <string>

namespace {

bool ParseShow(const wchar_t* text, int& show) {
  if (text == nullptr || *text == L'\0') return false;
  for (const wchar_t* c = text; *c != L'\0'; ++c)
    if (!std::iswdigit(*c)) return false;
  show = static_cast<int>(std::wcstol(text, nullptr, 10));
  return true;
}

int Open(const wchar_t* file, const wchar_t* parameters, int show) {
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", file, parameters, nullptr, show));
  std::printf("ShellExecuteW %lld\n", static_cast<long long>(result));
  return result > 32 ? 0 : 1;
}

int Run(const wchar_t* commandLine, int show) {
  std::wstring line = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    std::printf("CreateProcessW failed %lu\n", GetLastError());
    return 1;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  std::printf("CreateProcessW ok\n");
  return 0;
}

// Wine ends its desktop process a while after the last program using the desktop has
// gone, and the next program starts it again with its own environment. A program whose
// environment makes explorer.exe the probe must never be the one to do that, so this
// holds the desktop for as long as the probe stands in for explorer.exe.
int Hold() {
  if (GetDesktopWindow() == nullptr) return 1;
  // The desktop is ready once its window answers: Wine's explorer pumps the desktop
  // window's messages only after it has loaded the display driver.
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(GetDesktopWindow(), WM_NULL, 0, 0, SMTO_BLOCK, 10000, &answer) == 0)
    return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  char buffer[64];
  DWORD read = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &read, nullptr) &&
         read > 0) {
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int show = SW_SHOWNORMAL;
  if (argc == 2 && std::wcscmp(argv[1], L"--hold") == 0) return Hold();
  if (argc >= 3 && std::wcscmp(argv[1], L"--run") == 0) {
    if (argc > 4 || (argc == 4 && !ParseShow(argv[3], show))) return 2;
    return Run(argv[2], show);
  }
  if (argc < 2 || argc > 4) return 2;
  const wchar_t* parameters = nullptr;
  if (argc >= 3 && std::wcscmp(argv[2], L"-") != 0 && *argv[2] != L'\0') parameters = argv[2];
  if (argc == 4 && !ParseShow(argv[3], show)) return 2;
  return Open(argv[1], parameters, show);
}
