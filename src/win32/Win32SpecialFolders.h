#pragma once

#include <optional>
#include <string>

#include "core/ports/SpecialFolders.h"

namespace kromelik {

class Win32SpecialFolders : public SpecialFolders {
 public:
  std::optional<std::string> FolderPath(int csidl) const override;
  std::string WindowsDirectory() const override;
  std::string SystemDirectory() const override;
};

}  // namespace kromelik
