#pragma once

// A flat picture button of the toolbar: no frame until the mouse is over it, sunken
// while it is down. Which button is down is the toolbar's business; the button only
// shows it and reports clicks to its parent as WM_COMMAND with its id.

#include <string>

#include "win32/Handles.h"
#include "win32/Window.h"

namespace kromelik {

class FlatButton : public Window {
 public:
  // Sent to the parent with WM_COMMAND as the notification: Enter, Space or Down
  // pressed the button (BN_CLICKED is the mouse's), or Escape was pressed on it.
  static constexpr WORD kKeyboardClicked = 0x4B01;
  static constexpr WORD kEscapePressed = 0x4B02;

  // `caption` is the button's window text, which screen readers name it by.
  bool Create(HWND parent, int id, const RECT& bounds, HICON picture, bool visible,
              const wchar_t* caption);
  // The picture may come after the button: it is owned by the toolbar, as at Create.
  void SetPicture(HICON picture, int size);
  void SetDown(bool down);
  bool IsDown() const { return down_; }
  void SetBackground(COLORREF colour);
  int Id() const { return id_; }
  // Focus cues, for the whole strip, by the platform's rule for them: hidden until the
  // keyboard is used, hidden again by the mouse. (Wine's default settings ask for cues
  // always, which would put a dotted frame on every clicked button.)
  void ShowFocusCues(bool shown);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) const;
  void Click(WORD notification = BN_CLICKED);

  int id_ = 0;
  HICON picture_ = nullptr;  // owned by the toolbar, which outlives its buttons
  int pictureSize_ = 32;
  COLORREF background_ = GetSysColor(COLOR_BTNFACE);
  bool down_ = false;
  bool hot_ = false;
  bool pressing_ = false;
  static inline bool keyboardCues_ = false;
};

}  // namespace kromelik
