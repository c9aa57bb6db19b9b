#pragma once

#include <cstdint>

namespace kromelik {

// The user's system colours as they are now, as platform colour values (red in the low
// byte), for a toolbar that is painted in one of them rather than in a colour of its own.
class SystemColours {
 public:
  virtual ~SystemColours() = default;

  virtual std::uint32_t ButtonFace() const = 0;
};

}  // namespace kromelik
