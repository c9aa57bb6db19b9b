#pragma once

// What tells this run of the program from any other, against the fake (natively) and the
// platform (under Wine).

#include <memory>

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "core/ports/CurrentProcess.h"

namespace kromelik::contract {

using CurrentProcessFactory = std::unique_ptr<CurrentProcess> (*)();

class CurrentProcessContract : public ::testing::TestWithParam<Subject<CurrentProcessFactory>> {};

}  // namespace kromelik::contract
