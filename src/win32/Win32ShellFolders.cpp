#include "win32/Win32ShellFolders.h"

#include <windows.h>
#include <shlobj.h>

#include "win32/GrowingBuffer.h"
#include "win32/WideText.h"

namespace kromelik {

std::optional<std::string> Win32ShellFolders::FolderPath(int csidl) const {
  // The call takes a buffer of MAX_PATH characters and no size: it has no longer answer.
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE)) return std::nullopt;
  path[MAX_PATH - 1] = L'\0';
  return WideToUtf8(path);
}

std::string Win32ShellFolders::WindowsDirectory() const {
  return WideToUtf8(ReadGrowingText([](wchar_t* buffer, std::size_t size) {
    return GetWindowsDirectoryW(buffer, static_cast<UINT>(size));
  }));
}

std::string Win32ShellFolders::SystemDirectory() const {
  return WideToUtf8(ReadGrowingText([](wchar_t* buffer, std::size_t size) {
    return GetSystemDirectoryW(buffer, static_cast<UINT>(size));
  }));
}

}  // namespace kromelik
