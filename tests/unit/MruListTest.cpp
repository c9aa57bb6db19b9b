#include "lists/MruList.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"

namespace kromelik {
namespace {

using Stored = fakes::FakeRegistry::StoredValue;
using Kind = fakes::FakeRegistry::StoredKind;

class MruListTest : public ::testing::Test {
 protected:
  void Plant(const MruListKind& list, std::string_view name, Stored value) {
    registry.Plant(RegistryRoot::CurrentUser,
                   std::string(registry_layout::kMainKey) + "\\" + std::string(list.subkey), name,
                   std::move(value));
  }
  static Stored Text(std::string data) { return {Kind::Text, std::move(data)}; }

  fakes::FakeRegistry registry;
};

TEST_F(MruListTest, QuickLaunchNumbersKeepTheirGapsAndOrphansHoldTheirNumber) {
  MruList list(registry, kQuickLaunchMru);
  EXPECT_TRUE(list.ReadEntries().empty()) << "a missing list is empty";
  EXPECT_EQ(list.AddAtFirstFreeNumber("C:\\Gry\\saper.exe"), 1);
  EXPECT_EQ(list.AddAtFirstFreeNumber("C:\\Pliki"), 2);
  Plant(kQuickLaunchMru, "3", Text("sierota"));  // no "H3": not listed, yet number 3 is taken
  Plant(kQuickLaunchMru, "4", {Kind::ExpandText, "%TEMP%"});
  Plant(kQuickLaunchMru, "H4", Text("C:\\Temp"));  // "4" is not text: no entry either
  EXPECT_EQ(list.AddAtFirstFreeNumber("http://www.example.pl"), 5);
  list.RemoveNumber(2);

  // A second list on the same key sees the same: the registry is the only state.
  EXPECT_EQ(MruList(registry, kQuickLaunchMru).ReadEntries(),
            (std::vector<MruEntry>{{1, "saper.exe", "C:\\Gry\\saper.exe"},
                                   {5, "//www.example.pl", "http://www.example.pl"}}));
  EXPECT_EQ(list.AddAtFirstFreeNumber("D:\\"), 2) << "the freed number is the lowest free";
  for (int number = 6; number <= 20; ++number) ASSERT_EQ(list.AddAtFirstFreeNumber("x"), number);
  EXPECT_EQ(list.AddAtFirstFreeNumber("x"), std::nullopt) << "all 20 numbers are taken";
}

TEST_F(MruListTest, RecentPagesNeedNoAddressAndDocumentsAreBarePaths) {
  Plant(kInternetMru, "2", Text("Strona"));
  Plant(kInternetMru, "11", Text("poza pojemnością"));
  Plant(kDocumentsMru, "1", Text("C:\\list.doc"));
  Plant(kDocumentsMru, "2", {Kind::Number, std::string("\x01\0\0\0", 4)});
  EXPECT_EQ(MruList(registry, kInternetMru).ReadEntries(),
            (std::vector<MruEntry>{{2, "Strona", ""}}));
  EXPECT_EQ(MruList(registry, kDocumentsMru).ReadEntries(),
            (std::vector<MruEntry>{{1, "", "C:\\list.doc"}}));
}

TEST_F(MruListTest, NamedEntriesIgnoreLetterCaseAndClearingLeavesAnEmptyKey) {
  MruList list(registry, kFavouritesMru);
  list.WriteNamed("Gazeta", "http://a.pl");
  EXPECT_TRUE(list.HasName("GAZETA"));
  list.WriteNamed("GAZETA", "http://b.pl");
  Plant(kFavouritesMru, "Liczba", {Kind::Number, std::string("\x01\0\0\0", 4)});
  ASSERT_EQ(list.ReadEntries().size(), 1U) << "one value, overwritten; a number is no entry";
  EXPECT_EQ(list.ReadEntries()[0].target, "http://b.pl");

  list.RemoveNamed("gazeta");
  EXPECT_FALSE(list.HasName("Gazeta"));
  list.WriteNamed("Żółw", "C:\\zolw.exe");
  list.ClearList();
  EXPECT_TRUE(list.ReadEntries().empty());
  EXPECT_TRUE(registry.KeyExists(RegistryRoot::CurrentUser,
                                 std::string(registry_layout::kMainKey) + "\\UlubioneMRU"));
}

TEST(MruDisplayName, FollowsTheLastBackslashOrColonExceptForADriveRoot) {
  EXPECT_EQ(MruList::DisplayNameForTarget("C:\\"), "C:\\");
  EXPECT_EQ(MruList::DisplayNameForTarget("C:\\Program Files\\gra.exe"), "gra.exe");
  EXPECT_EQ(MruList::DisplayNameForTarget("C:\\Moje dokumenty"), "Moje dokumenty");
  EXPECT_EQ(MruList::DisplayNameForTarget("C:\\Moje dokumenty\\\\"), "Moje dokumenty");
  EXPECT_EQ(MruList::DisplayNameForTarget("C:\\\\"), "C:\\");
  EXPECT_EQ(MruList::DisplayNameForTarget("notatnik"), "notatnik");
}

}  // namespace
}  // namespace kromelik
