#pragma once

// The search dialog: a phrase, one of the fixed search services, and the address of
// the phrase at that service opened in the user's browser. Every phrase searched is
// kept in FindMRU as a value name, which makes the history a set: the registry itself
// keeps one entry for a phrase searched again in any letter case.

#include <string>
#include <string_view>
#include <vector>

#include "core/Toolbar.h"
#include "core/ports/DialogWindow.h"
#include "core/ports/MessageBoxes.h"
#include "core/ports/Registry.h"
#include "core/ports/ShellLauncher.h"
#include "core/ports/TextServices.h"
#include "dialogs/OrganizerFrame.h"
#include "menus/MenuItem.h"

namespace kromelik {

namespace search_texts {
inline constexpr std::string_view kCaption = "Wyszukaj w internecie";
inline constexpr std::string_view kPrompt = "Podaj wyraz (frazę) do wyszukania:";  // Label1
inline constexpr std::string_view kServiceLabel = "Wyszukaj w ...";                // Label2
inline constexpr std::string_view kClear = "Wyczyść historię";                     // sb_Wyczysc
inline constexpr std::string_view kCancel = "Anuluj";                              // SpeedButton3
inline constexpr std::string_view kOk = "OK";                                      // sb_OK
}  // namespace search_texts

// The engine a first run searches with, and what a stored number that names no service
// stands for.
inline constexpr int kDefaultSearchEngine = 1;

struct SearchControls {
  std::string phrase;                // cb_Wyraz's text
  std::vector<std::string> history;  // cb_Wyraz's drop-down list, in the order shown
  bool clearEnabled = false;         // sb_Wyczysc
  bool okEnabled = false;            // sb_OK
};

struct SearchDialogServices {
  Registry& registry;
  TextServices& text;
  ShellLauncher& shell;
  MessageBoxes& messages;  // owned by the dialog
  DialogWindow& dialog;
  Toolbar& toolbar;
};

class TWyszukaj {
 public:
  explicit TWyszukaj(const SearchDialogServices& services);
  TWyszukaj(const TWyszukaj&) = delete;
  TWyszukaj& operator=(const TWyszukaj&) = delete;

  // The dialog's window, once it exists: the browser is started on its behalf.
  void SetOwner(WindowHandle owner) { owner_ = owner; }

  const SearchControls& Controls() const { return controls_; }
  int Engine() const { return engine_; }
  // pm_Wyszukiwarki: an item per service, named "w_" and its engine number, under the
  // submenus they have always been in. A chosen item's OnClick chooses its service.
  const MenuItem& ServiceMenu() const { return menu_; }

  // The history and the stored service read anew, the phrase empty. The window puts
  // the focus in the phrase box after this, and again after a confirmed clear.
  void FormShow();
  void cb_WyrazChange(std::string_view phrase);
  // Escape closes; Enter searches, when there is a phrase to search.
  void cb_WyrazKeyDown(DialogKey key);
  void sb_OKClick();
  void SpeedButton3Click() { services_.dialog.Close(); }
  // The menu about to open: only the current service's item ticked.
  void pm_WyszukiwarkiPopup();
  // The service chosen in the menu; it is stored only by a search.
  void w_1Click(int engine) { engine_ = engine; }
  void sb_WyczyscClick();
  void FormClose() { services_.toolbar.Resume(); }

 private:
  void LoadSearchHistory();
  void BuildServiceMenu();

  SearchDialogServices services_;
  WindowHandle owner_ = 0;
  SearchControls controls_;
  int engine_ = kDefaultSearchEngine;
  MenuItem menu_;
};

}  // namespace kromelik
