#include "win32/Win32TextServices.h"

#include <windows.h>

#include <climits>

#include "win32/WideText.h"

namespace kromelik {
namespace {

// Lengths past INT_MAX are out of the API's reach; such text compares by its beginning.
int ApiLength(const std::wstring& text) {
  return text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(text.size());
}

std::string MapCase(std::string_view text, DWORD flags) {
  const std::wstring wide = Utf8ToWide(text);
  if (wide.empty()) return std::string(text);
  const int length = ApiLength(wide);
  const int needed = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, wide.c_str(), length, nullptr,
                                   0, nullptr, nullptr, 0);
  if (needed <= 0) return std::string(text);
  std::wstring mapped(static_cast<std::size_t>(needed), L'\0');
  const int written = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, flags, wide.c_str(), length,
                                    mapped.data(), needed, nullptr, nullptr, 0);
  if (written <= 0) return std::string(text);
  mapped.resize(static_cast<std::size_t>(written));
  return WideToUtf8(mapped);
}

int CompareText(std::string_view a, std::string_view b, DWORD flags) {
  const std::wstring left = Utf8ToWide(a);
  const std::wstring right = Utf8ToWide(b);
  int result = CompareStringEx(LOCALE_NAME_USER_DEFAULT, flags, left.c_str(), ApiLength(left),
                               right.c_str(), ApiLength(right), nullptr, nullptr, 0);
  if (result == 0) {
    // The locale could not compare (its data may be missing): order by code point
    // instead, which at least is stable.
    result = CompareStringOrdinal(left.c_str(), ApiLength(left), right.c_str(), ApiLength(right),
                                  (flags & NORM_IGNORECASE) != 0);
  }
  if (result == CSTR_LESS_THAN) return -1;
  if (result == CSTR_GREATER_THAN) return 1;
  return 0;
}

}  // namespace

std::string Win32TextServices::Upper(std::string_view text) const {
  return MapCase(text, LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING);
}

std::string Win32TextServices::Lower(std::string_view text) const {
  return MapCase(text, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING);
}

int Win32TextServices::Compare(std::string_view a, std::string_view b) const {
  return CompareText(a, b, 0);
}

int Win32TextServices::CompareIgnoringCase(std::string_view a, std::string_view b) const {
  return CompareText(a, b, NORM_IGNORECASE);
}

std::string Win32TextServices::FromAnsiCodePage(std::string_view bytes) const {
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const UINT codePage = ansiCodePage_ == 0 ? CP_ACP : ansiCodePage_;
  const int length = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), needed);
  return WideToUtf8(wide);
}

}  // namespace kromelik
