#pragma once

#include <cstdint>

#include "core/ports/CurrentProcess.h"

namespace kromelik {

class Win32CurrentProcess : public CurrentProcess {
 public:
  std::uint32_t Id() const override;
};

}  // namespace kromelik
