#pragma once

namespace kromelik {

class Connectivity {
 public:
  virtual ~Connectivity() = default;

  // Whether the platform reports a connection to the internet, of whatever kind.
  virtual bool IsConnected() const = 0;
};

}  // namespace kromelik
