#pragma once

// The dialogs the toolbar's menus open: each made once, hidden, in the order the program
// has always made them, and shown on request while the toolbar is lent. They are made
// one by one while the program has nothing else to do once the strip is up, which they
// would otherwise hold back; one asked for before its turn is made then.

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

  // Where the dialogs are made, before any is.
  void SetOwner(HINSTANCE instance, HWND toolbar);
  // Makes the next dialog not yet made. False when it could not be made; those made so
  // far stay usable.
  bool CreateNext();
  bool AllCreated() const { return created_ == kDialogCount; }

  void Open(ToolbarDialog dialog) override;

 private:
  ModelessDialog* Find(ToolbarDialog dialog);
  bool MakeDialog(std::size_t index);

  static constexpr std::size_t kDialogCount = 8;
  HINSTANCE instance_ = nullptr;
  HWND toolbar_ = nullptr;
  std::size_t created_ = 0;  // the dialogs are made in their order: this many so far

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
