#pragma once

#include <string>
#include <string_view>

#include "core/ports/Shortcuts.h"

namespace kromelik {

// Reads shell links with the shell's own link object, on any thread with COM on it.
class Win32Shortcuts : public Shortcuts {
 public:
  std::string LinkTarget(std::string_view linkPath) override;
};

}  // namespace kromelik
