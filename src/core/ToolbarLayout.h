#pragma once

// Where everything stands on the toolbar strip, for a given screen width.

#include <array>
#include <string_view>

#include "core/ToolbarButtons.h"
#include "core/ports/Cursor.h"

namespace kromelik {

inline constexpr int kToolbarHeight = 45;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

class ToolbarLayout {
 public:
  explicit ToolbarLayout(int screenWidth) : width_(screenWidth) {}

  int Width() const { return width_; }
  int Height() const { return kToolbarHeight; }
  Rect ButtonRect(ToolbarButton button) const;
  // The four vertical separator lines between the button groups.
  std::array<Rect, 4> Bevels() const;
  Rect LogoStrip() const;  // Panel2, in the panel's coordinates

  // Where a button's menu opens, with the toolbar's top edge at `toolbarTop`: under the
  // button, at the offset of its width; the shutdown menu opens its height to the right.
  ScreenPoint PopupPoint(ToolbarButton button, int toolbarTop) const;

 private:
  int width_;
};

}  // namespace kromelik
