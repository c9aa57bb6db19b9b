#include "contract/DrivesContract.h"

#include <algorithm>
#include <vector>

namespace kromelik::contract {

// Every letter, not only those the platform counts as in use: a drive mapped while the
// session runs is known by its type before it is counted.
TEST_P(DrivesContract, ListsEveryLetterOnceFromAToZ) {
  const std::vector<Drive> drives = drives_->List();

  ASSERT_EQ(drives.size(), 26U);
  for (std::size_t index = 0; index < drives.size(); ++index)
    EXPECT_EQ(drives[index].letter, static_cast<char>('A' + index));
  EXPECT_TRUE(std::any_of(drives.begin(), drives.end(), [](const Drive& drive) {
    return drive.type != DriveType::Unknown && drive.type != DriveType::NoRootDirectory;
  })) << "every harness has at least its system drive";
}

}  // namespace kromelik::contract
