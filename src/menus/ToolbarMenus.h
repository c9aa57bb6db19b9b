#pragma once

// Every popup menu of the toolbar with its fixed items, and the image lists they draw
// from. Each menu is one table of rows (name, caption, hint, picture, command, initial
// visibility); adding a fixed item is adding its row. Builders reach items by their
// component names.

#include <array>
#include <string_view>
#include <utility>
#include <vector>

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

 private:
  std::vector<std::pair<MenuItem*, Command>> commands_;
};

}  // namespace kromelik
