#pragma once

#include <string>
#include <string_view>

#include "core/ports/TextServices.h"

namespace kromelik::fakes {

// Case mapping of the letters of ASCII, Latin-1 and Latin Extended-A (which hold every
// letter of code page 1250); collation by code point. The contract suite shows that it
// agrees with the platform on the case mapping.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
void AppendUtf8(std::string& out, char32_t code);

class FakeTextServices : public TextServices {
 public:
  std::string Upper(std::string_view text) const override { return UpperCase(text); }
  std::string Lower(std::string_view text) const override { return LowerCase(text); }
  int Compare(std::string_view a, std::string_view b) const override;
  int CompareIgnoringCase(std::string_view a, std::string_view b) const override;
  // Code page 1250, a Polish system's.
  std::string FromAnsiCodePage(std::string_view bytes) const override;
};

}  // namespace kromelik::fakes
