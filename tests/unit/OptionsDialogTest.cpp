#include "dialogs/TOpcjeF.h"

#include <gtest/gtest.h>

#include "fakes/FakeDialogPorts.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeOptionsPorts.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeText.h"
#include "fakes/FakeToolbarPorts.h"

namespace kromelik {
namespace {

using Stored = fakes::FakeRegistry::StoredKind;
constexpr std::string_view kMain = "Software\\Brenvald\\Kromelik";
constexpr std::string_view kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string NumberBytes(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (std::size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

class OptionsDialogTest : public ::testing::Test {
 protected:
  OptionsDialogTest() {
    toolbar.toolbar.OpenDialog({});
    dialog.onClose = [this] { options.FormClose(); };
  }
  void Plant(std::string_view name, Stored kind, std::string data, std::string_view key = kMain) {
    registry.Plant(RegistryRoot::CurrentUser, key, name, {kind, std::move(data)});
  }
  void Number(std::string_view name, std::uint32_t data) {
    Plant(name, Stored::Number, NumberBytes(data));
  }
  std::optional<fakes::FakeRegistry::StoredValue> Value(std::string_view name,
                                                        std::string_view key = kMain) const {
    return registry.Peek(RegistryRoot::CurrentUser, key, name);
  }

  fakes::FakeRegistry registry;
  fakes::FakeTextServices text;
  fakes::FakeProgramFile program;
  fakes::FakeSystemColours colours;
  fakes::FakeLiveOptions live;
  fakes::FakeMessageBoxes messages;
  fakes::FakeDialogWindow dialog;
  fakes::FakeToolbar toolbar;
  TOpcjeF options{{registry, text, program, colours, live, messages, dialog, toolbar.toolbar}};
  const OptionsControls& shown = options.Controls();
};

TEST_F(OptionsDialogTest, MissingValuesAndValuesOfAnotherKindLeaveTheControlsAsTheyWere) {
  live.look.menuStyle = MenuStyle::Pastel;  // left by an earlier closing without OK
  live.look.bevel.width = 7;
  options.FormShow();
  EXPECT_EQ(live.look.menuStyle, MenuStyle::Classic) << "the menus follow the selection";
  EXPECT_EQ((std::vector<bool>{shown.ColourGroupEnabled(), shown.TransparencyGroupEnabled(),
                               shown.BevelGroupEnabled()}),
            (std::vector<bool>{false, false, true}));
  EXPECT_TRUE(shown.extensions.ticked && shown.sort.ticked);
  EXPECT_FALSE(shown.autostart.ticked);
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, kRun)) << "reading creates no key";

  Plant("XPMenu", Stored::Text, "yes");
  Plant("ChangeColor", Stored::Text, "1");
  Plant("ChangeTransparent", Stored::ExpandText, "1");
  Plant("Flat", Stored::Text, "0");
  Plant("Ext", Stored::Text, "0");
  Number("Sort", 0);
  Plant("Kromelik", Stored::Number, NumberBytes(0), kRun);  // its existence is what counts
  Number("ColorR", 10);
  Number("ColorG", 20);
  Number("ColorB", 30);
  Plant("ColorGS", Stored::Text, "40");  // so none of the four is taken
  options.FormShow();
  EXPECT_EQ((std::vector<int>{shown.red.position, shown.green.position, shown.blue.position,
                              shown.grey.position}),
            (std::vector<int>(4, 192)));
  EXPECT_EQ(shown.menuStyle, MenuStyle::Pastel) << "compared without regard to case";
  EXPECT_FALSE(shown.changeColour.ticked || shown.transparency.ticked);
  EXPECT_TRUE(shown.bevel.ticked);
  EXPECT_TRUE(shown.extensions.ticked);
  EXPECT_FALSE(shown.sort.ticked);
  EXPECT_TRUE(shown.autostart.ticked);

  Number("XPMenu", 1);
  Number("Flat", 0);
  options.FormShow();
  EXPECT_EQ(live.look.menuStyle, MenuStyle::Classic);
  EXPECT_FALSE(live.look.bevel.raised) << "the stored bevel reaches the strip through its box";
  Number("Flat", 1);
  options.FormShow();
  EXPECT_EQ(live.look.bevel, (PanelBevel{true, 1})) << "raised again at the bar's width";
}

TEST_F(OptionsDialogTest, ColourStartsFromTheStripsAndTheBarsComposeItKeepingTheOpacity) {
  live.look.colour = 0x00332211u;
  Number("ChangeColor", 1);
  Number("ColorR", 300);  // held to the bar
  Number("ColorG", 5);
  Number("ColorB", 6);
  Number("ColorGS", 7);
  options.FormShow();
  EXPECT_EQ(shown.redNumber + "," + shown.greenNumber + "," + shown.blueNumber, "17,34,51")
      << "the numbers show the strip's colour; loading moves only the bars";
  EXPECT_EQ((std::vector<int>{shown.red.position, shown.green.position, shown.blue.position,
                              shown.grey.position}),
            (std::vector<int>{255, 5, 6, 7}));
  EXPECT_EQ(live.look.colour, 0x00332211u) << "neither ticking nor loading repaints the strip";

  options.CheckBox2Click(false);
  EXPECT_EQ(live.look.colour, std::nullopt) << "back to the system's button face";
  options.CheckBox2Click(true);
  EXPECT_EQ(shown.redNumber, "212") << "a system colour is resolved to its value now";

  options.CheckBox3Click(true);
  options.ScrollBar9Scroll(100);
  EXPECT_EQ(live.look.colour, 0x00646464u);
  EXPECT_EQ(shown.greenNumber, "100");
  options.ScrollBar6Scroll(ColourBar::Red, 255);
  options.ScrollBar6Scroll(ColourBar::Blue, 1);
  EXPECT_EQ(live.look.colour, 0x000164FFu) << "red in the low byte, blue in the third";
  EXPECT_EQ(live.Opacity(), 127) << "a new colour leaves the strip as translucent as it was";
}

TEST_F(OptionsDialogTest, TheTransparencyBarRunsAgainstTheStoredOpacity) {
  Number("ChangeTransparent", 1);
  // Far out of range as a bar position, and opacity 40 by its low byte as the strip paints it.
  Number("Transparent", 0x80000028u);
  live.shownOpacity = 40;  // as the strip took it at start
  options.FormShow();
  EXPECT_EQ(live.applied.front().opacity, 40) << "the strip never flashes opaque";
  EXPECT_EQ(shown.transparencyBar.position, 255);
  EXPECT_EQ(live.Opacity(), 40);

  options.CheckBox3Click(false);
  EXPECT_EQ(live.Opacity(), std::nullopt);
  options.CheckBox3Click(true);
  EXPECT_EQ(live.Opacity(), 127) << "ticking gives half, not the bar's own 147";
  EXPECT_EQ(shown.transparencyPercent, "50%");
  EXPECT_EQ(shown.transparencyBar.position, 148);

  struct Case { int position; std::uint8_t opacity; std::string percent; };
  for (const Case& move : {Case{40, 255, "0%"}, Case{255, 40, "100%"}, Case{148, 147, "50%"},
                           Case{39, 255, "0%"}, Case{44, 251, "2%"}, Case{200, 95, "74%"}}) {
    options.ScrollBar1Scroll(move.position);
    EXPECT_EQ(live.Opacity(), move.opacity) << move.position;
    EXPECT_EQ(shown.transparencyPercent, move.percent) << move.position;
  }
  options.CloseSBClick();
  EXPECT_EQ(Value("Transparent")->data, NumberBytes(95));
  options.ScrollBar1Scroll(40);
  options.FormShow();
  EXPECT_EQ(shown.transparencyBar.position, 200) << "the stored opacity puts the bar back";
  EXPECT_EQ(live.Opacity(), 95);

  // Unticked and left with Escape; the strip's next paint puts the stored opacity back.
  options.CheckBox3Click(false);
  options.FormKeyDown(DialogKey::Escape);
  live.ApplyLook(live.look, 95);
  const std::size_t before = live.applied.size();
  options.FormShow();
  for (std::size_t i = before; i < live.applied.size(); ++i)
    EXPECT_NE(live.applied[i].opacity, std::nullopt) << "showing made the strip opaque at " << i;
  EXPECT_EQ(live.Opacity(), 95);
}

TEST_F(OptionsDialogTest, OkStoresEveryOptionInOrderWithItsKindAndTheAutostartPath) {
  options.FormShow();
  options.ScrollBar2Scroll(4);
  EXPECT_EQ(shown.bevelWidthText, "4");
  options.CheckBox4Click(false);
  EXPECT_EQ(live.look.bevel, (PanelBevel{false, 4})) << "unticking keeps the width";
  options.RadioButton1Click(MenuStyle::Pastel);
  options.cb_SortujClick(false);
  options.CheckBox1Click(true);
  options.FormKeyDown(DialogKey::Enter);

  const auto names = registry.OpenKey(RegistryRoot::CurrentUser, kMain, false)->ValueNames();
  EXPECT_EQ(names, (std::vector<std::string>{"XPMenu", "ChangeColor", "ColorR", "ColorG", "ColorB",
                                             "ColorGS", "ChangeTransparent", "Transparent", "Flat",
                                             "FlatSize", "Ext", "Sort", "Hotkey"}));
  EXPECT_EQ(Value("XPMenu")->data, "YES");
  for (const std::string& name : names)
    EXPECT_EQ(Value(name)->kind, name == "XPMenu" ? Stored::Text : Stored::Number) << name;
  EXPECT_EQ(Value("ColorGS")->data, NumberBytes(192)) << "stored with the box unticked too";
  EXPECT_EQ(Value("Transparent")->data, NumberBytes(147));
  EXPECT_EQ(Value("Flat")->data + Value("FlatSize")->data, NumberBytes(0) + NumberBytes(4));
  EXPECT_EQ(live.showFileExtensions, true);
  EXPECT_EQ(live.sortWhileEditing, false);
  ASSERT_TRUE(Value("Kromelik", kRun));
  EXPECT_EQ(Value("Kromelik", kRun)->kind, Stored::Text);
  EXPECT_EQ(Value("Kromelik", kRun)->data, program.path) << "unquoted";
  EXPECT_EQ(dialog.closes, 1);
  EXPECT_NE(toolbar.toolbar.State(), ToolbarState::LentToDialog) << "the toolbar is given back";

  options.CheckBox1Click(false);
  options.CloseSBClick();
  EXPECT_FALSE(Value("Kromelik", kRun));
}

TEST_F(OptionsDialogTest, EscapeStoresNothingAndTheNextShowFindsTheBoxesAsLeft) {
  options.FormShow();
  options.CheckBox2Click(true);
  options.ScrollBar9Scroll(100);
  options.CheckBox3Click(true);
  options.FormKeyDown(DialogKey::Escape);
  EXPECT_EQ(dialog.closes, 1);
  EXPECT_TRUE(registry.OpenKey(RegistryRoot::CurrentUser, kMain, false)->ValueNames().empty());
  EXPECT_EQ(live.look.colour, 0x00646464u) << "the strip keeps the colour until the next start";

  options.FormShow();
  EXPECT_TRUE(shown.changeColour.ticked && shown.transparency.ticked);
  EXPECT_EQ(live.Opacity(), 127);
}

}  // namespace
}  // namespace kromelik
