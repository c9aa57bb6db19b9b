#include "contract/TextContract.h"

namespace kromelik::contract {

namespace {

// Every pair of small and capital letters in Windows code page 1250.
constexpr const char* kSmall =
    "abcdefghijklmnopqrstuvwxyz"
    "ąćęłńóśźż"
    "šťžľŕăĺčďđňőřůűţşáâäçéëíîôöúüý";
constexpr const char* kCapital =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "ĄĆĘŁŃÓŚŹŻ"
    "ŠŤŽĽŔĂĹČĎĐŇŐŘŮŰŢŞÁÂÄÇÉËÍÎÔÖÚÜÝ";

}  // namespace

TEST_P(TextContract, MapsEveryLetterOfCodePage1250BothWays) {
  EXPECT_EQ(text_->Upper(kSmall), kCapital);
  EXPECT_EQ(text_->Lower(kCapital), kSmall);
}

TEST_P(TextContract, LeavesWhatIsNoLetterAlone) {
  EXPECT_EQ(text_->Upper("c:\\program files\\1-2_3.exe %windir%"),
            "C:\\PROGRAM FILES\\1-2_3.EXE %WINDIR%");
  EXPECT_EQ(text_->Lower("ß §°×÷"), "ß §°×÷");
  EXPECT_EQ(text_->Upper(""), "");
}

TEST_P(TextContract, ComparesPolishNamesWithoutRegardToCase) {
  EXPECT_EQ(text_->CompareIgnoringCase("ŁÓDŹ", "łódź"), 0);
  EXPECT_EQ(text_->CompareIgnoringCase("Gżegżółka", "GŻEGŻÓŁKA"), 0);
  EXPECT_NE(text_->CompareIgnoringCase("łódź", "lodz"), 0) << "accents are not ignored";
  EXPECT_NE(text_->Compare("łódź", "ŁÓDŹ"), 0);
  EXPECT_LT(text_->Compare("alfa", "beta"), 0);
  EXPECT_GT(text_->CompareIgnoringCase("Beta", "alfa"), 0);
  EXPECT_EQ(text_->Compare("Żółw", "Żółw"), 0);
}

// Both subjects read code page 1250 here, whatever the system's own: a Polish system's.
TEST_P(TextContract, ReadsCodePage1250ByteForLetter) {
  EXPECT_EQ(text_->FromAnsiCodePage("\xA5\xB9\xC6\xE6\xCA\xEA\xA3\xB3\xD1\xF1\xD3\xF3\x8C\x9C\x8F\x9F\xAF\xBF"),
            "ĄąĆćĘęŁłŃńÓóŚśŹźŻż");
  EXPECT_EQ(text_->FromAnsiCodePage("Gra \x80 5 \x84" "cudzys\xB3\xF3w\x94 \x96 \xA7\xB0"),
            "Gra € 5 „cudzysłów” – §°");
  std::string every;
  for (int value = 1; value < 0x100; ++value) every.push_back(static_cast<char>(value));
  std::size_t characters = 0;
  for (const char byte : text_->FromAnsiCodePage(every))
    if ((static_cast<unsigned char>(byte) & 0xC0U) != 0x80U) ++characters;
  EXPECT_EQ(characters, every.size()) << "one character for every byte";
  EXPECT_EQ(text_->FromAnsiCodePage(""), "");
}

}  // namespace kromelik::contract
