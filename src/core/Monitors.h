#pragma once

// The monitors of the desktop and which top edge the cursor touches, for a strip that
// comes down on the monitor the user reaches for.

#include <cstddef>
#include <optional>
#include <vector>

#include "core/ToolbarLayout.h"
#include "core/ports/Cursor.h"

namespace kromelik {

struct Monitor {
  Rect area;  // in screen pixels
  int dpi = kBaseDpi;
  bool operator==(const Monitor&) const = default;
};

// The monitor whose top edge `cursor` touches: it stands on that monitor's top row, and
// nothing lies above it there (a monitor placed below another has no edge to touch where
// they meet). Without any monitor known, the top row of the screen counts, whatever x.
std::optional<std::size_t> MonitorTouchedAt(const std::vector<Monitor>& monitors,
                                            ScreenPoint cursor);

// The monitor that holds `point`, or the first one (the primary) when none does.
std::size_t MonitorHolding(const std::vector<Monitor>& monitors, ScreenPoint point);

}  // namespace kromelik
