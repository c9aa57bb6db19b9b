// Stands in for whatever the program under test launches: copied over a system program or
// registered as a protocol or folder handler, it records how it was started and leaves at
// once, so a test sees exactly what was launched without anything real opening.
//
// One line per start, UTF-8, "\n" at the end:
//   <own file name> TAB <full command line> TAB <show command>
// appended to %KROMELIK_LAUNCH_LOG%, or to C:\launch.log when that is not set.
// Tabs and line breaks inside the command line would break the format, so they are
// written as their control pictures (U+2409, U+240A, U+240D).

#include <windows.h>

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

// Append-only access is not enough: Wine finds the end of the file and writes there, so
// two probes writing at once can land on the same offset and one line is lost. The
// writers therefore take turns through a mutex that every process of the prefix sees; a
// probe that died holding it leaves it abandoned, which still hands it on. The whole
// line goes out in one write. Sharing violations (a reader that did not share) pass
// within moments, so they are retried for a while rather than losing the line.
class LogTurn {
 public:
  LogTurn() : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\KromelikLaunchProbeLog")) {
    if (mutex_ != nullptr) {
      const DWORD waited = WaitForSingleObject(mutex_, 30000);
      held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    }
  }
  ~LogTurn() {
    if (held_) ReleaseMutex(mutex_);
    if (mutex_ != nullptr) CloseHandle(mutex_);
  }
  LogTurn(const LogTurn&) = delete;
  LogTurn& operator=(const LogTurn&) = delete;
  bool Held() const { return held_; }

 private:
  HANDLE mutex_;
  bool held_ = false;
};

bool AppendLine(const std::wstring& path, const std::string& line) {
  const LogTurn turn;
  if (!turn.Held()) return false;
  const ULONGLONG deadline = GetTickCount64() + 5000;
  for (;;) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      const BOOL ok = SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_END) &&
                      WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written,
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
  const std::wstring line = OwnFileName() + L"\t" + Flattened(GetCommandLineW()) + L"\t" +
                            std::to_wstring(ShowCommand(showCommand)) + L"\n";
  return AppendLine(LogPath(), Utf8(line)) ? 0 : 1;
}
