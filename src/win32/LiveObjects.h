#pragma once

// How many objects of each kind the program owns now, counted by their owners as they
// take and let go of them. Under Wine GetGuiResources answers nothing, so a leak would
// show only when the system's limit of 10,000 objects runs out: a long run compares
// these counts instead (the toolbar answers them to a registered message).

#include <array>
#include <atomic>
#include <cstddef>

namespace kromelik {

enum class LiveKind : std::size_t {
  Icon,
  Menu,
  Font,
  Brush,
  Bitmap,
  Pen,
  MemoryDc,
  WindowDc,
  ImageList,
  Window,
};
inline constexpr std::size_t kLiveKindCount = 10;

inline constexpr std::array<const char*, kLiveKindCount> kLiveKindNames = {
    "icons", "menus", "fonts", "brushes", "bitmaps", "pens", "memory-dcs", "window-dcs",
    "image-lists", "windows"};

namespace detail {
// Owners on any thread (the icon fetcher's among them) take and let go.
inline std::array<std::atomic<long>, kLiveKindCount> liveObjects{};
}  // namespace detail

inline void LiveObjectTaken(LiveKind kind) noexcept {
  detail::liveObjects[static_cast<std::size_t>(kind)].fetch_add(1, std::memory_order_relaxed);
}
inline void LiveObjectGone(LiveKind kind) noexcept {
  detail::liveObjects[static_cast<std::size_t>(kind)].fetch_sub(1, std::memory_order_relaxed);
}
inline long LiveObjects(LiveKind kind) noexcept {
  return detail::liveObjects[static_cast<std::size_t>(kind)].load(std::memory_order_relaxed);
}

}  // namespace kromelik
