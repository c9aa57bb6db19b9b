#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kromelik {

// Windows INI files, read as the platform reads them: section and key names without
// regard to letter case, values without the blanks around them and without one pair of
// quotes that encloses them whole. Only the first section of a name counts, and in it
// the first key of a name. A file with a UTF-16 byte-order mark is read as UTF-16, one
// without any mark in the system's ANSI code page. (Wine reads a UTF-8 mark as UTF-8
// too; Windows is not known to, so a file meant for both is better UTF-16.)
class IniFile {
 public:
  virtual ~IniFile() = default;

  // The value of `key` in `section` of the file at `path`, as UTF-8; nothing when the
  // file, the section or the key is missing. A key written with nothing after its "=" is
  // there, with an empty value. The file is not held open afterwards.
  virtual std::optional<std::string> Read(std::string_view path, std::string_view section,
                                          std::string_view key) const = 0;

  std::string ReadString(std::string_view path, std::string_view section, std::string_view key,
                         std::string_view fallback) const {
    return Read(path, section, key).value_or(std::string(fallback));
  }
};

}  // namespace kromelik
