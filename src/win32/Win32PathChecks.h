#pragma once

#include <memory>
#include <string_view>

#include "core/ports/PathChecks.h"
#include "win32/JobThread.h"

namespace kromelik {

// Whether looking at `path` may take as long as a network or a medium does: a share
// ("\\\\server\\share"), or a drive letter that is no fixed drive or RAM disk. Addresses,
// program names and other targets that name no drive answer false.
bool MayWaitOnDrive(std::wstring_view path);

// A path that may wait on its drive (MayWaitOnDrive: a share, a mapped drive, a
// removable drive or disc) is looked at by a thread of its own: the first question
// answers Unknown, later ones what that thread found, and an answer older than
// kFreshForMs is looked at again meanwhile. Every other path is looked at at once.
class Win32PathChecks : public PathChecks {
 public:
  static constexpr unsigned kFreshForMs = 30000;

  Win32PathChecks();
  ~Win32PathChecks() override;
  Win32PathChecks(const Win32PathChecks&) = delete;
  Win32PathChecks& operator=(const Win32PathChecks&) = delete;

  PathState Check(std::string_view path) override;

 private:
  struct Shared;

  std::shared_ptr<Shared> shared_;
  JobThread thread_;  // after shared_: let go first
};

}  // namespace kromelik
