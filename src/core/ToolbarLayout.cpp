#include "core/ToolbarLayout.h"

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

Rect ToolbarLayout::ButtonRect(ToolbarButton button) const {
  switch (button) {
    case ToolbarButton::About: return {28, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Panel: return {76, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Uslugi: return {116, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Programy: return {164, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Gry: return {204, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Dyski: return {252, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Foldery: return {292, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Dokumenty: return {332, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Ulubione: return {372, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Internet: return {420, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::RSS: return {460, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Wylacz:
      return {width_ - kButtonWidth - kButtonWidth - 10, kButtonTop, kButtonWidth, kButtonHeight};
    case ToolbarButton::Close: return {width_ - kButtonWidth - 8, kButtonTop, kButtonWidth, kButtonHeight};
    // Below the strip, so never seen: it only holds the group's "down" when no real
    // button is down.
    case ToolbarButton::Kromelik: return {232, 120, 23, 22};
  }
  return {};
}

std::array<Rect, 4> ToolbarLayout::Bevels() const {
  return {{{70, 8, 1, 33}, {158, 8, 1, 33}, {246, 8, 1, 33}, {414, 8, 1, 33}}};
}

Rect ToolbarLayout::LogoStrip() const { return {2, 2, 17, kToolbarHeight - 4}; }

ScreenPoint ToolbarLayout::PopupPoint(ToolbarButton button, int toolbarTop) const {
  const Rect rect = ButtonRect(button);
  // The programs button measures itself by the folders button, which has the same size.
  const int width = button == ToolbarButton::Programy ? ButtonRect(ToolbarButton::Foldery).width
                                                      : rect.width;
  int x = kPanelLeft + kToolbarLeft + rect.left;
  if (button == ToolbarButton::Wylacz) x += rect.height;
  return {x, kPanelTop + toolbarTop + rect.top + width};
}

}  // namespace kromelik
