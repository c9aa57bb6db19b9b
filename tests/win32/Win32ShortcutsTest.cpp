#include <windows.h>

#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "win32/WideText.h"
#include "win32/Win32Shortcuts.h"

namespace kromelik {
namespace {

class Win32ShortcutsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteFile("program.exe", "MZ");
    folder_.WriteFile("zażółć.txt", "tekst");
  }

  wine::TestFolder folder_;
  Win32Shortcuts shortcuts_;
};

TEST_F(Win32ShortcutsTest, GivesTheStoredTargetWhateverTheLinksNameIsSpelled) {
  ASSERT_NO_FATAL_FAILURE(folder_.WriteShellLink("Upper.LNK", folder_.PathOf("program.exe")));
  ASSERT_NO_FATAL_FAILURE(folder_.WriteShellLink("lower.lnk", folder_.PathOf("program.exe")));

  EXPECT_EQ(shortcuts_.LinkTarget(folder_.PathOf("Upper.LNK")), folder_.PathOf("program.exe"));
  EXPECT_EQ(shortcuts_.LinkTarget(folder_.PathOf("lower.lnk")), folder_.PathOf("program.exe"));
}

TEST_F(Win32ShortcutsTest, KeepsPolishLettersOfTheTarget) {
  ASSERT_NO_FATAL_FAILURE(folder_.WriteShellLink("tekst.lnk", folder_.PathOf("zażółć.txt")));
  EXPECT_EQ(shortcuts_.LinkTarget(folder_.PathOf("tekst.lnk")), folder_.PathOf("zażółć.txt"));
}

TEST_F(Win32ShortcutsTest, ALinkToAMissingFileStillGivesItsTarget) {
  const std::string gone = folder_.PathOf("usunięty.exe");
  folder_.WriteFile("usunięty.exe", "MZ");
  ASSERT_NO_FATAL_FAILURE(folder_.WriteShellLink("stale.lnk", gone));
  ASSERT_TRUE(DeleteFileW(Utf8ToWide(gone).c_str()));

  EXPECT_EQ(shortcuts_.LinkTarget(folder_.PathOf("stale.lnk")), gone);
}

TEST_F(Win32ShortcutsTest, WhatIsNoShellLinkHasNoTarget) {
  folder_.WriteFile("strona.url", "[InternetShortcut]\r\nURL=http://example.invalid/\r\n");
  folder_.WriteFile("udaje.lnk", "not a link at all");

  EXPECT_EQ(shortcuts_.LinkTarget(folder_.PathOf("strona.url")), "");
  EXPECT_EQ(shortcuts_.LinkTarget(folder_.PathOf("zażółć.txt")), "");
  EXPECT_EQ(shortcuts_.LinkTarget(folder_.PathOf("udaje.lnk")), "");
  EXPECT_EQ(shortcuts_.LinkTarget(folder_.PathOf("brak.lnk")), "");
}

TEST_F(Win32ShortcutsTest, WithoutComTheLinkObjectIsUnavailable) {
  ASSERT_NO_FATAL_FAILURE(folder_.WriteShellLink("lower.lnk", folder_.PathOf("program.exe")));
  bool unavailable = false;
  // A thread of its own, since the test thread has COM for the whole run.
  std::thread([&] {
    try {
      Win32Shortcuts().LinkTarget(folder_.PathOf("lower.lnk"));
    } catch (const ShellLinkUnavailable&) {
      unavailable = true;
    }
  }).join();
  EXPECT_TRUE(unavailable);
}

}  // namespace
}  // namespace kromelik
