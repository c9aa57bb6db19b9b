#include "core/WspolneFunkcje.h"

#include <gtest/gtest.h>

#include "core/Csidl.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeText.h"

namespace kromelik {
namespace {

class ShellPathsTest : public ::testing::Test {
 protected:
  ShellPathsTest() {
    folders.windowsDirectory = "C:\\WINDOWS";
    folders.systemDirectory = "C:\\WINDOWS\\System32";
    folders.folders[csidl::kAppData] = "C:\\Users\\Łucja\\AppData\\Roaming";
    folders.folders[csidl::kProfile] = "C:\\Users\\Łucja";
  }
  std::string Expand(std::string_view path) { return ExpandPathVariables(path, folders, text); }

  fakes::FakeShellFolders folders;
  fakes::FakeTextServices text;
};

TEST_F(ShellPathsTest, PathsWithoutMarkersAreOnlyLowerCased) {
  EXPECT_EQ(Expand("C:\\Tools\\App.exe"), "c:\\tools\\app.exe");
  EXPECT_EQ(Expand("D:\\GRY\\ŻÓŁW.EXE"), "d:\\gry\\żółw.exe");
  EXPECT_EQ(Expand("%TEMP%\\x.exe"), "%temp%\\x.exe") << "unknown markers stay";
}

TEST_F(ShellPathsTest, WindowsMarkersGiveTheWindowsDirectoryAsThePlatformSpellsIt) {
  EXPECT_EQ(Expand("%SystemRoot%\\System32\\MSPAINT.EXE"), "C:\\WINDOWS\\system32\\mspaint.exe");
  EXPECT_EQ(Expand("%windir%"), "C:\\WINDOWS");
  EXPECT_EQ(Expand("%WINDIR%\\notepad.exe"), "C:\\WINDOWS\\notepad.exe");
}

TEST_F(ShellPathsTest, ProgramFilesIsFixedOnEveryMachine) {
  folders.folders[38] = "D:\\Programy";
  EXPECT_EQ(Expand("%ProgramFiles%\\Foo\\Foo.exe"), "C:\\Program Files\\foo\\foo.exe");
}

TEST_F(ShellPathsTest, UserProfileIsTheProfileFolderOrTheParentOfApplicationData) {
  EXPECT_EQ(Expand("%USERPROFILE%\\Pulpit\\a.lnk"), "C:\\Users\\Łucja\\pulpit\\a.lnk");
  folders.folders.erase(csidl::kProfile);
  folders.folders[csidl::kAppData] = "C:\\Documents and Settings\\jan\\Dane aplikacji";
  EXPECT_EQ(Expand("%userprofile%\\x"), "C:\\Documents and Settings\\jan\\x");
  folders.folders.clear();
  EXPECT_EQ(Expand("%userprofile%\\x"), "\\x") << "no folder known: an empty directory part";
}

TEST_F(ShellPathsTest, AMarkerIsReplacedWhereItStands) {
  EXPECT_EQ(Expand("\"%windir%\\regedit.exe\""), "\"C:\\WINDOWS\\regedit.exe\"");
  EXPECT_EQ(Expand("rundll32 %SystemRoot%\\x.dll"), "rundll32 C:\\WINDOWS\\x.dll");
}

TEST_F(ShellPathsTest, OnlyTheFirstMarkerInTheFixedOrderIsReplaced) {
  EXPECT_EQ(Expand("%windir%\\a;%systemroot%\\b"), "%windir%\\a;C:\\WINDOWS\\b")
      << "%systemroot% is looked for first, wherever it stands";
  EXPECT_EQ(Expand("%programfiles%\\a %windir%"), "%programfiles%\\a C:\\WINDOWS");
}

TEST_F(ShellPathsTest, SystemAndSpecialFolders) {
  EXPECT_EQ(SystemFolderPath(folders, text, "win"), "C:\\WINDOWS");
  EXPECT_EQ(SystemFolderPath(folders, text, "SYS"), "C:\\WINDOWS\\System32");
  EXPECT_EQ(SystemFolderPath(folders, text, "TMP"), "");
  EXPECT_EQ(SpecialFolderPath(folders, csidl::kDrives), "");
  EXPECT_EQ(SpecialFolderPath(folders, csidl::kAppData), "C:\\Users\\Łucja\\AppData\\Roaming");
}

TEST(VersionTextTest, FourNumbersFromTheFileVersion) {
  FixedVersionInfo fixed;
  fixed.fileVersionMS = (2u << 16) | 0u;
  fixed.fileVersionLS = (0u << 16) | 42u;
  EXPECT_EQ(VersionText(&fixed), "2.0.0.42");
  fixed.fileVersionMS = 0xFFFFFFFF;
  fixed.fileVersionLS = 0x00010002;
  EXPECT_EQ(VersionText(&fixed), "65535.65535.1.2");
  EXPECT_EQ(VersionText(nullptr), "0.0.0.0");
}

TEST(VersionTextTest, ProgramVersionComesFromTheRunningFile) {
  fakes::FakeProgramFile program;
  fakes::FakeFileInformation files;
  EXPECT_EQ(ProgramVersionText(program, files), "0.0.0.0") << "no version block";
  files.Add(program.path).version = fakes::FakeVersion{};
  EXPECT_EQ(ProgramVersionText(program, files), "0.0.0.0") << "a block without fixed information";
  FixedVersionInfo fixed;
  fixed.fileVersionMS = 0x00030001;
  fixed.fileVersionLS = 0x0004009F;
  files.Add(program.path).version->fixed = fixed;
  EXPECT_EQ(ProgramVersionText(program, files), "3.1.4.159");
}

TEST(TempFolderTest, AddsTheFinalBackslashOnlyToAnExistingFolder) {
  fakes::FakeTempFolder temp;
  fakes::FakeFileSystem files;
  files.AddDirectory("C:\\Temp");
  temp.path = "C:\\Temp";
  EXPECT_EQ(TempFolderPath(temp, files), "C:\\Temp\\");
  temp.path = "C:\\Temp\\";
  EXPECT_EQ(TempFolderPath(temp, files), "C:\\Temp\\");
  temp.path = "C:\\Gone";
  EXPECT_EQ(TempFolderPath(temp, files), "C:\\Gone");
  temp.path = "";
  EXPECT_EQ(TempFolderPath(temp, files), "");
}

}  // namespace
}  // namespace kromelik
