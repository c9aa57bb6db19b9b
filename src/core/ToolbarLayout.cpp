#include "core/ToolbarLayout.h"

#include <algorithm>

namespace kromelik {

namespace {

constexpr int kButtonWidth = 38;
constexpr int kButtonHeight = 36;
constexpr int kButtonTop = 6;
// The panel fills the window's client area, so its origin is the window's.
constexpr int kPanelLeft = 0;
constexpr int kPanelTop = 0;
// The strip always starts at the screen's left edge.
constexpr int kToolbarLeft = 0;

Rect Intersection(const Rect& a, const Rect& b) {
  const int left = std::max(a.left, b.left);
  const int top = std::max(a.top, b.top);
  const int right = std::min(a.left + a.width, b.left + b.width);
  const int bottom = std::min(a.top + a.height, b.top + b.height);
  return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

}  // namespace

ToolbarLayout::ToolbarLayout(int screenWidth, int dpi) : width_(screenWidth), dpi_(kBaseDpi) {
  SetDpi(dpi);
}

int ToolbarLayout::Scaled(int pixels) const {
  // Half a pixel rounds away from zero, as the platform's MulDiv does.
  const long long scaled = static_cast<long long>(pixels) * dpi_;
  const long long half = kBaseDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kBaseDpi : (scaled - half) / kBaseDpi);
}

Rect ToolbarLayout::Scaled(const Rect& rect) const {
  return {Scaled(rect.left), Scaled(rect.top), Scaled(rect.width), Scaled(rect.height)};
}

int ToolbarLayout::Inset() const { return 2 * Scaled(bevel_); }

int ToolbarLayout::Height() const { return Scaled(kToolbarHeight) + 2 * Shift(); }

Rect ToolbarLayout::Inside() const {
  const int inset = Inset();
  return {inset, inset, std::max(0, width_ - 2 * inset), std::max(0, Height() - 2 * inset)};
}

int ToolbarLayout::Shift() const {
  // Bevels wider than the usual one push the buttons in from every edge, as they push
  // the logo, and the strip grows by as much, so nothing is covered or cut; narrower
  // ones leave everything where it was.
  return std::max(0, Inset() - 2 * Scaled(1));
}

Rect ToolbarLayout::Placed(ToolbarButton button) const {
  const int width = Scaled(kButtonWidth);
  const int shift = Shift();
  Rect base = Scaled(Rect{0, kButtonTop, kButtonWidth, kButtonHeight});
  base.top += shift;
  const ButtonPlace place = ButtonInfoOf(button).place;
  switch (place.from) {
    case ButtonPlace::From::Left:
      return {Scaled(place.offset) + shift, base.top, width, base.height};
    case ButtonPlace::From::Right:
      return {width_ - Scaled(place.offset) - shift, base.top, width, base.height};
    case ButtonPlace::From::OffStrip:
      break;
  }
  return Scaled(Rect{place.offset, 120, 23, 22});
}

Rect ToolbarLayout::ButtonRect(ToolbarButton button) const {
  if (button == ToolbarButton::Kromelik) return Placed(button);
  return Intersection(Placed(button), Inside());
}

std::array<Rect, 4> ToolbarLayout::Bevels() const {
  std::array<Rect, 4> lines{};
  constexpr int kLefts[] = {70, 158, 246, 414};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // A line and its light edge stay one pixel each, however fine the screen.
    const Rect line{Scaled(kLefts[i]) + Shift(), Scaled(8) + Shift(), 1, Scaled(33)};
    lines[i] = Intersection(line, Inside());
  }
  return lines;
}

Rect ToolbarLayout::LogoStrip() const {
  const Rect inside = Inside();
  return {inside.left, inside.top, std::min(Scaled(17), inside.width), inside.height};
}

ScreenPoint ToolbarLayout::PopupPoint(ToolbarButton button, int toolbarTop) const {
  // Where the button stands, not what the bevels leave of it: a menu opens at the same
  // place whatever the look.
  const Rect rect = Placed(button);
  // The programs button measures itself by the folders button, which has the same size.
  const int width = button == ToolbarButton::Programy ? Placed(ToolbarButton::Foldery).width
                                                      : rect.width;
  int x = kPanelLeft + kToolbarLeft + rect.left;
  if (button == ToolbarButton::Wylacz) x += rect.height;
  return {x, kPanelTop + toolbarTop + rect.top + width};
}

}  // namespace kromelik
