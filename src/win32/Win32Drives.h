#pragma once

#include <vector>

#include "core/ports/Drives.h"

namespace kromelik {

class Win32Drives : public Drives {
 public:
  std::vector<Drive> List() const override;
};

}  // namespace kromelik
