#include "win32/Diagnostics.h"

#include <cwchar>
#include <string>

#include "win32/WideText.h"

namespace kromelik {

namespace {

void AppendToLog(const std::wstring& line) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"KROMELIK_LOG", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string bytes = WideToUtf8(line);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

std::wstring MessageName(UINT message) {
  wchar_t name[24] = {};
  std::swprintf(name, 24, L"message 0x%04X", message);
  return name;
}

void ReportSwallowed(HWND window, const wchar_t* where, const char* what) noexcept {
  try {
    wchar_t className[64] = {};
    if (window != nullptr) GetClassNameW(window, className, 64);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t stamp[32] = {};
    std::swprintf(stamp, 32, L"%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute, now.wSecond);
    const std::wstring line = std::wstring(stamp) + L" kromelik: swallowed in " + where +
                              L" of window " + className + L": " +
                              (what != nullptr ? Utf8ToWide(what) : L"(no text)") + L"\r\n";
    OutputDebugStringW(line.c_str());
    AppendToLog(line);
  } catch (...) {
    // Telling of a failure must not fail in turn; without memory there is nothing to tell.
  }
}

}  // namespace kromelik
