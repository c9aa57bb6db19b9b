// Where the running program and the temporary folder are.

#include <string>

#include <gtest/gtest.h>

#include "win32/Win32FileSystem.h"
#include "win32/Win32ProgramFile.h"
#include "win32/Win32TempFolder.h"

namespace kromelik {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(Win32ProgramFile, IsTheRunningTestProgram) {
  const std::string path = Win32ProgramFile().Path();
  EXPECT_TRUE(EndsWith(path, "\\win32_tests.exe")) << path;
  EXPECT_TRUE(Win32FileSystem().FileExists(path)) << path;
}

TEST(Win32TempFolder, IsAnExistingFolder) {
  const std::string path = Win32TempFolder().PlatformTempPath();
  ASSERT_FALSE(path.empty());
  EXPECT_TRUE(Win32FileSystem().DirectoryExists(path)) << path;
}

}  // namespace
}  // namespace kromelik
