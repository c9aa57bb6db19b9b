#pragma once

#include <cstdint>

namespace kromelik {

// The dialogs the toolbar's menus open, each made once at start.
enum class ToolbarDialog : std::uint8_t {
  QuickLaunch,  // "Organizuj szybkie uruchamianie"
  Favourites,   // "Organizuj ulubione"
  Options,      // "Opcje"
  Programs,     // "Organizuj programy"
  Games,        // "Organizuj gry i zabawy"
  Search,       // "Wyszukaj w internecie"
  About,        // "O programie ..."
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Lends the toolbar to the dialog and shows it without making it modal; the dialog
  // gives the toolbar back when it closes. A dialog that is already open stays as it is.
  virtual void Open(ToolbarDialog dialog) = 0;
};

}  // namespace kromelik
