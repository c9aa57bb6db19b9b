#include "contract/CurrentProcessContract.h"

#include <cstdint>

namespace kromelik::contract {

TEST_P(CurrentProcessContract, TheIdIsTheSameAtEveryAskingAndNeverZero) {
  const auto process = GetParam().make();
  const std::uint32_t id = process->Id();
  EXPECT_NE(id, 0u);
  EXPECT_EQ(process->Id(), id);
  EXPECT_EQ(GetParam().make()->Id(), id) << "one process, whoever asks";
}

}  // namespace kromelik::contract
