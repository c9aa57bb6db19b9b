#pragma once

// Reading files whole, as the program relies on it, run against the fake (natively) and
// the real file system (under Wine).

#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "core/ports/FileSystem.h"

namespace kromelik::contract {

// A file system to test and a scratch folder in it that the harness fills.
class FileSystemHarness {
 public:
  virtual ~FileSystemHarness() = default;

  virtual FileSystem& Subject() = 0;
  // The path of `name` in the scratch folder; the folder exists, the name need not.
  virtual std::string PathOf(std::string_view name) const = 0;
  virtual void WriteFile(std::string_view name, std::string_view bytes) = 0;
  virtual void MakeDirectory(std::string_view name) = 0;
  // Keeps the file open without sharing, as another program might, until Release.
  virtual void HoldExclusively(std::string_view name) = 0;
  virtual void Release(std::string_view name) = 0;
};

using FileSystemHarnessFactory = std::unique_ptr<FileSystemHarness> (*)();

class FileSystemContract : public ::testing::TestWithParam<Subject<FileSystemHarnessFactory>> {
 protected:
  void SetUp() override { harness_ = GetParam().make(); }

  FileContents Read(std::string_view name) {
    return harness_->Subject().ReadWholeFile(harness_->PathOf(name));
  }

  std::unique_ptr<FileSystemHarness> harness_;
};

}  // namespace kromelik::contract

// INSTANTIATE_TEST_SUITE_P(Contract, FileSystemContract,
//     ::testing::Values(Subject<FileSystemHarnessFactory>{"Fake", &MakeFakeFiles}), SubjectName());
