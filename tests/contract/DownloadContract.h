#pragma once

// What a download leaves at the local path, run against the fake (natively) and urlmon
// (under Wine, with file: addresses and a loopback server).

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "contract/RegistryContract.h"
#include "core/ports/Download.h"
#include "core/ports/FileSystem.h"

namespace kromelik::contract {

class DownloadHarness {
 public:
  virtual ~DownloadHarness() = default;

  virtual Download& Subject() = 0;
  // Where the results are looked at.
  virtual FileSystem& Files() = 0;
  // An existing folder for the local files, empty at first.
  virtual std::string LocalFolder() const = 0;
  virtual void WriteLocalFile(std::string_view name, std::string_view bytes) = 0;

  // Addresses: one that serves these bytes, one whose source does not exist, and one
  // whose server takes the request and never answers.
  virtual std::string Published(std::string_view bytes) = 0;
  virtual std::string Missing() = 0;
  virtual std::string Silent() = 0;
};

using DownloadHarnessFactory = std::unique_ptr<DownloadHarness> (*)();

class DownloadContract : public ::testing::TestWithParam<Subject<DownloadHarnessFactory>> {
 protected:
  void SetUp() override { harness_ = GetParam().make(); }

  std::string Local(std::string_view name) const {
    return harness_->LocalFolder() + "\\" + std::string(name);
  }
  // The names in the local folder, sorted.
  std::vector<std::string> LocalNames() const;

  std::unique_ptr<DownloadHarness> harness_;
};

}  // namespace kromelik::contract

// INSTANTIATE_TEST_SUITE_P(Contract, DownloadContract,
//     ::testing::Values(Subject<DownloadHarnessFactory>{"Fake", &MakeFakeDownload}),
//     SubjectName());
