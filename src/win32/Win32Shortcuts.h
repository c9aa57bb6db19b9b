#pragma once

#include <string>
#include <string_view>

#include <windows.h>

#include <shobjidl.h>

#include "core/ports/Shortcuts.h"
#include "win32/Handles.h"

namespace kromelik {

// Reads shell links with the shell's own link object. COM must already be initialised
// on the thread that first reads a link, and that thread reads every later one: the one
// object is loaded again for each link, since making it costs as much as reading a link.
class Win32Shortcuts : public Shortcuts {
 public:
  std::string LinkTarget(std::string_view linkPath) override;

 private:
  ComPtr<IShellLinkW> link_;
  ComPtr<IPersistFile> file_;
};

}  // namespace kromelik
