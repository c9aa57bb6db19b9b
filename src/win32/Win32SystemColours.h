#pragma once

#include <cstdint>

#include "core/ports/SystemColours.h"

namespace kromelik {

class Win32SystemColours : public SystemColours {
 public:
  std::uint32_t ButtonFace() const override;
};

}  // namespace kromelik
