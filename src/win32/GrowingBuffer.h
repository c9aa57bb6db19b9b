#pragma once

// Reads text from calls that fill a caller's buffer and report, when it was too small,
// either the size they need (GetWindowsDirectoryW, GetTempPathW) or the truncated length
// equal to the buffer size (GetModuleFileNameW). Both are answered by growing the buffer
// and asking again; 0 is failure.

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <string>

namespace kromelik {

template <class Fill>
std::wstring ReadGrowingText(Fill fill) {
  // Long paths reach 32767 characters; past that no call of this kind has an answer.
  constexpr std::size_t kLargest = 32768 * 2;
  std::wstring buffer(MAX_PATH, L'\0');
  while (buffer.size() <= kLargest) {
    const auto reported = static_cast<std::size_t>(fill(buffer.data(), buffer.size()));
    if (reported == 0) return {};
    if (reported < buffer.size()) {
      buffer.resize(reported);
      return buffer;
    }
    buffer.resize(std::max(reported + 1, buffer.size() * 2));
  }
  return {};
}

}  // namespace kromelik
