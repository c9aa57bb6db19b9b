#include "menus/ToolbarController.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/Hotkey.h"
#include "core/RegistryLayout.h"
#include "core/SettingsStore.h"
#include "dialogs/TOpcjeF.h"
#include "fakes/FakeDialogPorts.h"
#include "fakes/FakeOptionsPorts.h"
#include "unit/ToolbarFixture.h"

namespace kromelik {
namespace {

using ToolbarControllerTest = ToolbarFixture;

TEST_F(ToolbarControllerTest, APressedButtonGetsItsTidiedMenuAndAChoiceRunsAndReleases) {
  files.AddFile(folders.systemDirectory + "\\timedate.cpl");
  controller.Create();
  controller.Start();

  const auto popup = controller.PressButton(ToolbarButton::Panel);
  ASSERT_TRUE(popup);
  EXPECT_EQ(popup->menu.Name, "PanelPM");
  EXPECT_EQ(popup->at, (ScreenPoint{76, -45 + 6 + 38}));
  ASSERT_FALSE(window.shownDown.empty());
  EXPECT_EQ(window.shownDown.back(), ToolbarButton::Panel) << "the port hears of the press";

  // Refreshed at the press: the one applet present, with the separator above it.
  std::vector<std::string> shown;
  const MenuItem* applet = nullptr;
  for (const auto& item : popup->menu.Items()) {
    if (!item->Visible) continue;
    shown.push_back(item->Caption);
    if (item->Hint == "timedate.cpl") applet = item.get();
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"Panel sterowania", "-", "Data/Godzina"}));

  ASSERT_NE(applet, nullptr);
  controller.Choose(*applet);
  EXPECT_EQ(shell.ran, (std::vector<fakes::FakeShellLauncher::Ran>{
                           {"Control.exe timedate.cpl", ShowCommand::ShowNormal}}));
  EXPECT_EQ(window.shownDown.back(), ToolbarButton::Kromelik) << "released after the launch";
}

// The menus are built a step at a time after the strip shows; a button pressed before
// the last step gets what its menu shows built at once, and nothing is built twice.
TEST_F(ToolbarControllerTest, AButtonPressedBeforeTheMenusAreBuiltGetsItsOwnFirst) {
  PlantListText("ProgramyMRU", "Edytor", "C:\\Edytor\\edytor.exe");
  PlantListText("UlubioneMRU", "Nowa", "http://nowa.pl");
  PlantListText("GryMRU", "Szachy", "C:\\Gry\\szachy.exe");
  controller.CreateUnbuilt();
  controller.Start();
  const ToolbarMenus::Places& places = controller.Menus().Fixed();
  const auto count = [](const MenuItem& menu, const std::string& caption) {
    const std::vector<std::string> shown = Shown(menu);
    return std::count(shown.begin(), shown.end(), caption);
  };

  const auto popup = controller.PressButton(ToolbarButton::Programy);
  ASSERT_TRUE(popup);
  EXPECT_EQ(count(places.ownPrograms, "Edytor"), 1);
  EXPECT_EQ(count(places.favourites, "Nowa"), 0) << "another button's menu waits for its step";
  controller.Behaviour().ReleaseButtons();

  int steps = 0;
  while (controller.BuildMenusStep()) ASSERT_LT(++steps, 20);
  EXPECT_EQ(count(places.ownPrograms, "Edytor"), 1);
  EXPECT_EQ(count(places.favourites, "Nowa"), 1);
  const auto games = controller.PressButton(ToolbarButton::Gry);
  ASSERT_TRUE(games);
  EXPECT_EQ(count(games->menu, "Szachy"), 1);
}

// Whichever button is pressed before the start's steps have run, its menu shows what it
// will once they all have: every step that fills it runs first, submenus included.
TEST_F(ToolbarControllerTest, AnyMenuPressedBeforeTheStepsShowsWhatItWillAfterThem) {
  PlantListText("ProgramyMRU", "Edytor", "C:\\Edytor\\edytor.exe");
  PlantListText("UlubioneMRU", "Nowa", "http://nowa.pl");
  PlantListText("GryMRU", "Szachy", "C:\\Gry\\szachy.exe");
  PlantListText("DokumentyMRU", "1", "C:\\Dokumenty\\plan.txt");
  files.AddFile("C:\\Dokumenty\\plan.txt");
  drives.Add('C', DriveType::Fixed, "System");
  files.AddFile(program.path);
  files.AddFile("C:\\Program Files\\Kromelik\\lista.txt", "<item>Gazeta<url>http://gazeta.pl\n");
  const std::function<void(const MenuItem&, std::vector<std::string>&)> all =
      [&](const MenuItem& menu, std::vector<std::string>& captions) {
        for (const auto& item : menu.Items()) {
          if (!item->Visible) continue;
          captions.push_back(item->Caption);
          all(*item, captions);
        }
      };
  const auto shownAfterPress = [&](ToolbarButton button) {
    std::vector<std::string> captions;
    const auto popup = controller.PressButton(button);
    if (popup) all(popup->menu, captions);
    return captions;
  };

  for (const ButtonInfo& button : ToolbarButtons()) {
    if (button.menu.empty()) continue;
    controller.Create();
    controller.Start();
    const std::vector<std::string> built = shownAfterPress(button.button);
    controller.CreateUnbuilt();
    controller.Start();
    EXPECT_EQ(shownAfterPress(button.button), built) << button.name;
  }
}

TEST_F(ToolbarControllerTest, TheStoredLookComesFirstAndANewOneReachesStripAndMenus) {
  {
    SettingsStore store(registry);
    ASSERT_TRUE(store.OpenKey(registry_layout::kMainKey, true));
    store.PutText(registry_layout::kXPMenu, "yes");
    store.PutFlag(registry_layout::kChangeTransparent, true);
    store.PutNumber(registry_layout::kTransparent, 200);
  }
  controller.Create();
  controller.Start();
  ASSERT_EQ(window.looks.size(), 1U) << "the window takes the stored look before anything shows";
  EXPECT_EQ(window.looks[0].look.menuStyle, MenuStyle::Pastel);
  EXPECT_EQ(window.looks[0].opacity, std::optional<std::uint8_t>(200));

  ToolbarLook look;
  look.colour = 0x00336699u;
  look.bevel = {false, 0};
  controller.Look().ApplyLook(look, std::nullopt);
  EXPECT_EQ(window.looks.back(), (fakes::FakeToolbarWindow::Look{look, std::nullopt}));
  const auto popup = controller.PressButton(ToolbarButton::Programy);
  ASSERT_TRUE(popup);
  EXPECT_EQ(popup->style, MenuStyle::Classic) << "the next menu opens in the new style";

  // The options dialog's live opacity wins over the stored one while it is open, through
  // paints and a change of screen; once it is closed, paints apply the stored one again.
  controller.Behaviour().OpenDialog({});
  controller.Look().ApplyLook(look, 90);
  EXPECT_EQ(controller.Look().OpacityAtPaint(), std::nullopt);
  controller.Look().ScreenChanged(800, kBaseDpi);
  EXPECT_EQ(window.looks.back().opacity, std::optional<std::uint8_t>(90));
  controller.Behaviour().Resume();
  EXPECT_EQ(controller.Look().OpacityAtPaint(), std::optional<std::uint8_t>(200));
  EXPECT_EQ(controller.Look().Opacity(), std::optional<std::uint8_t>(200));
}

// High contrast puts the system's colours over the stored look without touching it: a
// look the options dialog applies meanwhile is kept for later, and all of it is back when
// high contrast goes.
TEST_F(ToolbarControllerTest, HighContrastShowsTheSystemsColoursAndTheStoredLookComesBack) {
  {
    SettingsStore store(registry);
    ASSERT_TRUE(store.OpenKey(registry_layout::kMainKey, true));
    store.PutText(registry_layout::kXPMenu, "yes");
    store.PutFlag(registry_layout::kChangeTransparent, true);
    store.PutNumber(registry_layout::kTransparent, 200);
    store.PutFlag(registry_layout::kChangeColor, true);
    for (const auto name : {registry_layout::kColorR, registry_layout::kColorG,
                            registry_layout::kColorB, registry_layout::kColorGS})
      store.PutNumber(name, 100);
  }
  controller.Create();
  controller.Start();
  LiveLook& live = controller.Look();
  const ToolbarLook stored = live.Look();
  ASSERT_TRUE(stored.colour);
  live.SetSystemAids(true, false);
  ToolbarLook system = stored;
  system.colour.reset();
  system.menuStyle = MenuStyle::Classic;
  EXPECT_EQ(window.looks.back(), (fakes::FakeToolbarWindow::Look{system, std::nullopt}));
  EXPECT_EQ(live.Look(), stored) << "the stored look is kept";
  EXPECT_EQ(live.OpacityAtPaint(), std::nullopt) << "no paint makes it translucent";
  const auto underContrast = controller.PressButton(ToolbarButton::Programy);
  ASSERT_TRUE(underContrast);
  EXPECT_EQ(underContrast->style, MenuStyle::Classic) << "the system draws the menus";
  controller.Behaviour().ReleaseButtons();

  ToolbarLook chosen = stored;
  chosen.colour = 0x00336699u;
  live.ApplyLook(chosen, 150);
  EXPECT_EQ(window.looks.back(), (fakes::FakeToolbarWindow::Look{system, std::nullopt}));
  EXPECT_EQ(live.Look(), chosen);

  live.SetSystemAids(false, false);
  EXPECT_EQ(window.looks.back(), (fakes::FakeToolbarWindow::Look{chosen, 150}));
  const auto after = controller.PressButton(ToolbarButton::Programy);
  ASSERT_TRUE(after);
  EXPECT_EQ(after->style, MenuStyle::Pastel);
  EXPECT_EQ(live.OpacityAtPaint(), std::optional<std::uint8_t>(200));
  controller.Behaviour().ReleaseButtons();

  // A screen reader takes the system's menus, and nothing else of the look.
  live.SetSystemAids(false, true);
  const auto read = controller.PressButton(ToolbarButton::Programy);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->style, MenuStyle::Classic);
  EXPECT_EQ(live.InForce().colour, chosen.colour);
}

// Two monitors side by side and a third below the first: each top edge brings the strip
// down on its own monitor, as wide as it, with its menus under its buttons there; where
// a monitor meets one above it there is no edge to touch. A monitor unplugged takes the
// strip back to the primary.
TEST_F(ToolbarControllerTest, EachMonitorsTopEdgeBringsTheStripDownOnThatMonitor) {
  controller.Create();
  controller.Start();
  Toolbar& toolbar = controller.Behaviour();
  toolbar.SetMonitors({{{0, 0, 1024, 768}, kBaseDpi},
                       {{1024, 0, 800, 600}, kBaseDpi},
                       {{0, 768, 1024, 768}, kBaseDpi}});
  const auto tickAt = [&](int x, int y) {
    cursor.position = {x, y};
    toolbar.OnSlideTimer();
  };
  tickAt(300, 300);
  ASSERT_EQ(toolbar.State(), ToolbarState::Hidden);

  tickAt(1300, 0);
  ASSERT_EQ(toolbar.State(), ToolbarState::Shown);
  EXPECT_EQ(window.origin, (ScreenPoint{1024, 0}));
  const auto programs = controller.PressButton(ToolbarButton::Programy);
  ASSERT_TRUE(programs);
  EXPECT_EQ(programs->at.y, 44);
  EXPECT_GE(programs->at.x, 1024);
  const auto shutDown = controller.PressButton(ToolbarButton::Wylacz);
  ASSERT_TRUE(shutDown);
  EXPECT_LT(shutDown->at.x, 1824) << "the strip is as wide as its monitor";
  EXPECT_GT(shutDown->at.x, 1024 + 700);
  toolbar.ReleaseButtons();

  tickAt(300, 10);
  EXPECT_EQ(toolbar.State(), ToolbarState::Hidden) << "off to another monitor";
  tickAt(300, 768);
  EXPECT_EQ(toolbar.State(), ToolbarState::Hidden) << "no edge below another monitor";
  tickAt(300, 0);
  ASSERT_EQ(toolbar.State(), ToolbarState::Shown);
  EXPECT_EQ(window.origin, (ScreenPoint{0, 0}));
  EXPECT_GT(controller.PressButton(ToolbarButton::Wylacz)->at.x, 1024 - 100);
  toolbar.ReleaseButtons();

  tickAt(1300, 300);
  tickAt(1300, 0);
  ASSERT_EQ(window.origin, (ScreenPoint{1024, 0}));
  toolbar.SetMonitors({{{0, 0, 1024, 768}, kBaseDpi}});
  EXPECT_EQ(window.origin, (ScreenPoint{0, 0})) << "never left off every monitor";
}

TEST_F(ToolbarControllerTest, TheStoredHotkeyIsRegisteredAndOneTakenElsewhereIsToldOnce) {
  window.takenHotkey = kDefaultHotkey;
  controller.Create();
  controller.Start();
  EXPECT_EQ(messages.shown, (std::vector<fakes::FakeMessageBoxes::Shown>{
                                {"Skrót Ctrl+Alt+K jest zajęty przez inny program.", "Kromelik",
                                 MessageIcon::Warning}}));
  EXPECT_EQ(controller.Look().Hotkey(), 0) << "the options show the field empty";

  // Ctrl+Shift+F5 as the hotkey control stores it.
  {
    SettingsStore store(registry);
    ASSERT_TRUE(store.OpenKey(registry_layout::kMainKey, true));
    store.PutNumber(registry_layout::kHotkey, ((kHotkeyControl | kHotkeyShift) << 8) | 0x74);
  }
  messages.shown.clear();
  controller.Create();
  controller.Start();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(window.hotkey, ((kHotkeyControl | kHotkeyShift) << 8) | 0x74);
  EXPECT_EQ(controller.Look().Hotkey(), window.hotkey);
  EXPECT_EQ(HotkeyTakenText(window.hotkey), "Skrót Ctrl+Shift+F5 jest zajęty przez inny program.");

  // Chosen in the options while another program holds it: told as at a start, and the
  // field shows none at the next opening.
  fakes::FakeSystemColours colours;
  fakes::FakeDialogWindow dialog;
  TOpcjeF options{{registry, text, program, colours, controller.Look(), messages, dialog,
                   controller.Behaviour()}};
  dialog.onClose = [&options] { options.FormClose(); };
  controller.Behaviour().OpenDialog({});
  options.FormShow();
  EXPECT_EQ(options.Controls().hotkey, window.hotkey);
  options.HotkeyChange(kDefaultHotkey);
  options.CloseSBClick();
  EXPECT_EQ(messages.shown, (std::vector<fakes::FakeMessageBoxes::Shown>{
                                {"Skrót Ctrl+Alt+K jest zajęty przez inny program.", "Kromelik",
                                 MessageIcon::Warning}}));
  controller.Behaviour().OpenDialog({});
  options.FormShow();
  EXPECT_EQ(options.Controls().hotkey, 0);

  // Left empty, with OK pressed for something else, it stays stored for the next start.
  messages.shown.clear();
  options.CloseSBClick();
  EXPECT_TRUE(messages.shown.empty());
  SettingsStore store(registry);
  ASSERT_TRUE(store.OpenKey(registry_layout::kMainKey, false));
  EXPECT_EQ(ReadHotkey(store), kDefaultHotkey);
}

TEST_F(ToolbarControllerTest, TheCloseButtonClosesTheWindowAndOpensNoMenu) {
  controller.Create();
  EXPECT_FALSE(controller.PressButton(ToolbarButton::Close));
  EXPECT_EQ(window.events, (std::vector<std::string>{"close"}));
}

}  // namespace
}  // namespace kromelik
