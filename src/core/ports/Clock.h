#pragma once

#include <cstdint>

namespace kromelik {

class Clock {
 public:
  virtual ~Clock() = default;

  virtual std::uint64_t NowMilliseconds() const = 0;
  virtual void Sleep(int milliseconds) = 0;
  // While raised, a 1 ms sleep lasts about 1 ms instead of a scheduler tick. Raising
  // costs power system-wide, so it is held only while it is needed.
  virtual void RaiseResolution() = 0;
  virtual void RestoreResolution() = 0;
};

}  // namespace kromelik
