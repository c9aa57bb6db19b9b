#pragma once

#include <memory>
#include <vector>

#include "core/ports/Drives.h"
#include "win32/JobThread.h"

namespace kromelik {

// A fixed drive's label is read at once. Any other drive's (a share, a removable drive
// or disc) may take as long as its network or medium, so it is read by a thread of its
// own: a list shows the label found last, none the first time, and asks for it anew.
class Win32Drives : public Drives {
 public:
  Win32Drives();
  ~Win32Drives() override;
  Win32Drives(const Win32Drives&) = delete;
  Win32Drives& operator=(const Win32Drives&) = delete;

  std::vector<Drive> List() const override;

 private:
  struct Labels;

  std::shared_ptr<Labels> labels_;
  mutable JobThread thread_;  // after labels_: let go first
};

}  // namespace kromelik
