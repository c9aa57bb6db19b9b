#include "core/ToolbarButtons.h"

#include "core/ComponentNames.h"

namespace kromelik {

namespace {

using From = ButtonPlace::From;
using Rebuild = RebuildBeforePopup;

constexpr ButtonPlace Left(int offset) { return {From::Left, offset}; }

constexpr std::array<ButtonInfo, kToolbarButtonCount> kButtons{{
    {ToolbarButton::About, "AboutSB", "O programie", names::kAboutPM, true, true, Left(28),
     ButtonPicture{StockIcon::Help}, Rebuild::MakerPrograms},
    {ToolbarButton::Panel, "PanelSB", "Panel Strowania", names::kPanelPM, true, true, Left(76),
     ButtonPicture{StockIcon::Settings, "control.exe"}, Rebuild::Applets},
    {ToolbarButton::Uslugi, "UslugiSB", "Narzędzia administracyjne", names::kUslugiPM, true, true,
     Left(116), ButtonPicture{StockIcon::Server, "taskmgr.exe"}, Rebuild::Tools},
    {ToolbarButton::Programy, "ProgramySB", "Programy", names::kProgramyPM, true, true, Left(164),
     ButtonPicture{StockIcon::Application, {}, DrawnPicture::Programs}, Rebuild::Nothing},
    {ToolbarButton::Gry, "GrySB", "Rozrywka", names::kGryPM, true, true, Left(204),
     ButtonPicture{StockIcon::MediaCd, "joy.cpl"}, Rebuild::Nothing},
    {ToolbarButton::Dyski, "DyskiSB", "Dyski", names::kDyskiPM, true, true, Left(252),
     ButtonPicture{StockIcon::Computer}, Rebuild::Drives},
    {ToolbarButton::Foldery, "FolderySB", "Foldery", names::kFolderyPM, true, true, Left(292),
     ButtonPicture{StockIcon::Folder}, Rebuild::Nothing},
    {ToolbarButton::Dokumenty, "DokumentySB", "Dokumenty", names::kDokumentyPM, true, true,
     Left(332), ButtonPicture{StockIcon::Document}, Rebuild::Documents},
    {ToolbarButton::Ulubione, "UlubioneSB", "Uruchom...", names::kUlubionePM, true, true,
     Left(372), ButtonPicture{StockIcon::Application, {}, DrawnPicture::Run},
     Rebuild::QuickLaunch},
    {ToolbarButton::Internet, "InternetSB", "Internet", names::kInternetPM, true, true, Left(420),
     ButtonPicture{StockIcon::Internet, "inetcpl.cpl"}, Rebuild::Nothing},
    {ToolbarButton::RSS, "RSSSB", "Kanały RSS", names::kRSSMP, false, true, Left(460),
     ButtonPicture{StockIcon::Internet}, Rebuild::Nothing},
    // The platform's padlock reads as "locked" or "disabled", not as switching off.
    {ToolbarButton::Wylacz, "WylaczSB", "Zamknij system", names::kExitPM, true, true,
     {From::Right, 2 * 38 + 10}, ButtonPicture{StockIcon::Lock, {}, DrawnPicture::ShutDown},
     Rebuild::Nothing},
    {ToolbarButton::Close, "CloseSB", "Zamknij", "", true, false, {From::Right, 38 + 8},
     ButtonPicture{StockIcon::Error, {}, DrawnPicture::Close}, Rebuild::Nothing},
    // It only holds the group's "down" when no real button is down.
    {ToolbarButton::Kromelik, "Kromelik", "", "", false, false, {From::OffStrip, 232},
     std::nullopt, Rebuild::Nothing},
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

const ButtonInfo& ButtonInfoOf(ToolbarButton button) {
  return kButtons[static_cast<std::size_t>(button)];
}

ToolbarButton NeighbourWithMenu(ToolbarButton from, int direction) {
  const int count = static_cast<int>(kButtons.size());
  int index = static_cast<int>(from);
  for (int tried = 0; tried < count; ++tried) {
    index = ((index + (direction < 0 ? -1 : 1)) % count + count) % count;
    const ButtonInfo& info = kButtons[static_cast<std::size_t>(index)];
    if (info.visible && !info.menu.empty()) return info.button;
  }
  return from;
}

}  // namespace kromelik
