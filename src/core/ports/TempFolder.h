#pragma once

#include <string>

namespace kromelik {

class TempFolder {
 public:
  virtual ~TempFolder() = default;

  // The platform's temporary path, exactly as it gives it (possibly empty).
  virtual std::string PlatformTempPath() const = 0;
};

}  // namespace kromelik
