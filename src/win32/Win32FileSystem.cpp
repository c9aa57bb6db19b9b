#include "win32/Win32FileSystem.h"

#include <windows.h>

#include <string>

#include "win32/Handles.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

DWORD AttributesOf(std::string_view path) {
  if (path.empty()) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesW(Utf8ToWide(path).c_str());
}

}  // namespace

bool Win32FileSystem::FileExists(std::string_view path) const {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::DirectoryExists(std::string_view path) const {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<DirectoryEntry> Win32FileSystem::FindEntries(std::string_view pattern) const {
  std::vector<DirectoryEntry> entries;
  if (pattern.empty()) return entries;
  WIN32_FIND_DATAW found{};
  // The basic level skips the short 8.3 names, which nobody here reads.
  UniqueFindHandle search(FindFirstFileExW(Utf8ToWide(pattern).c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0));
  if (!search) return entries;
  do {
    const std::wstring_view name(found.cFileName);
    if (name == L"." || name == L"..") continue;
    entries.push_back({WideToUtf8(name), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search.Get(), &found));
  return entries;
}

}  // namespace kromelik
