#include "contract/DrivesContract.h"

#include <vector>

namespace kromelik::contract {

TEST_P(DrivesContract, ListsEachLetterInUseOnceFromAToZ) {
  const std::vector<Drive> drives = drives_->List();

  ASSERT_FALSE(drives.empty()) << "every harness has at least its system drive";
  char previous = 'A' - 1;
  for (const Drive& drive : drives) {
    EXPECT_GE(drive.letter, 'A');
    EXPECT_LE(drive.letter, 'Z');
    EXPECT_GT(drive.letter, previous) << "after " << previous;
    previous = drive.letter;
  }
}

}  // namespace kromelik::contract
