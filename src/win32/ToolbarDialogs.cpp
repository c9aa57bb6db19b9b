#include "win32/ToolbarDialogs.h"

namespace kromelik {

ToolbarDialogs::ToolbarDialogs(const DialogPorts& ports, LiveOptions& live)
    : quickLaunch_(ports),
      favourites_(ports),
      options_(ports, live),
      programs_(ports, kProgramsDialog, ToolbarButton::Programy),
      games_(ports, kGamesDialog, ToolbarButton::Gry),
      search_(ports, live),
      rss_(ports.toolbar),
      about_(ports) {}

bool ToolbarDialogs::Create(HINSTANCE instance, HWND toolbar) {
  return quickLaunch_.Create(instance, toolbar) && favourites_.Create(instance, toolbar) &&
         options_.Create(instance, toolbar) && programs_.Create(instance, toolbar) &&
         games_.Create(instance, toolbar) && search_.Create(instance, toolbar) &&
         rss_.Create(instance, toolbar, "RSS", 320, 240) && about_.Create(instance, toolbar);
}

ModelessDialog* ToolbarDialogs::Find(ToolbarDialog dialog) {
  switch (dialog) {
    case ToolbarDialog::QuickLaunch: return &quickLaunch_;
    case ToolbarDialog::Favourites: return &favourites_;
    case ToolbarDialog::Programs: return &programs_;
    case ToolbarDialog::Games: return &games_;
    case ToolbarDialog::Options: return &options_;
    case ToolbarDialog::Search: return &search_;
    case ToolbarDialog::About: return &about_;
  }
  return nullptr;
}

void ToolbarDialogs::Open(ToolbarDialog dialog) {
  if (ModelessDialog* window = Find(dialog); window != nullptr && window->Handle() != nullptr)
    window->Open();
}

}  // namespace kromelik
