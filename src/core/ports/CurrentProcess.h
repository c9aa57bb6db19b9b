#pragma once

#include <cstdint>

namespace kromelik {

// The running instance of the program, told apart from any other running at the same
// time (a restart starts the new one before the old one has ended).
class CurrentProcess {
 public:
  virtual ~CurrentProcess() = default;

  // The platform's number for this process: the same for its whole life, never 0, and
  // no other running process has it.
  virtual std::uint32_t Id() const = 0;
};

}  // namespace kromelik
