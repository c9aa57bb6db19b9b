#pragma once

// The about box's window: white, with the program's picture, its version, the maker's
// links and flat buttons. Links, icons and buttons are owner-drawn buttons, so each is a
// focusable child window whose text is its caption; the box's logic decides what they
// show and what a click does, the window lays them out at each show and draws their
// hover and press looks.

#include <windows.h>

#include <array>
#include <optional>

#include "dialogs/TF_About.h"
#include "win32/Handles.h"
#include "win32/ModelessDialog.h"
#include "win32/OrganizerWindow.h"
#include "win32/Tooltips.h"

namespace kromelik {

class AboutWindow : public ModelessDialog {
 public:
  // Each control's identifier is this plus its place in AboutControl, so that tests can
  // reach the controls.
  static constexpr int kFirstId = 400;

  explicit AboutWindow(const DialogPorts& ports);
  ~AboutWindow() override;

  bool Create(HINSTANCE instance, HWND owner);

 private:
  // Where the mouse is as a drawn control shows it.
  struct Pointer {
    bool inside = false;
    bool left = false;   // the left button went down on it and is still down
    bool right = false;  // likewise the right one
    bool Pressed() const { return inside && (left || right); }
  };

  void OnCreateControls() override;
  void OnShow() override;
  void OnOk() override;
  void OnClosed() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnDpiChanged() override;
  HWND InitialFocus() const override;
  std::optional<LRESULT> HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND Control(AboutControl control) const { return windows_[static_cast<std::size_t>(control)]; }
  std::optional<AboutControl> ControlOf(HWND window) const;
  void MakeFonts();
  void LoadPictures();
  void Present();
  void LayOut();
  void Draw(const DRAWITEMSTRUCT& draw) const;
  void Track(AboutControl control, UINT message, LPARAM lParam);
  static LRESULT CALLBACK TrackPointer(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR control, DWORD_PTR self);

  TF_About about_;
  std::array<HWND, kAboutControls> windows_{};
  std::array<Pointer, kAboutControls> pointers_{};
  Tooltips tips_;
  UniqueFont bold_;
  UniqueFont underlined_;
  UniqueBitmap picture_;  // decoded at the first show, at the size it is shown
  UniqueIcon profile_;
  UniqueIcon coin_;
  bool presenting_ = false;
};

}  // namespace kromelik
