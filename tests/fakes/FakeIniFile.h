#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ports/FileSystem.h"
#include "core/ports/IniFile.h"

namespace kromelik::fakes {

// Reads INI files out of a file system (the fake one, in tests) the way Wine's
// GetPrivateProfileStringW does, as the contract shows. Without a byte-order mark the
// bytes are code page 1250, a Polish system's.
class FakeIniFile : public IniFile {
 public:
  explicit FakeIniFile(const FileSystem& files) : files_(files) {}

  std::optional<std::string> Read(std::string_view path, std::string_view section,
                                  std::string_view key) const override;

 private:
  const FileSystem& files_;
};

}  // namespace kromelik::fakes
