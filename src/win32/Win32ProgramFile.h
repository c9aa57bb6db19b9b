#pragma once

#include <string>

#include "core/ports/ProgramFile.h"

namespace kromelik {

class Win32ProgramFile : public ProgramFile {
 public:
  std::string Path() const override;
};

}  // namespace kromelik
