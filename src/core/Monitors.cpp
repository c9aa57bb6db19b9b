#include "core/Monitors.h"

namespace kromelik {
namespace {

bool Holds(const Rect& area, ScreenPoint point) {
  return point.x >= area.left && point.x < area.left + area.width && point.y >= area.top &&
         point.y < area.top + area.height;
}

}  // namespace

std::optional<std::size_t> MonitorTouchedAt(const std::vector<Monitor>& monitors,
                                            ScreenPoint cursor) {
  if (monitors.empty()) {
    if (cursor.y == 0) return 0;
    return std::nullopt;
  }
  for (std::size_t index = 0; index < monitors.size(); ++index) {
    const Rect& area = monitors[index].area;
    if (cursor.y != area.top || !Holds(area, cursor)) continue;
    const ScreenPoint above{cursor.x, area.top - 1};
    bool covered = false;
    for (const Monitor& other : monitors) covered = covered || Holds(other.area, above);
    if (!covered) return index;
  }
  return std::nullopt;
}

std::size_t MonitorHolding(const std::vector<Monitor>& monitors, ScreenPoint point) {
  for (std::size_t index = 0; index < monitors.size(); ++index)
    if (Holds(monitors[index].area, point)) return index;
  return 0;
}

}  // namespace kromelik
