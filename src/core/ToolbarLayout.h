#pragma once

// Where everything stands on the toolbar strip, for a given screen width.

#include <array>
#include <string_view>

#include "core/ToolbarButtons.h"
#include "core/ports/Cursor.h"

namespace kromelik {

// The strip's height at 96 DPI with the usual bevels; every size of the layout is given
// at 96 DPI and scaled.
inline constexpr int kToolbarHeight = 45;
inline constexpr int kBaseDpi = 96;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

class ToolbarLayout {
 public:
  explicit ToolbarLayout(int screenWidth, int dpi = kBaseDpi);

  // The screen's width or the monitor's DPI changed: the strip follows, as it follows
  // the bevels it is painted with.
  void SetScreenWidth(int screenWidth) { width_ = screenWidth; }
  void SetDpi(int dpi) { dpi_ = dpi > 0 ? dpi : kBaseDpi; }
  // Each of the panel's two bevels is `width` pixels at 96 DPI; none when not raised.
  void SetBevel(bool raised, int width) { bevel_ = raised && width > 0 ? width : 0; }

  int Dpi() const { return dpi_; }
  int Width() const { return width_; }
  int Height() const;
  // `pixels` at 96 DPI at the layout's DPI, rounded to the nearest.
  int Scaled(int pixels) const;

  // Inside both bevels: what the logo and the buttons may paint on.
  Rect Inside() const;
  // A button's window: its place on the strip, kept inside the bevels.
  Rect ButtonRect(ToolbarButton button) const;
  // The four vertical separator lines between the button groups, inside the bevels.
  std::array<Rect, 4> Bevels() const;
  Rect LogoStrip() const;  // Panel2, aligned to the left edge inside the bevels

  // Where a button's menu opens, with the toolbar's top edge at `toolbarTop`: under the
  // button, at the offset of its width; the shutdown menu opens its height to the right.
  ScreenPoint PopupPoint(ToolbarButton button, int toolbarTop) const;

 private:
  Rect Placed(ToolbarButton button) const;  // where the button stands, bevels aside
  int Inset() const;  // both bevels together
  int Shift() const;
  Rect Scaled(const Rect& rect) const;

  int width_;
  int dpi_;
  int bevel_ = 1;
};

}  // namespace kromelik
