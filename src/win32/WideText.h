#pragma once

// The one place where the program's UTF-8 text meets the UTF-16 of the Win32 API.

#include <string>
#include <string_view>

namespace kromelik {

// Malformed input is not an error: invalid UTF-8 sequences and unpaired surrogates come
// out as U+FFFD, so a damaged registry value still shows as text. Input longer than the
// platform's int lengths gives an empty result.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace kromelik
