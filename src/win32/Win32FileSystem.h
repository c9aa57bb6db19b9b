#pragma once

#include <string_view>
#include <vector>

#include "core/ports/FileSystem.h"

namespace kromelik {

class Win32FileSystem : public FileSystem {
 public:
  bool FileExists(std::string_view path) const override;
  bool DirectoryExists(std::string_view path) const override;
  std::vector<DirectoryEntry> FindEntries(std::string_view pattern) const override;
  FileContents ReadWholeFile(std::string_view path) const override;
  bool RemoveFile(std::string_view path) override;
};

}  // namespace kromelik
