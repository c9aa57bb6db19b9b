#pragma once

// The order of the drive list, which the drives menu shows as it comes, run against the
// fake (natively) and the real drives (under Wine).

#include <memory>

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "core/ports/Drives.h"

namespace kromelik::contract {

// Drives to list: for the fake, filled the way a test would fill it.
using DrivesFactory = std::unique_ptr<Drives> (*)();

class DrivesContract : public ::testing::TestWithParam<Subject<DrivesFactory>> {
 protected:
  void SetUp() override { drives_ = GetParam().make(); }
  std::unique_ptr<Drives> drives_;
};

}  // namespace kromelik::contract

// INSTANTIATE_TEST_SUITE_P(Contract, DrivesContract,
//     ::testing::Values(Subject<DrivesFactory>{"Fake", &MakeFakeDrives}), SubjectName());
