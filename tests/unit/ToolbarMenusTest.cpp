#include "menus/ToolbarMenus.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "menus/Separators.h"

namespace kromelik {
namespace {

void ForEachItem(const MenuItem& menu, const std::function<void(const MenuItem&)>& visit) {
  for (const auto& item : menu.Items()) {
    visit(*item);
    ForEachItem(*item, visit);
  }
}

int ImageOf(const MenuItem& menu, std::string_view caption) {
  for (const auto& item : menu.Items())
    if (item->Caption == caption) return item->ImageIndex;
  throw std::out_of_range("no item captioned " + std::string(caption));
}

class ToolbarMenusTest : public ::testing::Test {
 protected:
  ToolbarMenus menus;
};

TEST_F(ToolbarMenusTest, MenusAndItemsAreFoundByUniqueNames) {
  std::set<const MenuItem*> distinct;
  std::set<std::string> names;
  for (MenuItem* menu : menus.Menus()) {
    EXPECT_EQ(menus.FindMenu(menu->Name), menu) << menu->Name;
    distinct.insert(menu);
    ForEachItem(*menu, [&](const MenuItem& item) {
      if (!item.Name.empty()) {
        EXPECT_TRUE(names.insert(item.Name).second) << item.Name;
      }
    });
  }
  EXPECT_EQ(distinct.size(), 12u);
  EXPECT_GT(names.size(), 100u) << "the walk must reach the numbered slots";
  EXPECT_EQ(menus.FindMenu("U1"), nullptr) << "an item is not a menu";
  EXPECT_EQ(menus.FindItem(""), nullptr);
  EXPECT_THROW(menus.Item("Nieistniejacy1"), std::out_of_range);
}

TEST_F(ToolbarMenusTest, EveryImageIndexPointsIntoItsMenusList) {
  for (MenuItem* menu : menus.Menus()) {
    const auto count = static_cast<int>(menus.ImagesOf(*menu).Count());
    ForEachItem(*menu, [&](const MenuItem& item) {
      EXPECT_TRUE(item.ImageIndex >= -1 && item.ImageIndex < count) << item.Caption;
      EXPECT_EQ(item.Caption.find('&'), std::string::npos) << item.Caption;
    });
  }
  EXPECT_EQ(&menus.ImagesOf(menus.Item("Dokumenty1")), &menus.il_Dokumenty1);
  EXPECT_EQ(&menus.ImagesOf(menus.Item("Organizuj1")), &menus.il_SzybkieUr);
  EXPECT_EQ(&menus.ImagesOf(menus.Item("Ulubione")), &menus.ImageListPM);
}

TEST_F(ToolbarMenusTest, AppletsAndToolsKeepTheirSeparators) {
  const MenuItem& panel = menus.PanelPM;
  ASSERT_EQ(panel.Count(), 29u) << "the control panel, a separator and 27 applets";
  EXPECT_EQ(panel[0].Name, "Panelsterowania1");
  EXPECT_TRUE(panel[1].IsSeparator());
  EXPECT_EQ(panel[4].Hint, "timedate.cpl");
  EXPECT_EQ(panel[28].Caption, "Użytkownicy i hasła");

  const MenuItem& tools = menus.UslugiPM;
  ASSERT_EQ(tools.Count(), 28u);
  for (std::size_t i = 0; i < tools.Count(); ++i) {
    EXPECT_EQ(tools[i].IsSeparator(), i == 2) << i;
    EXPECT_EQ(tools[i].Hint.empty(), i == 2) << i;
  }
  EXPECT_EQ(ImageOf(tools, "Przystawka \"Foldery udostępnione\""), 52);
}

TEST_F(ToolbarMenusTest, ImagesSharedBetweenItemsAreTheSameIndex) {
  EXPECT_EQ(ImageOf(menus.PanelPM, "Konta użytkowników"), 53);
  EXPECT_EQ(ImageOf(menus.PanelPM, "Użytkownicy i hasła"), 53);
  EXPECT_EQ(ImageOf(menus.PanelPM, "Dźwięki i multimedia"), 31);
  EXPECT_EQ(menus.Item("Rejestratordwiku1").ImageIndex, 31);
  EXPECT_EQ(ImageOf(menus.PanelPM, "Ekran"), 40);
  EXPECT_EQ(ImageOf(menus.UslugiPM, "Kompozycje pulpitu"), 40);
}

TEST_F(ToolbarMenusTest, AboutMenuHasNineFixedItemsEndingWithN6) {
  const MenuItem& about = menus.AboutPM;
  ASSERT_EQ(about.Count(), 9u);
  EXPECT_EQ(about[0].Name, "Pomoc1");
  EXPECT_EQ(about[0].Caption, "Pomoc");
  EXPECT_TRUE(about[8].IsSeparator());
  EXPECT_EQ(about[8].Name, "N6");
  std::vector<int> images;
  for (const auto& item : about.Items())
    if (!item->IsSeparator()) images.push_back(item->ImageIndex);
  EXPECT_EQ(images, (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(ToolbarMenusTest, CommandItemsSitInTheirMenusWithTheirCaptions) {
  const std::vector<std::tuple<const char*, const MenuItem*, const char*>> expected{
      {"Oprogramie1", &menus.AboutPM, "O programie ..."},
      {"Opcje1", &menus.AboutPM, "Opcje"},
      {"Organizuj1", &menus.UlubionePM, "Organizuj"},
      {"Organizuj2", &menus.Item("Ulubione"), "Organizuj"},
      {"Organizuj3", &menus.Item("ProgramyUzytkownika"), "Organizuj"},
      {"Organizuj4", &menus.GryPM, "Organizuj"},
      {"Wyszukajwinternecie1", &menus.InternetPM, "Wyszukaj w internecie ..."},
      {"Wyloguj1", &menus.ExitPM, "Wyloguj"},
      {"Uruchomponownie1", &menus.ExitPM, "Uruchom ponownie"},
      {"Zamknijsystem1", &menus.ExitPM, "Zamknij system"},
  };
  for (const auto& [name, parent, caption] : expected) {
    const MenuItem& item = menus.Item(name);
    EXPECT_LT(parent->IndexOf(item), parent->Count()) << name;
    EXPECT_EQ(item.Caption, caption) << name;
  }
  EXPECT_EQ(menus.ExitPM.Count(), 3u);
}

TEST_F(ToolbarMenusTest, ItemsThatBuildersRevealStartHidden) {
  const MenuItem& games = menus.GryPM;
  ASSERT_EQ(games.Count(), 7u) << "the organizer, its separator and five games";
  EXPECT_TRUE(games[0].Visible);
  for (std::size_t i = 1; i < games.Count(); ++i) EXPECT_FALSE(games[i].Visible) << i;
  EXPECT_EQ(games[5].Hint, "spider.exe");

  ASSERT_EQ(menus.UlubionePM.Count(), 22u);
  EXPECT_EQ(menus.UlubionePM[21].Name, "U20");

  const MenuItem& internet = menus.InternetPM;
  const std::size_t firstPage = internet.IndexOf(menus.Item("Url1"));
  EXPECT_TRUE(internet[firstPage - 1].IsSeparator());
  EXPECT_EQ(internet[firstPage + 10].Name, "WindowsUpdate1") << "Url10 closes the pages";

  const MenuItem& programs = menus.ProgramyPM;
  EXPECT_EQ(programs.IndexOf(menus.Item("N13")), 17u) << "below the accessories";
  for (const char* name :
       {"U1", "U20", "Url1", "Url10", "N10", "Ulubione", "N15", "MenuInne", "N13",
        "Ostatniouruchamianeprogramy1", "Twojeprogramy1", "ProgramyUzytkownika", "N16", "N18",
        "D1", "D15", "N19", "NOstatniootwieranefoldery1", "Ostatniootwieranefoldery1"})
    EXPECT_FALSE(menus.Item(name).Visible) << name;
}

TEST_F(ToolbarMenusTest, FreshDocumentsMenuShowsOneSeparatorAboveRecentDocuments) {
  NormaliseSeparators(menus.DokumentyPM);
  EXPECT_FALSE(menus.Item("N18").Visible);
  EXPECT_TRUE(menus.Item("N19").Visible);
}

}  // namespace
}  // namespace kromelik
