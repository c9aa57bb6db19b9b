#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports/FileSystem.h"

namespace kromelik::fakes {

// Files and folders by path, without regard to letter case; adding a file adds its
// folders. Patterns take "*" and "?" in their last part. Failed reads carry the messages
// of an English Windows.
class FakeFileSystem : public FileSystem {
 public:
  void AddFile(std::string_view path, std::string_view bytes = {});
  void AddDirectory(std::string_view path);
  void Remove(std::string_view path);
  // The file stays, but reading it fails as if another program held it exclusively.
  void MarkUnreadable(std::string_view path,
                      std::string message = "The process cannot access the file because it "
                                            "is being used by another process.");
  void MarkReadable(std::string_view path);

  bool FileExists(std::string_view path) const override;
  bool DirectoryExists(std::string_view path) const override;
  std::vector<DirectoryEntry> FindEntries(std::string_view pattern) const override;
  FileContents ReadWholeFile(std::string_view path) const override;
  // A file marked unreadable is held by another program, which keeps it from going too.
  bool RemoveFile(std::string_view path) override;

 private:
  struct Entry {
    std::string path;
    bool isDirectory;
    std::string bytes;
    std::optional<std::string> unreadable;  // the message a read fails with
  };
  std::map<std::string, Entry> entries_;  // by upper-cased path without a final "\"
};

bool MatchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace kromelik::fakes
