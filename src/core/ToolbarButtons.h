#pragma once

// The toolbar's buttons in one table: where each stands, its tip, the menu it opens, its
// picture, what its menu needs built again before it opens, and whether it keeps the
// strip in view. A new button is one more enumerator and one more row.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/PictureNames.h"

namespace kromelik {

enum class ToolbarButton {
  About, Panel, Uslugi, Programy, Gry, Dyski, Foldery, Dokumenty, Ulubione, Internet, RSS,
  Wylacz, Close, Kromelik,
};

inline constexpr std::size_t kToolbarButtonCount = 14;

// Where a button's left edge stands at 96 DPI: so far from the strip's left edge, so far
// from its right edge (those follow the screen's width), or below the strip, out of
// sight, for the group's hidden holder.
struct ButtonPlace {
  enum class From { Left, Right, OffStrip };
  From from;
  int offset;
};

// The button's picture: the icon of `file` in the system directory, else one the program
// draws, else the platform's stock picture.
struct ButtonPicture {
  StockIcon stock;
  std::string_view file{};
  std::optional<DrawnPicture> drawn{};
};

// The parts of a menu that follow the machine or the user's lists while the program
// runs, built again at every press of the button.
enum class RebuildBeforePopup {
  Nothing, Applets, Tools, QuickLaunch, Documents, MakerPrograms, Drives
};

struct ButtonInfo {
  ToolbarButton button;
  std::string_view name;  // the component name, e.g. "PanelSB"
  std::string_view hint;  // shown as its tooltip
  std::string_view menu;  // the popup menu it opens; empty for none
  bool visible;
  // Whether a pressed button keeps the strip in view (the button watch's list).
  bool watched;
  ButtonPlace place;
  std::optional<ButtonPicture> picture;
  RebuildBeforePopup rebuild;
};

const std::array<ButtonInfo, kToolbarButtonCount>& ToolbarButtons();
const ButtonInfo& ButtonInfoOf(ToolbarButton button);
// The next visible button with a menu to the left (`direction` < 0) or the right, round
// the strip's ends: where Left and Right lead from an open menu. The close button, which
// opens none, is passed over.
ToolbarButton NeighbourWithMenu(ToolbarButton from, int direction);

}  // namespace kromelik
