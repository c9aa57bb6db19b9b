#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ports/IniFile.h"

namespace kromelik {

// GetPrivateProfileStringW, so the file is read exactly as Windows reads INI files.
class Win32IniFile : public IniFile {
 public:
  std::optional<std::string> Read(std::string_view path, std::string_view section,
                                  std::string_view key) const override;
};

}  // namespace kromelik
