#include "core/ToolbarLayout.h"

#include <algorithm>
#include <iterator>

#include "core/ComponentNames.h"

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

constexpr std::array<ButtonInfo, kToolbarButtonCount> kButtons{{
    {ToolbarButton::About, "AboutSB", "O programie", names::kAboutPM, true, true},
    {ToolbarButton::Panel, "PanelSB", "Panel Strowania", names::kPanelPM, true, true},
    {ToolbarButton::Uslugi, "UslugiSB", "Narzędzia administracyjne", names::kUslugiPM, true, true},
    {ToolbarButton::Programy, "ProgramySB", "Programy", names::kProgramyPM, true, true},
    {ToolbarButton::Gry, "GrySB", "Rozrywka", names::kGryPM, true, true},
    {ToolbarButton::Dyski, "DyskiSB", "Dyski", names::kDyskiPM, true, true},
    {ToolbarButton::Foldery, "FolderySB", "Foldery", names::kFolderyPM, true, true},
    {ToolbarButton::Dokumenty, "DokumentySB", "Dokumenty", names::kDokumentyPM, true, true},
    {ToolbarButton::Ulubione, "UlubioneSB", "Uruchom...", names::kUlubionePM, true, true},
    {ToolbarButton::Internet, "InternetSB", "Internet", names::kInternetPM, true, true},
    {ToolbarButton::RSS, "RSSSB", "Kanały RSS", names::kRSSMP, false, true},
    {ToolbarButton::Wylacz, "WylaczSB", "Zamknij system", names::kExitPM, true, true},
    {ToolbarButton::Close, "CloseSB", "Zamknij", "", true, false},
    {ToolbarButton::Kromelik, "Kromelik", "", "", false, false},
}};

// Looked up by the enumeration's value, so every row must stand at its own button's place.
constexpr bool EveryButtonInItsRow() {
  for (std::size_t i = 0; i < kButtons.size(); ++i)
    if (static_cast<std::size_t>(kButtons[i].button) != i) return false;
  return true;
}
static_assert(EveryButtonInItsRow(), "the button table follows the ToolbarButton enumeration");
static_assert(kButtons.size() == static_cast<std::size_t>(ToolbarButton::Kromelik) + 1);

}  // namespace

const std::array<ButtonInfo, kToolbarButtonCount>& ToolbarButtons() { return kButtons; }

const ButtonInfo& ButtonInfoOf(ToolbarButton button) { return kButtons[static_cast<std::size_t>(button)]; }

namespace {

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
  switch (button) {
    case ToolbarButton::Wylacz:
      return {width_ - 2 * width - Scaled(10) - shift, base.top, width, base.height};
    case ToolbarButton::Close: return {width_ - width - Scaled(8) - shift, base.top, width, base.height};
    // Below the strip, so never seen: it only holds the group's "down" when no real
    // button is down.
    case ToolbarButton::Kromelik: return Scaled(Rect{232, 120, 23, 22});
    default: break;
  }
  constexpr int kLefts[] = {28, 76, 116, 164, 204, 252, 292, 332, 372, 420, 460};
  const auto index = static_cast<std::size_t>(button);
  return {index < std::size(kLefts) ? Scaled(kLefts[index]) + shift : 0, base.top, width,
          base.height};
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
