// The contract suites run against the fakes, so the fakes that every other unit test
// stands on are shown to behave as the platform does.

#include <string>

#include "contract/RegistryContract.h"
#include "contract/TextContract.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeText.h"

namespace kromelik::contract {
namespace {

class FakeRegistryHarness : public RegistryHarness {
 public:
  Registry& Subject() override { return registry_; }
  std::string ScratchPath() const override { return "Software\\KromelikTests\\Fake"; }

  void Plant(std::string_view keyPath, std::string_view name, RawKind kind,
             std::string_view bytes) override {
    using Stored = fakes::FakeRegistry::StoredKind;
    const Stored stored = kind == RawKind::ExpandText ? Stored::ExpandText
                        : kind == RawKind::Binary     ? Stored::Binary
                        : kind == RawKind::MultiText  ? Stored::MultiText
                                                      : Stored::QWord;
    registry_.Plant(RegistryRoot::CurrentUser, keyPath, name, {stored, std::string(bytes)});
  }

  void Cleanup() override {}

 private:
  fakes::FakeRegistry registry_;
};

std::unique_ptr<RegistryHarness> MakeFakeHarness() { return std::make_unique<FakeRegistryHarness>(); }
std::unique_ptr<TextServices> MakeFakeText() { return std::make_unique<fakes::FakeTextServices>(); }

INSTANTIATE_TEST_SUITE_P(Contract, RegistryContract,
                         ::testing::Values(Subject<RegistryHarnessFactory>{"Fake", &MakeFakeHarness}),
                         SubjectName());
INSTANTIATE_TEST_SUITE_P(Contract, TextContract,
                         ::testing::Values(Subject<TextServicesFactory>{"Fake", &MakeFakeText}),
                         SubjectName());

}  // namespace
}  // namespace kromelik::contract
