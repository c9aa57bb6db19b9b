#pragma once

// Where everything stands on the toolbar strip, for a given screen width.

#include <array>
#include <string_view>

#include "core/ports/Cursor.h"

namespace kromelik {

enum class ToolbarButton {
  About, Panel, Uslugi, Programy, Gry, Dyski, Foldery, Dokumenty, Ulubione, Internet, RSS,
  Wylacz, Close, Kromelik,
};

inline constexpr int kToolbarHeight = 45;
inline constexpr std::size_t kToolbarButtonCount = 14;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

struct ButtonInfo {
  ToolbarButton button;
  std::string_view name;  // the component name, e.g. "PanelSB"
  std::string_view hint;  // shown as its tooltip
  std::string_view menu;  // the popup menu it opens; empty for none
  bool visible;
  // Whether a pressed button keeps the strip in view (the button watch's list).
  bool watched;
};

const std::array<ButtonInfo, kToolbarButtonCount>& ToolbarButtons();
const ButtonInfo& ButtonInfoOf(ToolbarButton button);

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
