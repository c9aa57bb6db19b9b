#pragma once

// Every popup menu of the toolbar with its fixed items, and the image lists they draw
// from. Each menu is one table of rows (name, caption, hint, picture, command, initial
// visibility); adding a fixed item is adding its row. The items the builders fill are
// found by their component names once, when the menus are made (Places).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ComponentNames.h"
#include "menus/FixedPictures.h"
#include "menus/ImageList.h"
#include "menus/MenuCommands.h"
#include "menus/MenuItem.h"

namespace kromelik {

// The games the system itself may bring, shown in the games menu where they are
// installed; the user's own games follow them and carry full paths, not bare names.
struct BuiltInGame {
  std::string_view caption;
  std::string_view file;  // in the system directory
  SharedPicture image;
};
inline constexpr std::array<BuiltInGame, 5> kBuiltInGames{{
    {"FreeCell", "FreeCell.exe", SharedPicture::FreeCell},
    {"Kierki", "mshearts.exe", SharedPicture::Hearts},
    {"Pasjans", "sol.exe", SharedPicture::Solitaire},
    {"Pasjans - Pająk", "spider.exe", SharedPicture::SpiderSolitaire},
    {"Saper", "winmine.exe", SharedPicture::Minesweeper},
}};

class ToolbarMenus {
 public:
  // `release` gives back the icons that builders append to the image lists at run time.
  explicit ToolbarMenus(const ImageList::IconRelease& release = {});
  ToolbarMenus(const ToolbarMenus&) = delete;
  ToolbarMenus& operator=(const ToolbarMenus&) = delete;

  // The popup menus; each root item is named after its menu ("PanelPM").
  MenuItem AboutPM;
  MenuItem PanelPM;
  MenuItem UslugiPM;
  MenuItem ProgramyPM;
  MenuItem GryPM;
  MenuItem DyskiPM;
  MenuItem FolderyPM;
  MenuItem DokumentyPM;
  MenuItem UlubionePM;
  MenuItem InternetPM;
  MenuItem ExitPM;
  MenuItem RSSMP;

  ImageList ImageListPM;
  ImageList il_IkonyBrenvald;
  ImageList il_SzybkieUr;
  ImageList il_Dokumenty1;

  std::array<MenuItem*, 12> Menus();
  // The menu of that name, or the item of that name in any menu; nullptr when none.
  MenuItem* FindMenu(std::string_view name);
  MenuItem* FindItem(std::string_view name);
  // As FindItem, for names that must exist; throws std::out_of_range.
  MenuItem& Item(std::string_view name);
  const MenuItem& Item(std::string_view name) const {
    return const_cast<ToolbarMenus*>(this)->Item(name);
  }
  // The image list a menu's ImageIndex values point into.
  ImageList& ImagesOf(const MenuItem& menu);

  // Hangs each fixed item's command on it; `context` must outlive the menus.
  void BindCommands(CommandContext& context);

  // The fixed items the builders fill, found once when the menus are made, so that no
  // builder looks a name up while the toolbar runs.
  struct Places {
    MenuItem& favourites;          // "Ulubione" in the Internet menu
    MenuItem& inne;                // the user's own menu from lista.txt
    MenuItem& registeredPrograms;  // "Twoje programy"
    MenuItem& ownPrograms;         // "Programy użytkownika"
    MenuItem& recentDocuments;     // the Recent folder's documents
    MenuItem& recentPrograms;
    MenuItem& recentFolders;
    MenuItem& myDocuments;
    std::array<MenuItem*, 4> personalFolders;  // pictures, music, video, web sites
    std::array<MenuItem*, names::kQuickLaunchSlots> quickLaunch;  // U1 to U20
    std::array<MenuItem*, names::kRecentPageSlots> recentPages;   // Url1 to Url10
    std::array<MenuItem*, names::kDocumentSlots> documents;       // D1 to D15
  };
  const Places& Fixed() const { return places_; }

 private:
  // Every fixed row into its menu, then the places of the builders found among them.
  Places AddFixedItems();

  std::vector<std::pair<MenuItem*, Command>> commands_;
  Places places_;
};

// The name of a numbered slot: "U" and 3 give "U3".
std::string SlotName(std::string_view prefix, int number);

// The slot for a list entry's `number` (1 for the first), or nullptr when the number
// has no slot.
template <std::size_t N>
MenuItem* SlotOf(const std::array<MenuItem*, N>& slots, int number) {
  if (number < 1 || static_cast<std::size_t>(number) > N) return nullptr;
  return slots[static_cast<std::size_t>(number - 1)];
}

// Hides every slot of a numbered menu part; the builders show those with an entry.
template <std::size_t N>
void HideSlots(const std::array<MenuItem*, N>& slots) {
  for (MenuItem* slot : slots) slot->Visible = false;
}

}  // namespace kromelik
