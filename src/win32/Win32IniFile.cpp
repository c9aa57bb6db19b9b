#include "win32/Win32IniFile.h"

#include <windows.h>

#include <string>

#include "win32/WideText.h"

namespace kromelik {
namespace {

// The platform hands back its default for a missing key, and trims blanks and quotes
// off the default as it does off values, so no ordinary text can tell "missing" from a
// value. A line break can: no value read from one line of the file ever holds one.
constexpr wchar_t kMissing[] = L"\n";

// Past this a value is no version file's; the platform's answer is cut off there.
constexpr DWORD kLargest = 1u << 20;

}  // namespace

std::optional<std::string> Win32IniFile::Read(std::string_view path, std::string_view section,
                                              std::string_view key) const {
  // Empty names would ask for the list of all sections or keys instead of a value.
  if (path.empty() || section.empty() || key.empty()) return std::nullopt;
  const std::wstring widePath = Utf8ToWide(path);
  const std::wstring wideSection = Utf8ToWide(section);
  const std::wstring wideKey = Utf8ToWide(key);
  std::wstring buffer(256, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = GetPrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), kMissing,
                                                  buffer.data(), size, widePath.c_str());
    // A value that does not fit comes back cut to one character less than the buffer.
    if (length + 1 < size || size >= kLargest) {
      buffer.resize(length);
      break;
    }
    buffer.resize(static_cast<std::size_t>(size) * 2);
  }
  if (buffer == kMissing) return std::nullopt;
  return WideToUtf8(buffer);
}

}  // namespace kromelik
