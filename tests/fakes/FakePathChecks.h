#pragma once

#include <map>
#include <string>
#include <string_view>

#include "core/ports/PathChecks.h"
#include "fakes/FakeFileSystem.h"

namespace kromelik::fakes {

// Paths of the fake file system are local and known at once; a path marked slow answers
// what the test planted for it, as a share would before and after its check.
class FakePathChecks : public PathChecks {
 public:
  explicit FakePathChecks(const FakeFileSystem& files) : files_(files) {}

  void MarkSlow(std::string_view path, PathKind known = PathKind::Unknown) {
    slow_[std::string(path)] = known;
  }

  PathState Check(std::string_view path) override {
    ++checks;
    if (const auto found = slow_.find(std::string(path)); found != slow_.end())
      return {found->second, false};
    if (files_.FileExists(path)) return {PathKind::File, true};
    if (files_.DirectoryExists(path)) return {PathKind::Folder, true};
    return {PathKind::Missing, true};
  }

  int checks = 0;

 private:
  const FakeFileSystem& files_;
  std::map<std::string, PathKind, std::less<>> slow_;
};

}  // namespace kromelik::fakes
