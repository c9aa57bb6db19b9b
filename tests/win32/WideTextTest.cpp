#include <string>

#include <gtest/gtest.h>

#include "win32/WideText.h"

namespace kromelik {
namespace {

TEST(WideText, PolishAndAstralTextSurvivesTheRoundTrip) {
  const std::string text = "Zażółć gęślą jaźń ŁÓDŹ \xF0\x9F\x98\x80";  // ends in U+1F600
  const std::wstring wide = Utf8ToWide(text);
  EXPECT_EQ(wide, L"Zażółć gęślą jaźń ŁÓDŹ \U0001F600");
  EXPECT_EQ(WideToUtf8(wide), text);
  EXPECT_EQ(Utf8ToWide(""), L"");
  EXPECT_EQ(WideToUtf8(L""), "");
}

TEST(WideText, KeepsInnerNulsAndReplacesWhatIsMalformed) {
  EXPECT_EQ(Utf8ToWide(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
  EXPECT_EQ(Utf8ToWide("x\xC5"), L"x\uFFFD") << "a cut-off sequence";
  EXPECT_EQ(Utf8ToWide("\xFF" "ok"), L"\uFFFDok");
  EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800)) + L"z"), "\xEF\xBF\xBDz")
      << "an unpaired surrogate";
}

}  // namespace
}  // namespace kromelik
