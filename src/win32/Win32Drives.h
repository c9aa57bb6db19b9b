#pragma once

#include <memory>
#include <vector>

#include "core/ports/Drives.h"

namespace kromelik {

// A fixed drive's label is read at once. Any other drive's (a share, a removable drive
// or disc) may take as long as its network or medium, so it is read by a thread of its
// own: a list shows the label found last, none the first time, and asks for it anew.
class Win32Drives : public Drives {
 public:
  Win32Drives();
  // The thread is let go rather than waited for, as a drive may never answer.
  ~Win32Drives() override;
  Win32Drives(const Win32Drives&) = delete;
  Win32Drives& operator=(const Win32Drives&) = delete;

  std::vector<Drive> List() const override;

 private:
  struct Labels;
  static void Run(const std::shared_ptr<Labels>& labels);

  std::shared_ptr<Labels> labels_;
};

}  // namespace kromelik
