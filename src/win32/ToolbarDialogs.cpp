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

void ToolbarDialogs::SetOwner(HINSTANCE instance, HWND toolbar) {
  instance_ = instance;
  toolbar_ = toolbar;
}

bool ToolbarDialogs::MakeDialog(std::size_t index) {
  switch (index) {
    case 0: return quickLaunch_.Create(instance_, toolbar_);
    case 1: return favourites_.Create(instance_, toolbar_);
    case 2: return options_.Create(instance_, toolbar_);
    case 3: return programs_.Create(instance_, toolbar_);
    case 4: return games_.Create(instance_, toolbar_);
    case 5: return search_.Create(instance_, toolbar_);
    case 6: return rss_.Create(instance_, toolbar_, "RSS", 320, 240);
    case 7: return about_.Create(instance_, toolbar_);
  }
  return false;
}

bool ToolbarDialogs::CreateNext() {
  if (AllCreated()) return true;
  if (!MakeDialog(created_)) return false;
  ++created_;
  return true;
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
  ModelessDialog* window = Find(dialog);
  if (window == nullptr) return;
  // The earlier ones too, so they keep the order they have always been made in.
  while (window->Handle() == nullptr && !AllCreated())
    if (!CreateNext()) return;
  if (window->Handle() != nullptr) window->Open();
}

}  // namespace kromelik
