#pragma once

#include <string>

#include "core/ports/TempFolder.h"

namespace kromelik {

class Win32TempFolder : public TempFolder {
 public:
  std::string PlatformTempPath() const override;
};

}  // namespace kromelik
