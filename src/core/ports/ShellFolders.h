#pragma once

#include <optional>
#include <string>

namespace kromelik {

// Special folders by the platform's CSIDL numbers, and the two system folders.
class ShellFolders {
 public:
  virtual ~ShellFolders() = default;

  // The folder's path, never created; nullopt for virtual folders (CSIDL_DRIVES) and
  // for folders that the platform does not know.
  virtual std::optional<std::string> FolderPath(int csidl) const = 0;
  virtual std::string WindowsDirectory() const = 0;
  virtual std::string SystemDirectory() const = 0;
};

}  // namespace kromelik
