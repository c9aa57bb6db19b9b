#pragma once

// The options dialog's window: the groups of menu style, colour, bevel, transparency and
// the other options, with the previews of the two menu styles. The dialog's logic
// decides; after each control the user works, the window shows its state anew.

#include <windows.h>

#include "core/LiveOptions.h"
#include "dialogs/TOpcjeF.h"
#include "win32/Handles.h"
#include "win32/ModelessDialog.h"
#include "win32/OrganizerWindow.h"
#include "win32/Tooltips.h"
#include "win32/Win32SystemColours.h"
#include "win32/Win32ToolbarPorts.h"

namespace kromelik {

class OptionsWindow : public ModelessDialog {
 public:
  // Control identifiers, shared so that tests can reach the controls.
  enum Id : int {
    kAutostart = 200,  // CheckBox1, first in the tab order
    kClassic = 201,
    kPastel = 202,
    kChangeColour = 203,
    kRed = 204,
    kGreen = 205,
    kBlue = 206,
    kGrey = 207,
    kBevel = 208,
    kBevelWidth = 209,
    kTransparency = 210,
    kTransparencyBar = 211,
    kExtensions = 212,
    kSort = 213,
    kHotkey = 214,
    kRedNumber = 220,
    kGreenNumber = 221,
    kBlueNumber = 222,
    kBevelWidthText = 223,
    kTransparencyPercent = 224,
    kClassicPreview = 230,
    kPastelPreview = 231,
    kTitle = 232,
    kTitlePicture = 233,
  };

  OptionsWindow(const DialogPorts& ports, LiveOptions& live);
  ~OptionsWindow() override;

  bool Create(HINSTANCE instance, HWND owner);

 private:
  void OnCreateControls() override;
  void OnShow() override;
  void OnOk() override;
  void OnClosed() override { options_.FormClose(); }
  bool OnCommand(int id, int code, HWND control) override;
  std::optional<LRESULT> HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND Item(int id) const { return GetDlgItem(Handle(), id); }
  void AddBar(int id, const OptionsBar& bar, Rect96 at);
  void Present();
  void OnScroll(HWND bar);
  UniqueBitmap DrawPreview(MenuStyle style);

  DialogPorts ports_;
  Win32SystemColours colours_;
  Win32MessageBoxes messages_;
  TOpcjeF options_;
  Tooltips tips_;
  UniqueIcon titleIcon_;
  UniqueBitmap classicPreview_;
  UniqueBitmap pastelPreview_;
  bool presenting_ = false;
};

}  // namespace kromelik
