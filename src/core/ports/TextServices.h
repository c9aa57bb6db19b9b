#pragma once

#include <string>
#include <string_view>

namespace kromelik {

// Case mapping and comparison by the user's locale. UTF-8 in and out. Every letter of
// Windows code page 1250 maps to its capital and back, so Polish names compare equal
// without regard to case.
class TextServices {
 public:
  virtual ~TextServices() = default;

  virtual std::string Upper(std::string_view text) const = 0;
  virtual std::string Lower(std::string_view text) const = 0;
  // <0, 0 or >0, in the locale's collation order.
  virtual int Compare(std::string_view a, std::string_view b) const = 0;
  virtual int CompareIgnoringCase(std::string_view a, std::string_view b) const = 0;
  // Text in the system's single-byte ANSI code page, as UTF-8.
  virtual std::string FromAnsiCodePage(std::string_view bytes) const = 0;
};

}  // namespace kromelik
