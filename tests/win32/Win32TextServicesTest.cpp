// Beyond the text contract: collation that holds for every locale the program meets, on
// Windows and under Wine alike. Polish-only orderings (z < ź < ż as letters of their
// own) depend on the user's locale and are not asserted.

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "win32/Win32TextServices.h"

namespace kromelik {
namespace {

class Win32TextServicesTest : public ::testing::Test {
 protected:
  Win32TextServices text_;
};

TEST_F(Win32TextServicesTest, SortsAccentedLettersAfterTheirBaseAndBeforeTheNextLetter) {
  std::vector<std::string> words{"da", "łódź", "ćma", "b", "lody", "ą", "cma", "a"};
  std::sort(words.begin(), words.end(),
            [this](const std::string& a, const std::string& b) { return text_.Compare(a, b) < 0; });
  EXPECT_EQ(words,
            (std::vector<std::string>{"a", "ą", "b", "cma", "ćma", "da", "lody", "łódź"}));
}

TEST_F(Win32TextServicesTest, ComparesByLanguageNotByCodePoint) {
  EXPECT_LT(text_.Compare("a", "B"), 0) << "code points would put capitals first";
  EXPECT_LT(text_.Compare("ą", "b"), 0) << "code points would put ą after every ASCII letter";
  EXPECT_LT(text_.CompareIgnoringCase("Ąb", "ąc"), 0);
  EXPECT_GT(text_.CompareIgnoringCase("Żaba", "ŻAB"), 0);
  EXPECT_EQ(text_.Compare("", ""), 0);
  EXPECT_LT(text_.Compare("", "a"), 0);
}

TEST_F(Win32TextServicesTest, MapsCaseOfLettersBeyondCodePage1250) {
  EXPECT_EQ(text_.Upper("ñandú ǆ ω"), "ÑANDÚ Ǆ Ω");
  EXPECT_EQ(text_.Lower("ĞÜŞ ΣΟΦΊΑ"), "ğüş σοφία");
}

}  // namespace
}  // namespace kromelik
