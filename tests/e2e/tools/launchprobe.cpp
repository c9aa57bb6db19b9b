// Stands in for whatever the program under test launches: copied over a system program or
// registered as a protocol or folder handler, it records how it was started and leaves at
// once, so a test sees exactly what was launched without anything real opening.
//
// One line per start, UTF-8, "\n" at the end:
//   <own file name> TAB <full command line> TAB <show command>
// appended to %KROMELIK_LAUNCH_LOG%, or to C:\launch.log when that is not set.
// Tabs and line breaks inside the command line would break the format, so they are
// written as their control pictures (U+2409, U+240A, U+240D).
//
// Wine starts its desktop as "system32\explorer.exe /desktop" with the environment of
// whichever program first needs it, so a probe standing in for explorer.exe under an
// override would otherwise become the desktop and every window after it would break.
// Such a start is not a launch to record: it is handed to Wine's own explorer, which
// Wine loads as soon as the override is gone from the environment.

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::wstring OwnFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L"?";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring LogPath() {
  const wchar_t* name = L"KROMELIK_LAUNCH_LOG";
  const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
  if (needed > 1) {
    std::wstring value(needed, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, value.data(), needed);
    if (length > 0 && length < needed) {
      value.resize(length);
      return value;
    }
  }
  return L"C:\\launch.log";
}

std::wstring Flattened(const wchar_t* commandLine) {
  std::wstring text = commandLine != nullptr ? commandLine : L"";
  for (wchar_t& c : text) {
    if (c == L'\t') c = L'\x2409';
    if (c == L'\n') c = L'\x240A';
    if (c == L'\r') c = L'\x240D';
  }
  return text;
}

bool EqualsIgnoringCase(const std::wstring& a, const wchar_t* b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b, -1, TRUE) == CSTR_EQUAL;
}

bool AskedToBeTheDesktop(const std::wstring& ownName) {
  if (!EqualsIgnoringCase(ownName, L"explorer.exe")) return false;
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  bool desktop = false;
  for (int i = 1; arguments != nullptr && i < count && !desktop; ++i)
    desktop = _wcsnicmp(arguments[i], L"/desktop", 8) == 0;
  LocalFree(arguments);
  return desktop;
}

// Drops the program overrides ("name.exe" entries) and keeps every DLL override, so the
// desktop gets the built-in explorer and otherwise the environment it would have had.
std::wstring WithoutProgramOverrides(const std::wstring& overrides) {
  std::wstring kept;
  std::size_t start = 0;
  while (start <= overrides.size()) {
    std::size_t end = overrides.find(L';', start);
    if (end == std::wstring::npos) end = overrides.size();
    const std::wstring entry = overrides.substr(start, end - start);
    const std::size_t equals = entry.find(L'=');
    const std::wstring names = entry.substr(0, equals);
    std::wstring keptNames;
    std::size_t from = 0;
    while (from <= names.size()) {
      std::size_t comma = names.find(L',', from);
      if (comma == std::wstring::npos) comma = names.size();
      const std::wstring name = names.substr(from, comma - from);
      const bool program = name.size() > 4 && EqualsIgnoringCase(name.substr(name.size() - 4), L".exe");
      if (!name.empty() && !program) keptNames += (keptNames.empty() ? L"" : L",") + name;
      from = comma + 1;
    }
    if (!keptNames.empty()) {
      if (!kept.empty()) kept += L";";
      kept += keptNames + (equals == std::wstring::npos ? L"" : entry.substr(equals));
    }
    start = end + 1;
  }
  return kept;
}

int HandOverToWinesDesktop() {
  const wchar_t* name = L"WINEDLLOVERRIDES";
  const DWORD needed = GetEnvironmentVariableW(name, nullptr, 0);
  if (needed > 0) {
    std::wstring value(needed, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), needed));
    const std::wstring kept = WithoutProgramOverrides(value);
    SetEnvironmentVariableW(name, kept.empty() ? nullptr : kept.c_str());
  }
  std::wstring self(MAX_PATH, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
  std::wstring line = GetCommandLineW();
  // No standard handles: a pipe of whoever started the first program would otherwise be
  // held open by the desktop for the rest of the session.
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(self.c_str(), line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                      nullptr, &startup, &started)) {
    return 1;
  }
  // Whoever asked for the desktop waits until this process is idle, then looks for the
  // desktop window: it must exist by the time this one is gone.
  WaitForInputIdle(started.hProcess, 10000);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return 0;
}

int ShowCommand(int fromWinMain) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  GetStartupInfoW(&startup);
  return (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : fromWinMain;
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

// Append-only access makes every write land at the end of the file even while another
// probe writes too; the whole line goes out in one write so lines never interleave.
// Sharing violations (a reader or writer that did not share) pass within moments, so
// they are retried for a while rather than losing the line.
bool AppendLine(const std::wstring& path, const std::string& line) {
  const ULONGLONG deadline = GetTickCount64() + 5000;
  for (;;) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written,
                                nullptr);
      CloseHandle(file);
      return ok != FALSE && written == line.size();
    }
    const DWORD error = GetLastError();
    if ((error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION &&
         error != ERROR_ACCESS_DENIED) ||
        GetTickCount64() >= deadline) {
      return false;
    }
    Sleep(10);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  const std::wstring ownName = OwnFileName();
  if (AskedToBeTheDesktop(ownName)) return HandOverToWinesDesktop();
  const std::wstring line = ownName + L"\t" + Flattened(GetCommandLineW()) + L"\t" +
                            std::to_wstring(ShowCommand(showCommand)) + L"\n";
  return AppendLine(LogPath(), Utf8(line)) ? 0 : 1;
}
