#pragma once

// Case mapping and comparison that the program relies on, run against the fake
// (natively) and the platform's (under Wine).

#include <memory>

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "core/ports/TextServices.h"

namespace kromelik::contract {

using TextServicesFactory = std::unique_ptr<TextServices> (*)();

class TextContract : public ::testing::TestWithParam<Subject<TextServicesFactory>> {
 protected:
  void SetUp() override { text_ = GetParam().make(); }
  std::unique_ptr<TextServices> text_;
};

}  // namespace kromelik::contract

// INSTANTIATE_TEST_SUITE_P(Contract, TextContract,
//     ::testing::Values(Subject<TextServicesFactory>{"Fake", &MakeFakeText}), SubjectName());
