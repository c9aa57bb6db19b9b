#pragma once

// The behaviour of the registry that the program relies on, written once and run
// against both the in-memory fake (natively) and the real registry (under Wine).

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/ports/Registry.h"

namespace kromelik::contract {

// What a suite needs beyond the port itself: a registry to test, a scratch key under
// HKEY_CURRENT_USER that it may fill and remove, and a way to plant values of kinds the
// program never writes.
class RegistryHarness {
 public:
  virtual ~RegistryHarness() = default;

  virtual Registry& Subject() = 0;
  // A path under HKEY_CURRENT_USER, unique to this harness; it need not exist yet.
  virtual std::string ScratchPath() const = 0;
  enum class RawKind { ExpandText, Binary, MultiText, QWord, Number };
  // Writes a value of that kind into the key at `keyPath` (under HKEY_CURRENT_USER),
  // creating the key if needed. For the text kinds the bytes are UTF-8 text.
  virtual void Plant(std::string_view keyPath, std::string_view name, RawKind kind,
                     std::string_view bytes) = 0;
  // Removes the scratch key and everything below it.
  virtual void Cleanup() = 0;
};

using RegistryHarnessFactory = std::unique_ptr<RegistryHarness> (*)();

// What a suite runs against, named so the test names say it ("Fake", "Win32").
template <typename Factory>
struct Subject {
  const char* name;
  Factory make;

  friend void PrintTo(const Subject& subject, std::ostream* out) { *out << subject.name; }
};

struct SubjectName {
  template <typename Param>
  std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
    return info.param.name;
  }
};

class RegistryContract : public ::testing::TestWithParam<Subject<RegistryHarnessFactory>> {
 protected:
  void SetUp() override;
  void TearDown() override;

  Registry& Subject() { return harness_->Subject(); }
  std::unique_ptr<RegistryKey> OpenScratch(std::string_view below = {});
  std::string Path(std::string_view below = {}) const;

  std::unique_ptr<RegistryHarness> harness_;
};

}  // namespace kromelik::contract

// Each test binary instantiates the suite with its own harness:
//   INSTANTIATE_TEST_SUITE_P(Contract, RegistryContract,
//       ::testing::Values(Subject<RegistryHarnessFactory>{"Fake", &MakeFakeHarness}), SubjectName());
