#include "contract/IniFileContract.h"

#include <string>

namespace kromelik::contract {

namespace {

using namespace std::string_literals;

// "Nowa wersja: ąęłńóśźż" as a user's editor saves it in each of the ways it can.
constexpr std::string_view kPolishUtf8 =
    "Nowa wersja: \xC4\x85\xC4\x99\xC5\x82\xC5\x84\xC3\xB3\xC5\x9B\xC5\xBA\xC5\xBC";
constexpr std::string_view kPolishCodePage1250 = "Nowa wersja: \xB9\xEA\xB3\xF1\xF3\x9C\x9F\xBF";

std::string Utf16LeWithMark(std::string_view ascii, std::u16string_view letters) {
  std::string bytes = "\xFF\xFE";
  const auto put = [&](char16_t unit) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  };
  for (const char c : ascii) put(static_cast<char16_t>(c));
  for (const char16_t unit : letters) put(unit);
  put(u'\r');
  put(u'\n');
  return bytes;
}

}  // namespace

TEST_P(IniFileContract, AMissingFileSectionOrKeyGivesNothingAndTheFallbackAsGiven) {
  harness_->WriteFile("dane.ini",
                      "[dane]\r\nCV_File=http://a.pl/cv\r\nbez znaku rownosci\r\n"
                      "[puste]\r\n[Kromelik]\r\nurl=http://a.pl/nowa\r\n"
                      "[dane]\r\nBrenvaldHomePage=http://drugi.pl/\r\n");

  EXPECT_EQ(Read("brak.ini", "dane", "CV_File"), std::nullopt);
  EXPECT_EQ(Read("dane.ini", "brak", "CV_File"), std::nullopt);
  EXPECT_EQ(Read("dane.ini", "puste", "url"), std::nullopt);
  EXPECT_EQ(Read("dane.ini", "dane", "url"), std::nullopt) << "another section's key";
  EXPECT_EQ(Read("dane.ini", "dane", "bez znaku rownosci"), std::nullopt);
  EXPECT_EQ(Read("dane.ini", "dane", "BrenvaldHomePage"), std::nullopt)
      << "only the first section of a name counts";
  EXPECT_EQ(harness_->Subject().ReadString(harness_->PathOf("dane.ini"), "Kromelik", "new",
                                           " \"1.0.0.0\" "),
            " \"1.0.0.0\" ");
}

TEST_P(IniFileContract, NamesIgnoreCaseAndValuesLoseBlanksAndEnclosingQuotes) {
  harness_->WriteFile("dane.ini",
                      "  [ Kromelik ]  \r\n  URL =  http://a.pl/nowa  \r\nnew=\"Nowa wersja\"\r\n"
                      "pol=\"otwarty\r\nversion=\r\nurl=http://drugi.pl/\n[dane]\nCV_File='x'\n");

  EXPECT_EQ(Read("DANE.INI", "kromelik", "url"), "http://a.pl/nowa");
  EXPECT_EQ(Read("dane.ini", "Kromelik", "new"), "Nowa wersja");
  EXPECT_EQ(Read("dane.ini", "Kromelik", "pol"), "\"otwarty") << "no closing quote";
  EXPECT_EQ(Read("dane.ini", "Kromelik", "version"), "") << "there, but empty";
  EXPECT_EQ(Read("dane.ini", "DANE", "cv_file"), "x") << "lines ended by LF alone";
}

TEST_P(IniFileContract, PolishLettersAreReadByTheFilesByteOrderMark) {
  harness_->WriteFile("utf16.ini", Utf16LeWithMark("[Kromelik]\r\nnew=", u"Nowa wersja: ąęłńóśźż"));
  // Wine reads a UTF-8 mark as UTF-8 (Windows is not known to).
  harness_->WriteFile("utf8.ini", "\xEF\xBB\xBF[Kromelik]\r\nnew="s + std::string(kPolishUtf8));
  harness_->WriteFile("ansi.ini", "[Kromelik]\r\nnew="s + std::string(kPolishCodePage1250));
  harness_->WriteFile("utf8-bez-znaku.ini", "[Kromelik]\r\nnew="s + std::string(kPolishUtf8));

  EXPECT_EQ(Read("utf16.ini", "Kromelik", "new"), kPolishUtf8);
  EXPECT_EQ(Read("utf8.ini", "Kromelik", "new"), kPolishUtf8);
  EXPECT_EQ(Read("ansi.ini", "Kromelik", "new"), harness_->FromAnsiCodePage(kPolishCodePage1250));
  EXPECT_EQ(Read("utf8-bez-znaku.ini", "Kromelik", "new"), harness_->FromAnsiCodePage(kPolishUtf8))
      << "without a mark UTF-8 is taken for ANSI";
}

TEST_P(IniFileContract, ReadsALongValueWholeAndLeavesTheFileFreeToDelete) {
  const std::string note(5000, 'n');
  harness_->WriteFile("dane.ini", "[Kromelik]\r\nnew=" + note + "\r\nurl=http://a.pl/\r\n");

  EXPECT_EQ(Read("dane.ini", "Kromelik", "new"), note);
  EXPECT_EQ(Read("dane.ini", "Kromelik", "url"), "http://a.pl/");
  EXPECT_TRUE(harness_->Files().RemoveFile(harness_->PathOf("dane.ini")));
  EXPECT_EQ(Read("dane.ini", "Kromelik", "url"), std::nullopt);
}

}  // namespace kromelik::contract
