#pragma once

// The dialogs the toolbar's menus open: each made once, when it is first asked for, then
// kept and shown on request while the toolbar is lent. Made at start, the seven would
// cost a waiting strip about a megabyte, for dialogs that most days stay closed.

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

  // Makes the dialog first when it has not been made; one that cannot be made is told
  // in a message box, and is tried again at the next request.
  void Open(ToolbarDialog dialog) override;

 private:
  ModelessDialog* Find(ToolbarDialog dialog);
  bool Make(ToolbarDialog dialog);

  HINSTANCE instance_ = nullptr;
  HWND toolbar_ = nullptr;

  QuickLaunchWindow quickLaunch_;
  FavouritesWindow favourites_;
  OptionsWindow options_;
  ProgramsWindow programs_;
  ProgramsWindow games_;
  SearchWindow search_;
  AboutWindow about_;
};

}  // namespace kromelik
