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

}  // namespace kromelik::contract
