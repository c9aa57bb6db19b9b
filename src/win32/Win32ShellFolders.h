#pragma once

#include <optional>
#include <string>

#include "core/ports/ShellFolders.h"

namespace kromelik {

class Win32ShellFolders : public ShellFolders {
 public:
  std::optional<std::string> FolderPath(int csidl) const override;
  std::string WindowsDirectory() const override;
  std::string SystemDirectory() const override;
};

}  // namespace kromelik
