#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kromelik {

struct DirectoryEntry {
  std::string name;  // the name alone, without the folder
  bool isDirectory = false;
};

// Why a file gave no bytes. The user is told differently when there is nothing to read
// and when something is there but will not be read, so the kinds keep them apart.
struct FileReadError {
  enum class Kind {
    NotFound,     // no such file, or no such folder on the way to it
    IsDirectory,  // the name belongs to a folder
    Unreadable,   // it is there, but locked by another program, denied, or failed mid-read
  };
  Kind kind = Kind::Unreadable;
  // The platform's own description, in the user's language, fit for a message box.
  std::string message;
};

struct FileContents {
  std::string bytes;  // empty whenever `error` is set
  std::optional<FileReadError> error;

  bool WasRead() const { return !error; }
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
  // The whole file as stored, byte for byte: no line-end translation, and neither a NUL
  // nor a Ctrl+Z ends it. Another program may have it open for reading or writing.
  virtual FileContents ReadWholeFile(std::string_view path) const = 0;
  // Deletes a file (never a folder); false when there was none or it could not go, as
  // when another program holds it open.
  virtual bool RemoveFile(std::string_view path) = 0;
};

}  // namespace kromelik
