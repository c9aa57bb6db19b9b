#include "menus/Separators.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace kromelik {
namespace {

// Adds the items of a compact description, left to right: a word is an item, "-" a
// separator, a leading "~" hides either. Separators are named s1, s2, … so that a test
// can tell which one of a run was kept.
void AddItems(MenuItem& menu, const std::string& layout) {
  std::istringstream words(layout);
  int separators = 0;
  for (std::string word; words >> word;) {
    const bool hidden = word.front() == '~';
    if (hidden) word.erase(0, 1);
    MenuItem& item = word == "-" ? menu.AddSeparator("s" + std::to_string(++separators))
                                 : menu.Add(word, word);
    item.Visible = !hidden;
  }
}

// What the menu shows, with submenus in brackets.
std::string Shown(const MenuItem& menu) {
  std::string shown;
  for (const auto& item : menu.Items()) {
    if (!item->Visible) continue;
    if (!shown.empty()) shown += ' ';
    shown += item->Caption;
    if (item->Count() > 0) shown += "[" + Shown(*item) + "]";
  }
  return shown;
}

std::string Normalised(const std::string& layout) {
  MenuItem menu;
  AddItems(menu, layout);
  NormaliseSeparators(menu);
  return Shown(menu);
}

TEST(SeparatorsTest, NoSeparatorShowsAtTheTopOrTheBottom) {
  EXPECT_EQ(Normalised("- - a - b"), "a - b");
  EXPECT_EQ(Normalised("a - b - -"), "a - b");
  EXPECT_EQ(Normalised("~x - a"), "a") << "a hidden item above does not open the menu";
  EXPECT_EQ(Normalised("a - ~x ~y"), "a") << "hidden items below do not close a run";
  EXPECT_EQ(Normalised("- ~x - ~y -"), "");
}

TEST(SeparatorsTest, ARunBetweenVisibleItemsShowsOnlyItsLastSeparator) {
  MenuItem menu;
  AddItems(menu, "~z a - ~x - ~- b");
  NormaliseSeparators(menu);
  EXPECT_EQ(Shown(menu), "a - b");
  EXPECT_TRUE(menu.At("s3").Visible) << "the last of the run wins, even when a builder hid it";
  EXPECT_FALSE(menu.At("s1").Visible);
  EXPECT_FALSE(menu.At("s2").Visible);
  EXPECT_FALSE(menu.At("z").Visible) << "other items keep their visibility";

  EXPECT_EQ(Normalised("a ~x - ~y b"), "a - b");
  EXPECT_EQ(Normalised("a ~- b ~- ~x c"), "a - b - c");
  EXPECT_EQ(Normalised("a ~x b"), "a b") << "nothing is added where no separator stood";
}

TEST(SeparatorsTest, SubmenusAreNormalisedAndAVisibleOneCountsAsAnItem) {
  MenuItem menu;
  AddItems(menu, "a -");
  MenuItem& sub = menu.Add("sub", "sub");
  AddItems(sub, "- ~x -");
  MenuItem& deeper = sub.Add("deeper", "deeper");
  AddItems(deeper, "- b - - c -");
  AddItems(menu, "- ~hiddenSub - emptied");
  menu.At("hiddenSub").Add("z", "z");
  AddItems(menu.At("emptied"), "~y");

  NormaliseSeparators(menu);
  EXPECT_EQ(Shown(menu), "a - sub[deeper[b - c]] - emptied[]")
      << "a visible submenu is an item whatever it shows; a hidden one is not";
  EXPECT_FALSE(sub.At("s1").Visible);
}

TEST(SeparatorsTest, NormalisingTwiceChangesNothing) {
  MenuItem menu;
  AddItems(menu, "- a ~- ~x - b - ~c - d ~- -");
  NormaliseSeparators(menu);
  const std::string once = Shown(menu);
  NormaliseSeparators(menu);
  EXPECT_EQ(Shown(menu), once);
  EXPECT_EQ(once, "a - b - d");
}

}  // namespace
}  // namespace kromelik
