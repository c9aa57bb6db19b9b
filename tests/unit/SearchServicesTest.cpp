#include "dialogs/SearchServices.h"

#include <gtest/gtest.h>

namespace kromelik {
namespace {

TEST(BuildSearchUrl, PolishLettersOfEitherCaseGoAsTheSmallLettersEscapes) {
  EXPECT_EQ(BuildSearchUrl("Zażółć gęślą jaźń", 1),
            "http://www.google.pl/search?hl=pl&q="
            "Za%C5%BC%C3%B3%C5%82%C4%87+g%C4%99%C5%9Bl%C4%85+ja%C5%BA%C5%84"
            "&btnG=Szukaj&lr=lang_pl");
  EXPECT_EQ(EncodeSearchPhrase("ZAŻÓŁĆ GĘŚLĄ JAŹŃ"),
            "ZA%C5%BC%C3%B3%C5%82%C4%87+G%C4%99%C5%9BL%C4%85+JA%C5%BA%C5%84");
}

// Everything else that is not plain ASCII goes escaped, so the site is sent the phrase
// the user typed and not part of an address of its own.
TEST(BuildSearchUrl, EveryOtherCharacterIsEscapedAsItsUtf8Bytes) {
  EXPECT_EQ(EncodeSearchPhrase("Tom & Jerry #1 50% a+b?c=d/e"),
            "Tom+%26+Jerry+%231+50%25+a%2Bb%3Fc%3Dd%2Fe");
  EXPECT_EQ(EncodeSearchPhrase("café-bar_2.0~"), "caf%C3%A9-bar_2.0~");
  EXPECT_EQ(EncodeSearchPhrase("\t"), "%09");
  EXPECT_EQ(BuildSearchUrl("płyta", 18),
            "http://search.ebay.pl/search/search.dll?cgiurl=http%3A%2F%2Fcgi.ebay.pl%2Fws%2F"
            "&fkr=1&from=R8&satitle=p%C5%82yta&category0=");
  EXPECT_EQ(BuildSearchUrl("x", 0), std::nullopt);
  EXPECT_EQ(BuildSearchUrl("x", 22), std::nullopt);
  for (int engine = 1; engine <= kSearchServiceCount; ++engine)
    EXPECT_EQ(SearchServiceOf(engine)->engine, engine) << "the rows stand in engine order";
}

}  // namespace
}  // namespace kromelik
