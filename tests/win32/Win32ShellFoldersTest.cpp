#include <string>

#include <gtest/gtest.h>

#include "core/Csidl.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32ShellFolders.h"

namespace kromelik {
namespace {

class Win32SpecialFoldersTest : public ::testing::Test {
 protected:
  Win32ShellFolders folders_;
  Win32FileSystem files_;
};

TEST_F(Win32SpecialFoldersTest, VirtualAndUnknownFoldersHaveNoPath) {
  EXPECT_EQ(folders_.FolderPath(csidl::kDrives), std::nullopt);
  EXPECT_EQ(folders_.FolderPath(0x7F), std::nullopt);
}

TEST_F(Win32SpecialFoldersTest, TheUsersFoldersExist) {
  for (const int csidl : {csidl::kAppData, csidl::kPersonal}) {
    const auto path = folders_.FolderPath(csidl);
    ASSERT_TRUE(path.has_value()) << "CSIDL " << csidl;
    EXPECT_TRUE(files_.DirectoryExists(*path)) << *path;
  }
}

TEST_F(Win32SpecialFoldersTest, TheSystemFolderLiesInTheWindowsFolder) {
  const std::string windows = folders_.WindowsDirectory();
  const std::string system = folders_.SystemDirectory();
  EXPECT_TRUE(files_.DirectoryExists(windows)) << windows;
  EXPECT_TRUE(files_.FileExists(system + "\\kernel32.dll")) << system;
  EXPECT_EQ(system.rfind(windows + "\\", 0), 0u) << system << " is not below " << windows;
}

}  // namespace
}  // namespace kromelik
