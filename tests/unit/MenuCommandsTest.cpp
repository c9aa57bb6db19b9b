#include "menus/MenuCommands.h"

#include <gtest/gtest.h>

#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeToolbarPorts.h"
#include "menus/ToolbarMenus.h"

namespace kromelik {
namespace {

TEST(MenuCommandsTest, HelpShowsItsMessageWithTheToolbarStillAndButtonsUp) {
  fakes::FakeToolbar fake;
  Toolbar& toolbar = fake.toolbar;
  const fakes::FakeToolbarTimers& timers = fake.timers;
  fakes::FakeMessageBoxes messages;
  fakes::FakeShellLauncher shell;
  fakes::FakeShellFolders folders;
  fakes::FakeFileSystem files;
  Launcher launcher{shell, folders};
  CommandContext context{launcher, toolbar, files, messages, "C:\\WINDOWS\\system32", "C:\\WINDOWS"};
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
}

}  // namespace
}  // namespace kromelik
