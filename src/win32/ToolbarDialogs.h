#pragma once

// The dialogs the toolbar's menus open: each made once at start, hidden, in the order
// the program has always made them, and shown on request while the toolbar is lent.

#include <windows.h>

#include "core/ports/Dialogs.h"
#include "core/LiveOptions.h"
#include "win32/AboutWindow.h"
#include "win32/ModelessDialog.h"
#include "win32/OptionsWindow.h"
#include "win32/SearchWindow.h"
#include "win32/OrganizerWindows.h"

namespace kromelik {

class ToolbarDialogs : public Dialogs {
 public:
  ToolbarDialogs(const DialogPorts& ports, LiveOptions& live);

  // False when a dialog could not be made; those made so far stay usable.
  bool Create(HINSTANCE instance, HWND toolbar);

  void Open(ToolbarDialog dialog) override;

 private:
  ModelessDialog* Find(ToolbarDialog dialog);

  QuickLaunchWindow quickLaunch_;
  FavouritesWindow favourites_;
  OptionsWindow options_;
  ProgramsWindow programs_;
  ProgramsWindow games_;
  SearchWindow search_;
  // A window for feeds that nothing ever shows, kept so the program has the windows it
  // has always had.
  ModelessDialog rss_;
  AboutWindow about_;
};

}  // namespace kromelik
