#include "dialogs/VersionCheck.h"

#include <gtest/gtest.h>

namespace kromelik {
namespace {

TEST(IsNewerVersion, TheFirstDifferingFieldDecidesByNumberNotByText) {
  EXPECT_TRUE(IsNewerVersion("1.0.0.0", "1.0.0.1"));
  EXPECT_TRUE(IsNewerVersion("1.9.0.0", "1.10.0.0")) << "10 is more than 9";
  EXPECT_FALSE(IsNewerVersion("2.0.0.0", "1.99.99.99"));
  EXPECT_FALSE(IsNewerVersion("1.2.3.4", "1.2.3.4"));
  EXPECT_FALSE(IsNewerVersion("1.2.3.4", "01.2.3.4")) << "the same number";
}

TEST(IsNewerVersion, AVersionThatIsNotFourNumbersIsNeverNewer) {
  EXPECT_FALSE(IsNewerVersion("1.0.0.0", "2.0.0"));
  EXPECT_FALSE(IsNewerVersion("1.0.0.0", "2.0.0.0.1")) << "a fourth field with a dot";
  EXPECT_FALSE(IsNewerVersion("1.0.0.0", "2.0.0.x"));
  EXPECT_FALSE(IsNewerVersion("1.0.0.0", "2..0.0"));
  EXPECT_FALSE(IsNewerVersion("1.0.0", "2.0.0.0")) << "the program's own, malformed";
  EXPECT_FALSE(IsNewerVersion("1.0.0.0", "99999999999.0.0.0"));
  EXPECT_FALSE(IsNewerVersion("2.0.0.42", "2.0.0.3000000000")) << "a field holds 0 to 65535";
  EXPECT_FALSE(IsNewerVersion("2.0.0.42", "2.0.0.65536"));
  EXPECT_TRUE(IsNewerVersion("2.0.0.42", "2.0.0.65535"));
  EXPECT_FALSE(IsNewerVersion("1.0.0.0", "+2.0.0.0")) << "digits only";
  EXPECT_FALSE(IsNewerVersion("-1.0.0.0", "0.0.0.0"));
}

TEST(WebAddressOr, OnlyWebAddressesReachTheShell) {
  EXPECT_EQ(WebAddressOr("https://brenvald.pl/kromelik", "http://x"), "https://brenvald.pl/kromelik");
  EXPECT_EQ(WebAddressOr("HTTP://BRENVALD.PL", "http://x"), "HTTP://BRENVALD.PL");
  EXPECT_EQ(WebAddressOr("C:\\Windows\\System32\\cmd.exe", "http://x"), "http://x");
  EXPECT_EQ(WebAddressOr("file:///C:/evil.exe", ""), "");
  EXPECT_EQ(WebAddressOr("http://", "http://x"), "http://x");
  EXPECT_EQ(WebAddressOr(" http://a.pl", ""), "") << "nothing before the scheme";
}

}  // namespace
}  // namespace kromelik
