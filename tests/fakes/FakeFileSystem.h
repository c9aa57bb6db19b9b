#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports/FileSystem.h"

namespace kromelik::fakes {

// Files and folders by path, without regard to letter case; adding a file adds its
// folders. Patterns take "*" and "?" in their last part.
class FakeFileSystem : public FileSystem {
 public:
  void AddFile(std::string_view path);
  void AddDirectory(std::string_view path);
  void Remove(std::string_view path);

  bool FileExists(std::string_view path) const override;
  bool DirectoryExists(std::string_view path) const override;
  std::vector<DirectoryEntry> FindEntries(std::string_view pattern) const override;

 private:
  struct Entry {
    std::string path;
    bool isDirectory;
  };
  std::map<std::string, Entry> entries_;  // by upper-cased path without a final "\"
};

bool MatchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace kromelik::fakes
