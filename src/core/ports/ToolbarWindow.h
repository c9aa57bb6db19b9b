#pragma once

#include <cstdint>
#include <optional>

#include "core/Settings.h"
#include "core/ToolbarButtons.h"
#include "core/ToolbarLayout.h"
#include "core/ports/Cursor.h"

namespace kromelik {

// The toolbar's own window, as the slide and the button watch need it.
class ToolbarWindow {
 public:
  virtual ~ToolbarWindow() = default;

  virtual void Show() = 0;  // visible where it stands, on top of other windows, not activated
  virtual void Hide() = 0;
  // The top-left corner of the monitor the strip belongs to: the window stands at its
  // left edge, and MoveToTop counts from its top edge.
  virtual void SetOrigin(ScreenPoint origin) = 0;
  virtual void MoveToTop(int top) = 0;  // the window's top edge, from the monitor's top
  virtual void Repaint() = 0;           // paints now, not at the next quiet moment
  virtual bool IsActive() const = 0;    // the active window of the user's session
  // A game, a video or a slide show fills the monitor of `area` in front, or the system
  // says one does: the strip must not come over it.
  virtual bool FullScreenInFront(const Rect& area) const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // Keeps the program off the taskbar, whatever the shell did meanwhile.
  virtual void HideTaskbarButton() = 0;
  // Shows `down` pressed and every other button up; told only when that changes.
  virtual void ShowButtonDown(ToolbarButton down) = 0;
  // Paints the strip in `look`, at the places the layout gives now, translucent with
  // `opacity` or opaque.
  virtual void ShowLook(const ToolbarLook& look, std::optional<std::uint8_t> opacity) = 0;
  // Closes the toolbar, which ends the program.
  virtual void Close() = 0;
  // The combination (core/Hotkey.h) calls the strip from anywhere from now on, in place
  // of the one before; 0 for none. False when another program holds it.
  virtual bool RegisterHotkey(std::uint16_t code) = 0;
  // The strip comes to the front with the focus on its first button, its focus showing,
  // remembering the window that had the keyboard.
  virtual void TakeKeyboard() = 0;
  // That window has the keyboard again.
  virtual void GiveKeyboardBack() = 0;
};

}  // namespace kromelik
