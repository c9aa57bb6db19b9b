#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kromelik {

struct DirectoryEntry {
  std::string name;  // the name alone, without the folder
  bool isDirectory = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // An existing file; a directory of that name does not count.
  virtual bool FileExists(std::string_view path) const = 0;
  virtual bool DirectoryExists(std::string_view path) const = 0;
  // Entries matching a pattern with wildcards in its last part, such as "C:\dir\*.lnk";
  // "." and ".." are left out. No match or no folder: empty.
  virtual std::vector<DirectoryEntry> FindEntries(std::string_view pattern) const = 0;
};

}  // namespace kromelik
