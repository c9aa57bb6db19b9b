// Starts real programs and waits for what they leave behind. EndSession is never called:
// under Wine it ends every process of the prefix, this test program included.

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "win32/Handles.h"
#include "win32/Win32ShellLauncher.h"

namespace kromelik {
namespace {

class Win32ShellLauncherTest : public ::testing::Test {
 protected:
  wine::TestFolder folder_;
  Win32ShellLauncher shell_;
};

TEST_F(Win32ShellLauncherTest, RunsACommandLineWithItsArguments) {
  const std::string marker = folder_.PathOf("uruchomiono.txt");
  shell_.RunCommandLine("cmd.exe /c echo started>\"" + marker + "\"", ShowCommand::Hide);

  const auto written = wine::WaitForFile(marker);
  ASSERT_TRUE(written.has_value()) << "the command did not run";
  EXPECT_EQ(written->rfind("started", 0), 0u) << *written;
}

TEST_F(Win32ShellLauncherTest, OpensAProgramWithParameters) {
  const std::string marker = folder_.PathOf("otwarto.txt");
  shell_.Open(0, "open", "cmd.exe", "/c echo opened>\"" + marker + "\"", ShowCommand::Hide);

  const auto written = wine::WaitForFile(marker);
  ASSERT_TRUE(written.has_value()) << "the program was not started";
  EXPECT_EQ(written->rfind("opened", 0), 0u) << *written;
}

TEST_F(Win32ShellLauncherTest, OpensADocumentWithItsDefaultVerbAndNoParameters) {
  // The batch file names its output by its own folder, so no Polish letter has to pass
  // through the batch file's code page.
  folder_.WriteFile("zapisz.bat", "@echo batch>\"%~dp0wynik.txt\"\r\n");
  shell_.Open(0, "", folder_.PathOf("zapisz.bat"), std::nullopt, ShowCommand::Hide);

  const auto written = wine::WaitForFile(folder_.PathOf("wynik.txt"));
  ASSERT_TRUE(written.has_value()) << "the document was not opened";
  EXPECT_EQ(written->rfind("batch", 0), 0u) << *written;
}

TEST(ShutdownPrivilege, IsEnabledInTheProcessToken) {
  ASSERT_TRUE(EnableShutdownPrivilege());

  UniqueKernelHandle token;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Put()));
  PRIVILEGE_SET wanted{};
  wanted.PrivilegeCount = 1;
  wanted.Control = PRIVILEGE_SET_ALL_NECESSARY;
  ASSERT_TRUE(LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &wanted.Privilege[0].Luid));
  BOOL held = FALSE;
  ASSERT_TRUE(PrivilegeCheck(token.Get(), &wanted, &held));
  EXPECT_TRUE(held);
}

}  // namespace
}  // namespace kromelik
