#pragma once

// The search dialog's window: the phrase with its history, the button that chooses the
// service from a menu, the history's clearing, Anuluj and OK. The dialog's logic
// decides; the window shows its state after each act it forwards.

#include <windows.h>

#include "core/LiveOptions.h"
#include "dialogs/TWyszukaj.h"
#include "win32/MenuRenderer.h"
#include "win32/ModelessDialog.h"
#include "win32/OrganizerWindow.h"
#include "win32/Win32ToolbarPorts.h"

namespace kromelik {

class SearchWindow : public ModelessDialog {
 public:
  // Control identifiers, shared so that tests can reach the controls.
  enum Id : int { kPhrase = 300, kServices = 301, kClearHistory = 302, kCancel = 303 };

  SearchWindow(const DialogPorts& ports, LiveOptions& live);
  ~SearchWindow() override;

  bool Create(HINSTANCE instance, HWND owner);

 private:
  void OnCreateControls() override;
  void OnShow() override;
  void OnOk() override;
  void OnClosed() override { search_.FormClose(); }
  bool OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void Present();
  void ChooseService();
  void FocusPhrase();
  void DrawArrow(const DRAWITEMSTRUCT& draw);

  LiveOptions& live_;
  Win32MessageBoxes messages_;
  TWyszukaj search_;
  MenuRenderer renderer_;
  ImageList noPictures_{"pm_Wyszukiwarki"};
  std::vector<std::string> shownHistory_;
  bool presenting_ = false;
};

}  // namespace kromelik
