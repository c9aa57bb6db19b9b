#pragma once

// What every dialog reaches beyond its own window: the platform, the toolbar it borrows
// while it is open, and what the toolbar read at start.

#include <string>

#include "core/Platform.h"
#include "core/Settings.h"
#include "core/Toolbar.h"
#include "core/ports/ToolbarWindow.h"

namespace kromelik {

struct DialogPorts {
  Platform platform;
  Toolbar& toolbar;
  ToolbarWindow& toolbarWindow;
  std::string systemDirectory;  // where the header pictures come from
  const StartupOptions& options;  // in force now: the options dialog changes them
};

}  // namespace kromelik
