#include "win32/Win32FileSystem.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "win32/Handles.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

DWORD AttributesOf(std::string_view path) {
  if (path.empty()) return INVALID_FILE_ATTRIBUTES;
  return GetFileAttributesW(Utf8ToWide(path).c_str());
}

// The system's text for an error code, in the user's language, without the line end that
// FormatMessage puts after it.
std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring_view message(text, text == nullptr ? 0 : length);
  while (!message.empty() &&
         (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' ')) {
    message.remove_suffix(1);
  }
  std::string utf8 = WideToUtf8(message);
  LocalFree(text);
  if (utf8.empty()) utf8 = "Błąd systemu nr " + std::to_string(error);
  return utf8;
}

FileContents Failure(FileReadError::Kind kind, DWORD error) {
  return FileContents{{}, FileReadError{kind, SystemMessage(error)}};
}

FileReadError::Kind KindOfOpenFailure(const std::wstring& path, DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return FileReadError::Kind::NotFound;
    case ERROR_ACCESS_DENIED: {
      // Opening a folder as a file fails as denied; only its attributes tell the two apart.
      const DWORD attributes = GetFileAttributesW(path.c_str());
      if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return FileReadError::Kind::IsDirectory;
      return FileReadError::Kind::Unreadable;
    }
    default:
      return FileReadError::Kind::Unreadable;
  }
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

FileContents Win32FileSystem::ReadWholeFile(std::string_view path) const {
  if (path.empty()) return Failure(FileReadError::Kind::NotFound, ERROR_PATH_NOT_FOUND);
  const std::wstring widePath = Utf8ToWide(path);
  // Sharing everything: an editor that has the file open must not stop the reading. Only
  // a program holding it exclusively does, and that is reported as unreadable.
  UniqueFileHandle file(CreateFileW(widePath.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    return Failure(KindOfOpenFailure(widePath, error), error);
  }

  FileContents contents;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.Get(), &size) && size.QuadPart > 0)
    contents.bytes.reserve(static_cast<std::size_t>(size.QuadPart));
  // Read to the end rather than to the size taken above: the file may grow meanwhile.
  char chunk[64 * 1024];
  for (;;) {
    DWORD got = 0;
    if (!::ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) {
      return Failure(FileReadError::Kind::Unreadable, GetLastError());
    }
    if (got == 0) break;
    contents.bytes.append(chunk, got);
  }
  return contents;
}

bool Win32FileSystem::RemoveFile(std::string_view path) {
  // DeleteFileW refuses folders by itself; an empty path would name nothing anyway.
  return !path.empty() && DeleteFileW(Utf8ToWide(path).c_str()) != FALSE;
}

}  // namespace kromelik
