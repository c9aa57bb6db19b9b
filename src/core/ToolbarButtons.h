#pragma once

// The toolbar's buttons, what each opens, and which of them keep the strip in view.

#include <array>
#include <cstddef>
#include <string_view>

namespace kromelik {

enum class ToolbarButton {
  About, Panel, Uslugi, Programy, Gry, Dyski, Foldery, Dokumenty, Ulubione, Internet, RSS,
  Wylacz, Close, Kromelik,
};

inline constexpr std::size_t kToolbarButtonCount = 14;

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

}  // namespace kromelik
