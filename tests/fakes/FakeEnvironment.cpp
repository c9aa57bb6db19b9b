#include "fakes/FakeEnvironment.h"

namespace kromelik::fakes {

namespace {

class FakeVersionResource : public VersionResource {
 public:
  explicit FakeVersionResource(FakeVersion version) : version_(std::move(version)) {}

  std::optional<VersionTranslation> FirstTranslation() const override { return version_.translation; }
  std::optional<std::string> QueryString(std::string_view subBlock) const override {
    for (const auto& [path, text] : version_.strings)
      if (UpperCase(path) == UpperCase(subBlock)) return text;
    return std::nullopt;
  }
  std::optional<FixedVersionInfo> Fixed() const override { return version_.fixed; }

 private:
  FakeVersion version_;
};

}  // namespace

std::unique_ptr<VersionResource> FakeFileInformation::ReadVersion(std::string_view path) const {
  const FakeFile* file = Find(path);
  if (!file || !file->version) return nullptr;
  return std::make_unique<FakeVersionResource>(*file->version);
}

}  // namespace kromelik::fakes
