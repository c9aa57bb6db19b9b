// The drives of the Wine prefix, where C: is its drive_c. Labels are left alone: Wine
// reads them once, when its mount manager starts, so a test cannot set one.

#include <algorithm>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "win32/Win32Drives.h"

namespace kromelik {
namespace {

std::optional<Drive> Find(const std::vector<Drive>& drives, char letter) {
  const auto it = std::find_if(drives.begin(), drives.end(),
                               [letter](const Drive& drive) { return drive.letter == letter; });
  if (it == drives.end()) return std::nullopt;
  return *it;
}

TEST(Win32DrivesTest, TheSystemDriveIsListedAsFixed) {
  const std::optional<Drive> system = Find(Win32Drives().List(), 'C');

  ASSERT_TRUE(system);
  EXPECT_EQ(system->type, DriveType::Fixed);
}

}  // namespace
}  // namespace kromelik
