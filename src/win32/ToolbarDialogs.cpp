#include "win32/ToolbarDialogs.h"

#include <string>

#include "core/Settings.h"
#include "win32/WideText.h"

namespace kromelik {

ToolbarDialogs::ToolbarDialogs(const DialogPorts& ports, LiveOptions& live)
    : quickLaunch_(ports),
      favourites_(ports),
      options_(ports, live),
      programs_(ports, kProgramsDialog, ToolbarButton::Programy),
      games_(ports, kGamesDialog, ToolbarButton::Gry),
      search_(ports, live),
      about_(ports) {}

void ToolbarDialogs::SetOwner(HINSTANCE instance, HWND toolbar) {
  instance_ = instance;
  toolbar_ = toolbar;
}

bool ToolbarDialogs::Make(ToolbarDialog dialog) {
  switch (dialog) {
    case ToolbarDialog::QuickLaunch: return quickLaunch_.Create(instance_, toolbar_);
    case ToolbarDialog::Favourites: return favourites_.Create(instance_, toolbar_);
    case ToolbarDialog::Options: return options_.Create(instance_, toolbar_);
    case ToolbarDialog::Programs: return programs_.Create(instance_, toolbar_);
    case ToolbarDialog::Games: return games_.Create(instance_, toolbar_);
    case ToolbarDialog::Search: return search_.Create(instance_, toolbar_);
    case ToolbarDialog::About: return about_.Create(instance_, toolbar_);
  }
  return false;
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
  if (window->Handle() == nullptr && !Make(dialog)) {
    // Nothing was lent yet: the strip goes on as it was.
    const std::wstring title = Utf8ToWide(kApplicationTitle);
    MessageBoxW(toolbar_, L"Nie udało się utworzyć okna.", title.c_str(), MB_OK | MB_ICONERROR);
    return;
  }
  window->Open();
}

}  // namespace kromelik
