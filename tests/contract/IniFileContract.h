#pragma once

// Reading values out of INI files, run against the fake (natively) and
// GetPrivateProfileStringW (under Wine).

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "core/ports/FileSystem.h"
#include "core/ports/IniFile.h"

namespace kromelik::contract {

class IniFileHarness {
 public:
  virtual ~IniFileHarness() = default;

  virtual IniFile& Subject() = 0;
  // The file system the files lie in.
  virtual FileSystem& Files() = 0;
  // The path of `name` in a scratch folder that exists; the name need not.
  virtual std::string PathOf(std::string_view name) const = 0;
  virtual void WriteFile(std::string_view name, std::string_view bytes) = 0;
  // What the system's ANSI code page makes of these bytes.
  virtual std::string FromAnsiCodePage(std::string_view bytes) const = 0;
};

using IniFileHarnessFactory = std::unique_ptr<IniFileHarness> (*)();

class IniFileContract : public ::testing::TestWithParam<Subject<IniFileHarnessFactory>> {
 protected:
  void SetUp() override { harness_ = GetParam().make(); }

  std::optional<std::string> Read(std::string_view name, std::string_view section,
                                  std::string_view key) {
    return harness_->Subject().Read(harness_->PathOf(name), section, key);
  }

  std::unique_ptr<IniFileHarness> harness_;
};

}  // namespace kromelik::contract

// INSTANTIATE_TEST_SUITE_P(Contract, IniFileContract,
//     ::testing::Values(Subject<IniFileHarnessFactory>{"Fake", &MakeFakeIniFile}), SubjectName());
