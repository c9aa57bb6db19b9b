// Launches the way the program under test does, so the launch probe can be proved without
// the program itself:
//   shellopen FILE [PARAMETERS [SHOW]]   ShellExecuteW(nullptr, "open", FILE, PARAMETERS, ...)
//                                        ("-" or "" as PARAMETERS passes none; SHOW defaults
//                                        to SW_SHOWNORMAL)
//   shellopen --run COMMAND_LINE [SHOW]  CreateProcessW(nullptr, COMMAND_LINE, ...) with the
//                                        show command in STARTUPINFO, as WinExec does
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int show = SW_SHOWNORMAL;
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
