#include "win32/Win32ShellLauncher.h"

#include <windows.h>
#include <shellapi.h>

#include <objbase.h>

#include <string>
#include <thread>

#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/Win32PathChecks.h"

namespace kromelik {

void Win32ShellLauncher::Open(WindowHandle owner, std::string_view verb, std::string_view target,
                              std::optional<std::string_view> parameters, ShowCommand show) {
  const std::wstring wideVerb = Utf8ToWide(verb);
  const std::wstring wideTarget = Utf8ToWide(target);
  const std::wstring wideParameters = parameters ? Utf8ToWide(*parameters) : std::wstring();
  const bool withParameters = parameters.has_value();
  const auto open = [=] {
    // An empty verb asks for the file type's default verb, which only a null verb does.
    ShellExecuteW(reinterpret_cast<HWND>(owner), wideVerb.empty() ? nullptr : wideVerb.c_str(),
                  wideTarget.c_str(), withParameters ? wideParameters.c_str() : nullptr,
                  nullptr, static_cast<int>(show));
  };
  if (!MayWaitOnDrive(wideTarget)) {
    open();
    return;
  }
  // A target on a share or a removable drive is opened by a thread of its own: the shell
  // looks at it first, for as long as the network or the medium takes, and reports its
  // own error if it cannot be opened, while the toolbar goes on.
  std::thread([open] {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    open();
    if (SUCCEEDED(com)) CoUninitialize();
  }).detach();
}

void Win32ShellLauncher::RunCommandLine(std::string_view commandLine, ShowCommand show) {
  // WinExec's way: the first token names the program, searched for as CreateProcess does,
  // and the show command reaches the program's first ShowWindow. CreateProcessW may write
  // into the command line, so it gets its own copy.
  std::wstring line = Utf8ToWide(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION started{};
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &started)) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
}

bool EnableShutdownPrivilege() {
  UniqueKernelHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Put())) {
    return false;
  }
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
    return false;
  }
  // AdjustTokenPrivileges also succeeds when the account lacks the privilege
  // (ERROR_NOT_ALL_ASSIGNED); ExitWindowsEx then refuses whatever needs it, while a
  // log-off, which needs none, still goes through.
  return AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr) != FALSE;
}

bool Win32ShellLauncher::EndSession(std::uint32_t exitFlags) {
  // Every step towards the privilege must work, or nothing is ended at all.
  if (!EnableShutdownPrivilege()) return false;
  return ExitWindowsEx(exitFlags, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER |
                                      SHTDN_REASON_FLAG_PLANNED) != FALSE;
}

}  // namespace kromelik
