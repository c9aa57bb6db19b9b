#include "menus/CustomMenuFile.h"

#include <gtest/gtest.h>

#include "core/ComponentNames.h"
#include "fakes/FakeText.h"
#include "unit/ToolbarFixture.h"

namespace kromelik {
namespace {

// A tree as one line: "caption{children}" for submenus, "caption=target" for links,
// "|" before an item that starts a column, "!" after a disabled one.
std::string Dump(const MenuItem& menu) {
  std::string out;
  for (const auto& item : menu.Items()) {
    if (!out.empty()) out += ",";
    if (item->Break == MenuBreak::BarColumn) out += "|";
    out += item->Caption;
    if (item->OnClick) out += "=" + item->Hint;
    if (!item->Enabled) out += "!";
    if (item->Count() > 0) out += "{" + Dump(*item) + "}";
  }
  return out;
}

class CustomMenuFileTest : public ::testing::Test {
 protected:
  CustomMenuFileTest() { inne = &internet.Add("MenuInne", "Inne"); }
  std::string Parse(std::string_view text) {
    whole = ParseCustomMenu(text, *inne, internet, [](const MenuItem&) {});
    return Dump(*inne);
  }
  static std::size_t Entries(const MenuItem& menu) {
    std::size_t count = menu.Count();
    for (const auto& item : menu.Items()) count += Entries(*item);
    return count;
  }
  std::size_t Depth() const {
    std::size_t depth = 0;
    for (const MenuItem* at = inne; at->Count() > 0; at = &(*at)[0]) ++depth;
    return depth;
  }

  MenuItem internet;
  MenuItem* inne = nullptr;
  bool whole = false;  // what the last parse answered
};

TEST_F(CustomMenuFileTest, BuildsTheTreeTheLinesDescribe) {
  EXPECT_EQ(Parse("<menu>Narzędzia\r\n<item>Notatnik<url>notepad.exe\r\n<separator>\n"
                  "<item-b>Kalkulator<url>calc.exe\n</menu>\n<menu>Archiwum\n</menu>\n"),
            "Narzędzia{Notatnik=notepad.exe,-,|Kalkulator=calc.exe},Archiwum{(Puste)!}");
}

TEST_F(CustomMenuFileTest, ReadsEachLineAsWrittenWithItsTagsInAFixedOrder) {
  EXPECT_EQ(Parse("śmieci <item> Onet <url> http://onet.pl\r\n"  // blanks belong to both
                  "<MENU>Duże\n"                                  // tags are lower-case
                  "<url>x<item>przed\n"                           // caption empty, target all after
                  "<item>bez adresu\n"
                  "<menu>A<item>w środku<url>a.pl\n"              // link goes into the new submenu
                  "<menu>B\n</menu>\n</menu>\n"                   // only the inner one is empty
                  "<menu>C\n<separator>\n</menu>\n"               // a separator is an entry
                  "<menu>D</menu>\n"                              // opened and closed at once
                  "ro\rzdzielone<item>x<url>y\r\n"                // a lone CR is dropped
                  "\x1A<item>po końcu<url>z\n"),                  // Ctrl+Z ends the file
            " Onet = http://onet.pl,=x<item>przed,"
            "A<item>w środku<url>a.pl{w środku=a.pl,B{(Puste)!}},C{-},D</menu>{(Puste)!},x=y");
}

TEST_F(CustomMenuFileTest, ClosingAboveInneSendsTheRestToTheInternetMenuAndNoFurther) {
  Parse("</menu>\n<item>pierwszy<url>1\n</menu>\n</menu>\n<item>drugi<url>2\n");
  EXPECT_EQ(Dump(internet), "Inne,pierwszy=1,drugi=2");
}

TEST_F(CustomMenuFileTest, HostileFilesStayBoundedAndKeepTheirBalance) {
  std::string nested;
  for (int i = 0; i < 10000; ++i) nested += "<menu>p\n";
  nested += "<item>głęboko<url>g\n";
  for (int i = 0; i < 10000; ++i) nested += "</menu>\n";
  nested += "<item>po<url>p\n";
  Parse(nested);
  EXPECT_EQ(Depth(), static_cast<std::size_t>(kMaxCustomMenuDepth) + 1) << "the link at the bottom";
  EXPECT_EQ(Dump((*inne)[1]), "") << "what follows the closes is back in Inne";
  EXPECT_EQ((*inne)[1].Caption, "po");

  EXPECT_TRUE(whole);

  // The README promises 5,000 entries in all, placeholders and those of submenus
  // counted too: each pair of lines below makes a submenu and its "(Puste)".
  constexpr std::size_t kBound = 5000;
  inne->Clear();
  std::string pairs;
  for (std::size_t i = 0; i < kBound / 2; ++i) pairs += "<menu>m\n</menu>\n";
  Parse(pairs);
  EXPECT_TRUE(whole) << "exactly as many entries as allowed";
  EXPECT_EQ(Entries(*inne), kBound);
  inne->Clear();
  Parse(pairs + "<separator>\n<item>za dużo<url>z\n");
  EXPECT_FALSE(whole);
  EXPECT_EQ(Entries(*inne), kBound);

  inne->Clear();
  std::string many = "<item>" + std::string(1 << 20, 'a') + "<url>" + std::string(1 << 20, 'b') + "\n";
  for (int i = 0; i < 100000; ++i) many += "<item>x<url>y\n";
  Parse(many);
  EXPECT_FALSE(whole);
  ASSERT_EQ(inne->Count(), kBound);
  EXPECT_EQ((*inne)[0].Hint.size(), 1U << 20);
}

TEST(CustomMenuText, UnicodeFilesStayAsTheyAreOthersAreReadInTheAnsiCodePage) {
  const fakes::FakeTextServices text;
  EXPECT_EQ(CustomMenuText("\xEF\xBB\xBF<menu>Żółw", text), "<menu>Żółw");
  EXPECT_EQ(CustomMenuText("<menu>Żółw", text), "<menu>Żółw");
  EXPECT_EQ(CustomMenuText("<menu>\xAF\xF3\xB3w", text), "<menu>Żółw");
  // An overlong slash and a lone surrogate are no UTF-8.
  EXPECT_EQ(CustomMenuText("\xC0\xAF", text), "ŔŻ");
  EXPECT_EQ(CustomMenuText("\xED\xA0\x80", text), "í\u00A0€");
}

// The file beside the program, through the running toolbar.
class CustomMenuFileAtStartTest : public ToolbarFixture {};

TEST_F(CustomMenuFileAtStartTest, ALinkOpensAndBecomesTheFirstRecentPage) {
  files.AddFile(program.path);
  files.AddFile("C:\\Program Files\\Kromelik\\lista.txt", "<item>Gazeta<url>http://gazeta.pl\n");
  controller.Create();
  const MenuItem& inne = Item(names::kMenuInne);
  ASSERT_TRUE(inne.Visible);
  ASSERT_EQ(inne.Count(), 1U);
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Internet));
  controller.Choose(inne[0]);
  EXPECT_EQ(shell.opened.back().target, "http://gazeta.pl");
  EXPECT_EQ(ListValue("InternetMRU", "1"), "Gazeta");
  EXPECT_EQ(Item("Url1").Caption, "Gazeta");
}

TEST_F(CustomMenuFileAtStartTest, AFileThatWillNotBeReadIsNamedInAMessageAndTheStartGoesOn) {
  files.AddFile("C:\\Program Files\\Kromelik\\lista.txt", "<item>a<url>b\n");
  files.MarkUnreadable("C:\\Program Files\\Kromelik\\lista.txt");
  controller.Create();
  ASSERT_EQ(messages.shown.size(), 1U);
  EXPECT_NE(messages.shown[0].text.find("C:\\Program Files\\Kromelik\\lista.txt"), std::string::npos);
  EXPECT_NE(messages.shown[0].text.find("being used by another process"), std::string::npos);
  EXPECT_EQ(messages.shown[0].title, "Błąd pliku !!!");
  EXPECT_TRUE(Item(names::kMenuInne).Visible);
}

TEST_F(CustomMenuFileAtStartTest, WithoutTheFileInneStaysHidden) {
  controller.Create();
  EXPECT_FALSE(Item(names::kMenuInne).Visible);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace kromelik
