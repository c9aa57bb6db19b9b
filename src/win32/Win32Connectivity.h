#pragma once

#include "core/ports/Connectivity.h"

namespace kromelik {

// Wine always reports a LAN connection here, so the offline case is only ever seen
// through a fake of the port.
class Win32Connectivity : public Connectivity {
 public:
  bool IsConnected() const override;
};

}  // namespace kromelik
