#include "menus/LaunchCommands.h"

#include <gtest/gtest.h>

#include "core/Csidl.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeToolbarPorts.h"
#include "menus/Separators.h"

namespace kromelik {
namespace {

constexpr const char* kSystem = "C:\\WINDOWS\\system32";
constexpr const char* kWindows = "C:\\WINDOWS";
using Opened = fakes::FakeShellLauncher::Opened;
using Ran = fakes::FakeShellLauncher::Ran;

class LaunchCommandsTest : public ::testing::Test, protected fakes::FakeToolbar {
 protected:
  LaunchCommandsTest() {
    folders.folders[csidl::kPersonal] = "C:\\Dokumenty";
    folders.folders[csidl::kStartup] = "C:\\Autostart";
    launcher.SetOwner(0x4242);
    menus.BindCommands(context);
  }

  void AddSystemFile(const char* name) { files.AddFile(std::string(kSystem) + "\\" + name); }
  void Click(std::string_view name) {
    MenuItem& item = menus.Item(name);
    ASSERT_TRUE(item.OnClick) << name;
    item.OnClick(item);
  }
  MenuItem& ItemWithHint(MenuItem& menu, std::string_view hint) {
    for (const auto& item : menu.Items())
      if (item->Hint == hint) return *item;
    throw std::out_of_range(std::string(hint));
  }
  // What the user sees when the menu opens.
  std::vector<std::string> Shown(MenuItem& menu) {
    NormaliseSeparators(menu);
    std::vector<std::string> captions;
    for (const auto& item : menu.Items())
      if (item->Visible) captions.push_back(item->Caption);
    return captions;
  }
  Opened OpenedTarget(std::string target, ShowCommand show = ShowCommand::ShowNormal) {
    return {0x4242, "open", std::move(target), std::nullopt, show};
  }

  fakes::FakeShellLauncher shell;
  fakes::FakeShellFolders folders;
  fakes::FakeFileSystem files;
  fakes::FakeMessageBoxes messages;
  fakes::FakeDialogs dialogs;
  Launcher launcher{shell, folders};
  ToolbarMenus menus;
  CommandContext context{launcher, toolbar, files, messages, kSystem, kWindows, dialogs, {}};
};

TEST_F(LaunchCommandsTest, AppletsShowExactlyWhereTheirFilesAre) {
  RefreshAppletsMenu(menus, files, kSystem);
  EXPECT_EQ(Shown(menus.PanelPM), std::vector<std::string>{"Panel sterowania"});

  AddSystemFile("timedate.cpl");
  files.AddFile(std::string(kWindows) + "\\desk.cpl");  // not where applets are looked for
  RefreshAppletsMenu(menus, files, kSystem);
  EXPECT_EQ(Shown(menus.PanelPM), (std::vector<std::string>{"Panel sterowania", "-", "Data/Godzina"}));

  AddSystemFile("desk.cpl");
  RefreshBeforePopup(ToolbarButton::Panel, menus, context);
  EXPECT_EQ(Shown(menus.PanelPM).size(), 4u);
  files.Remove(std::string(kSystem) + "\\desk.cpl");
  RefreshBeforePopup(ToolbarButton::Panel, menus, context);
  EXPECT_EQ(Shown(menus.PanelPM), (std::vector<std::string>{"Panel sterowania", "-", "Data/Godzina"}))
      << "a removed applet disappears at the next opening";
}

TEST_F(LaunchCommandsTest, ToolsShowWhereTheirFilesAreWithTheSeparatorUnderTheFirstTwo) {
  AddSystemFile("cmd.exe");
  RefreshToolsMenu(menus, files, kSystem, kWindows);
  EXPECT_EQ(Shown(menus.UslugiPM), std::vector<std::string>{"Wiersz poleceń"});

  AddSystemFile("regedit.exe");
  RefreshToolsMenu(menus, files, kSystem, kWindows);
  EXPECT_EQ(Shown(menus.UslugiPM), std::vector<std::string>{"Wiersz poleceń"})
      << "the registry editor is looked for in the Windows directory only";

  files.AddFile(std::string(kWindows) + "\\regedit.exe");
  AddSystemFile("taskmgr.exe");
  RefreshToolsMenu(menus, files, kSystem, kWindows);
  EXPECT_EQ(Shown(menus.UslugiPM),
            (std::vector<std::string>{"Wiersz poleceń", "-", "Edytor rejestru", "Menedżer zadań"}));

  files.Remove(std::string(kSystem) + "\\cmd.exe");
  RefreshToolsMenu(menus, files, kSystem, kWindows);
  EXPECT_EQ(Shown(menus.UslugiPM), (std::vector<std::string>{"Edytor rejestru", "Menedżer zadań"}));
  EXPECT_FALSE(menus.UslugiPM[2].Visible);
}

TEST_F(LaunchCommandsTest, BuiltInGamesAreDecidedOnceAtStart) {
  ShowBuiltInGames(menus, files, kSystem);
  EXPECT_EQ(Shown(menus.GryPM), std::vector<std::string>{"Organizuj"});

  AddSystemFile("sol.exe");
  RefreshBeforePopup(ToolbarButton::Gry, menus, context);
  EXPECT_EQ(Shown(menus.GryPM), std::vector<std::string>{"Organizuj"}) << "a game added later waits for the next start";

  ShowBuiltInGames(menus, files, kSystem);
  EXPECT_EQ(Shown(menus.GryPM), (std::vector<std::string>{"Organizuj", "-", "Pasjans"}));
}

TEST_F(LaunchCommandsTest, AppletsAndToolsReleaseTheButtonsAndRunTheirHints) {
  toolbar.Press(ToolbarButton::Panel);
  ItemWithHint(menus.PanelPM, "timedate.cpl").OnClick(ItemWithHint(menus.PanelPM, "timedate.cpl"));
  EXPECT_EQ(shell.ran, (std::vector<Ran>{{"Control.exe timedate.cpl", ShowCommand::ShowNormal}}));
  EXPECT_EQ(toolbar.DownButton(), ToolbarButton::Kromelik);

  toolbar.Press(ToolbarButton::Uslugi);
  MenuItem& services = ItemWithHint(menus.UslugiPM, "services.msc");
  services.OnClick(services);
  MenuItem& freecell = ItemWithHint(menus.GryPM, "FreeCell.exe");
  freecell.OnClick(freecell);
  EXPECT_EQ(shell.opened, (std::vector<Opened>{OpenedTarget("services.msc"), OpenedTarget("FreeCell.exe")}));
  EXPECT_EQ(toolbar.DownButton(), ToolbarButton::Kromelik);

  Click("Panelsterowania1");
  EXPECT_EQ(shell.ran.back(), (Ran{"rundll32 shell32.dll,Control_RunDLL", ShowCommand::Show}));
}

TEST_F(LaunchCommandsTest, AccessoriesOpenTheirProgramsAndKeepTheButtonDown) {
  toolbar.Press(ToolbarButton::Programy);
  Click("Kalkulator1");
  Click("Paint1");
  Click("DrWatson1");
  AddSystemFile("drwtsn32.exe");
  Click("DrWatson1");
  EXPECT_EQ(shell.opened, (std::vector<Opened>{OpenedTarget("calc"), OpenedTarget("MSPAINT"),
                                              OpenedTarget("DRWTSN"), OpenedTarget("DRWTSN32")}));
  EXPECT_EQ(toolbar.DownButton(), ToolbarButton::Programy);
}

TEST_F(LaunchCommandsTest, FoldersOpenTheirPlaces) {
  Click("Mojeorazy2");
  Click("Mojeobrazy1");
  Click("Autostart1");
  Click("Drukarki1");
  Click("WindowsSystem1");
  Click("Mjkomputer1");
  EXPECT_EQ(shell.opened,
            (std::vector<Opened>{
                OpenedTarget("C:\\Dokumenty\\Moje obrazy"), OpenedTarget("C:\\Dokumenty\\Moje obrazy"),
                OpenedTarget("C:\\Autostart"),
                {0x4242, "open", "control", std::string("printers"), ShowCommand::ShowNormal},
                OpenedTarget(kSystem),
                OpenedTarget("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}")}));

  // Where the platform gives no path, nothing opens rather than the drive's root or "".
  shell.opened.clear();
  folders.folders.erase(csidl::kPersonal);
  Click("Mojeobrazy1");
  Click("Mojedokumenty3");
  Click("Ciasteczka1");
  EXPECT_EQ(shell.opened, std::vector<Opened>{});
}

TEST_F(LaunchCommandsTest, NetworkConnectionsNeedTheirAppletOrSayWhy) {
  Click("Poczeniainternetoweitelefoniczne1");
  EXPECT_TRUE(shell.ran.empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Nie można odnaleźć plików potrzebnych do uruchomienia tego folderu !!!");
  EXPECT_EQ(messages.shown[0].title, "Błąd !!!");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
  EXPECT_TRUE(toolbar.TimerEnabled(ToolbarTimer::Slide) &&
              toolbar.TimerEnabled(ToolbarTimer::ButtonWatch))
      << "the timers keep running";

  AddSystemFile("ncpa.cpl");
  Click("Poczeniainternetoweitelefoniczne1");
  EXPECT_EQ(shell.ran, (std::vector<Ran>{{"Control.exe ncpa.cpl", ShowCommand::ShowNormal}}));
}

TEST_F(LaunchCommandsTest, MailLinksShowAndTheAboutLinksReleaseTheButtons) {
  toolbar.Press(ToolbarButton::About);
  Click("Wylijemaildoautroa1");
  EXPECT_EQ(toolbar.DownButton(), ToolbarButton::Kromelik);
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].target,
            "mailto:kromelik@brenvald.pl?Subject=Cześć&Body=Gratuluję zrobienia bardzo dobrego programu.");
  EXPECT_EQ(shell.opened[0].show, ShowCommand::Show);

  toolbar.Press(ToolbarButton::Internet);
  Click("Klientpocztowy1");
  Click("Przegldarkainternetowa1");
  Click("wwwBrenvald1");
  EXPECT_EQ(toolbar.DownButton(), ToolbarButton::Internet);
  EXPECT_EQ(shell.opened[1], OpenedTarget("mailto:", ShowCommand::Show));
  EXPECT_EQ(shell.opened[2], OpenedTarget("http://"));
  EXPECT_EQ(shell.opened[3].target, menus.Item("wwwBrenvald1").Hint);
  EXPECT_EQ(shell.opened[3].target.rfind("http://", 0), 0u);
}

TEST_F(LaunchCommandsTest, SessionEndsAskProgramsToCloseAndForceOnlyHungOnes) {
  Click("Wyloguj1");
  Click("Uruchomponownie1");
  Click("Zamknijsystem1");
  EXPECT_EQ(shell.endSessionFlags, (std::vector<std::uint32_t>{0x10, 0x12, 0x18}));
  EXPECT_EQ(SessionEndFlags(2), 2u) << "a request without force stays as it is";
}

}  // namespace
}  // namespace kromelik
