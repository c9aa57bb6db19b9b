#pragma once

#include <memory>

#include "core/ports/PathChecks.h"

namespace kromelik {

// Paths on fixed drives are looked at at once. Every other path (a share, a mapped
// drive, a removable drive or disc) is looked at by a thread of its own: the first
// question answers Unknown, later ones what that thread found, and an answer older
// than kFreshForMs is looked at again meanwhile.
class Win32PathChecks : public PathChecks {
 public:
  static constexpr unsigned kFreshForMs = 30000;

  Win32PathChecks();
  // The thread is let go rather than waited for: a look at a share that stopped
  // answering must not hold up the program's end.
  ~Win32PathChecks() override;
  Win32PathChecks(const Win32PathChecks&) = delete;
  Win32PathChecks& operator=(const Win32PathChecks&) = delete;

  PathState Check(std::string_view path) override;

 private:
  struct Shared;
  static void Run(const std::shared_ptr<Shared>& shared);

  std::shared_ptr<Shared> shared_;
};

}  // namespace kromelik
