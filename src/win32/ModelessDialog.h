#pragma once

// The base of every dialog the toolbar opens: made once, hidden, shown without being
// modal while the toolbar is lent to it, and giving the toolbar back however it closes
// (its OK or Cancel, Escape, the close box, Alt+F4 or its destruction).

#include <string>

#include "core/Toolbar.h"
#include "win32/Window.h"

namespace kromelik {

class ModelessDialog : public Window {
 public:
  explicit ModelessDialog(Toolbar& toolbar) : toolbar_(toolbar) {}
  ~ModelessDialog() override;

  // Creates the hidden window with a caption, centred on the screen; `clientWidth` and
  // `clientHeight` size its client area.
  bool Create(HINSTANCE instance, HWND owner, const std::string& title, int clientWidth,
              int clientHeight);

  // Lends the toolbar to the dialog and shows it (OpenDialogFromToolbar).
  void Open();
  // Hides the dialog and gives the toolbar back; nothing happens when it is not open.
  void Close();
  bool IsOpen() const { return open_; }

  // Gives the open dialogs their keyboard: Tab, Enter, Escape. The message loop calls it
  // for every message; true when the message was taken.
  static bool PreTranslate(MSG& message);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Hooks for the dialogs: fill the controls before showing, react to OK (Enter).
  virtual void OnCreateControls() {}
  virtual void OnShow() {}
  virtual void OnOk() { Close(); }
  virtual void OnClosed() {}
  virtual bool OnCommand(int id, int code, HWND control);

 private:
  Toolbar& toolbar_;
  bool open_ = false;
};

}  // namespace kromelik
