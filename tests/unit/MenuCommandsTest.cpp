#include "menus/MenuCommands.h"

#include <gtest/gtest.h>

#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeToolbarPorts.h"
#include "menus/ToolbarMenus.h"

namespace kromelik {
namespace {

TEST(MenuCommandsTest, HelpOpensItsPageOrWithoutItShowsItsMessageWithTheToolbarStill) {
  fakes::FakeToolbar fake;
  Toolbar& toolbar = fake.toolbar;
  const fakes::FakeToolbarTimers& timers = fake.timers;
  fakes::FakeMessageBoxes messages;
  fakes::FakeShellLauncher shell;
  fakes::FakeShellFolders folders;
  fakes::FakeFileSystem files;
  Launcher launcher{shell, folders};
  const std::string page = "C:\\Kromelik\\help\\kromelik.html";
  fakes::FakeDialogs dialogs;
  CommandContext context{launcher,     toolbar, files,   messages, "C:\\WINDOWS\\system32",
                         "C:\\WINDOWS", dialogs, page};
  ToolbarMenus menus;
  menus.BindCommands(context);

  toolbar.Press(ToolbarButton::About);
  bool stillWhileOpen = false;
  messages.onShow = [&] {
    stillWhileOpen = !timers.slide && !timers.buttonWatch &&
                     toolbar.DownButton() == ToolbarButton::Kromelik;
  };
  MenuItem& help = menus.Item("Pomoc1");
  ASSERT_TRUE(help.OnClick);
  help.OnClick(help);

  EXPECT_EQ(messages.shown, (std::vector<fakes::FakeMessageBoxes::Shown>{
                                {"Pomoc jak na razie jest niedostępna w tej wersji programu",
                                 "Brak pomocy !!!", MessageIcon::Information}}));
  EXPECT_TRUE(stillWhileOpen);
  EXPECT_TRUE(timers.slide && timers.buttonWatch) << "both timers run again after the box";
  EXPECT_TRUE(shell.opened.empty());

  files.AddFile(page);
  toolbar.Press(ToolbarButton::About);
  help.OnClick(help);
  ASSERT_EQ(shell.opened.size(), 1U);
  EXPECT_EQ(shell.opened[0].target, page);
  EXPECT_EQ(shell.opened[0].show, ShowCommand::ShowMaximized);
  EXPECT_EQ(messages.shown.size(), 1U) << "no message when the page is there";
  EXPECT_EQ(toolbar.DownButton(), ToolbarButton::Kromelik);
}

}  // namespace
}  // namespace kromelik
