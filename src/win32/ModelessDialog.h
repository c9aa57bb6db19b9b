#pragma once

// The base of every dialog the toolbar opens: made once, hidden, shown without being
// modal while the toolbar is lent to it, and giving the toolbar back however it closes
// (its OK or Cancel, Escape, the close box, Alt+F4 or its destruction).
//
// The window is the system's dialog, made from a template in memory, and the dialog
// manager runs it: the default button, moving the focus on request, keeping it across
// deactivation, the dialog's face. The template holds no controls, though. The dialogs'
// layouts are measured in pixels (organizers with client areas of 469 × 255 and
// 470 × 256, for instance), which dialog units cannot give: with the 8-point message font
// at 96 DPI one horizontal unit is 1.75 pixels. So the template describes only the
// window, and each control is made here at its place in pixels of 96 DPI, scaled to the
// window's DPI, with the system's message font. A dialog without a modal loop of its own
// still needs IsDialogMessageW for its keys: PreTranslate.

#include <optional>
#include <string>
#include <vector>

#include "core/Toolbar.h"
#include "core/ports/DialogWindow.h"
#include "win32/Handles.h"
#include "win32/Window.h"

namespace kromelik {

// A control's place as the dialogs give it: client coordinates at 96 DPI.
struct Rect96 {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The platform's standard controls, each with the styles a dialog gives it. Focusable
// kinds are tab stops, except radio buttons, which are one only where a group starts
// (WS_GROUP), since the arrows move within a group.
enum class ControlKind {
  Label,          // static text; its "&" mnemonic focuses the next tab stop
  GroupBox,       // framed group with a caption
  Button,         // push button
  DefaultButton,  // push button that Enter presses unless another push button has the focus
  CheckBox,       // ticks itself when clicked
  RadioButton,    // selects itself when clicked
  Edit,           // one line, scrolls sideways
  ComboBox,       // edit with a drop-down list; the height includes the dropped list
  DropDownList,   // choice from a drop-down list; the height includes the dropped list
  ListView,
  TrackBar,
  HotKey,         // the platform's hotkey field: shows and takes a key combination
};

// The frame around a dialog. A tool window has a small caption; without buttons it has
// no close box either, and closes by its own buttons, Escape or Alt+F4.
enum class DialogFrame { Standard, Tool, ToolWithoutButtons };

// Each dialog's window is also the DialogWindow its logic closes it through.
class ModelessDialog : public Window, public DialogWindow {
 public:
  explicit ModelessDialog(Toolbar& toolbar) : toolbar_(toolbar) {}
  ~ModelessDialog() override;

  // Creates the hidden window with a caption, centred on the screen, with a client area
  // of the given size at 96 DPI, scaled to the window's DPI; then OnCreateControls.
  bool Create(HINSTANCE instance, HWND owner, const std::string& title, int clientWidth,
              int clientHeight, DialogFrame frame = DialogFrame::Standard);

  // Lends the toolbar to the dialog, shows it and puts the focus on InitialFocus
  // (OpenDialogFromToolbar).
  void Open();
  // Hides the dialog and gives the toolbar back; nothing happens when it is not open.
  void Close() override;
  bool IsOpen() const { return open_; }

  // The window's DPI, by which every 96-DPI measure of the dialog is scaled.
  int Dpi() const { return dpi_; }
  // The system's message font at the dialog's DPI, which every control is given.
  HFONT Font() const;

  // Gives the open dialogs their keyboard: Tab, Enter, Escape. The message loop calls it
  // for every message; true when the message was taken.
  static bool PreTranslate(MSG& message);

 protected:
  // A message to the dialog: its answer, or nothing when the message is not the dialog's
  // own and the dialog manager's default handling is to follow. Dialogs hand what they
  // leave to the base's.
  virtual std::optional<LRESULT> HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Creates a visible child control with the dialog's font; `caption` is its window
  // text, `style` adds to the kind's styles. The tab order is the order of creation, so
  // dialogs create their controls in their tab order. Null when the control could not
  // be made.
  HWND AddControl(ControlKind kind, int id, const std::string& caption, Rect96 at, DWORD style = 0);
  // A 96-DPI measure at the dialog's DPI, for whatever the dialog sizes itself
  // (columns, pictures).
  int Scale(int pixels96) const;
  // For dialogs that lay themselves out at each show: moves a control made by AddControl,
  // which then keeps its new place across DPI changes.
  void PlaceControl(HWND control, Rect96 at);
  // Gives the window a new client size, at 96 DPI, and centres it on the screen again.
  void ResizeClient(int width96, int height96);
  // Gives a label the dialogs' title font, bold Times New Roman `pixels96` pixels high at
  // 96 DPI, which follows the dialog to screens of other DPIs.
  void UseTitleFont(HWND label, int pixels96);

  // Hooks for the dialogs: fill the controls before showing, react to OK (Enter).
  virtual void OnCreateControls() {}
  virtual void OnShow() {}
  virtual void OnOk() { Close(); }
  virtual void OnClosed() {}
  virtual bool OnCommand(int id, int code, HWND control);
  // After a move to a screen of another DPI has placed the controls and given them the
  // new font: for whatever the dialog drew or chose for itself at the old DPI.
  virtual void OnDpiChanged() {}
  // The control that has the focus when the dialog opens: its first tab stop. It takes
  // the focus too when the control that had it is disabled or hidden.
  virtual HWND InitialFocus() const;
  // Whether Enter on a push button that has the focus presses it, as the platform has
  // it; where not, Enter goes to the dialog as its OK and the button does not look
  // default.
  virtual bool EnterPresses(HWND /*button*/) const { return true; }
  // Puts the focus on `control` as the dialog manager does.
  void MoveFocus(HWND control);

 private:
  struct Placed {
    HWND window;  // owned by the dialog's window, which destroys it with itself
    Rect96 at;
  };

  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept;
  // Never called: the dialog manager calls DialogProcedure. Final, so that no dialog
  // handles its messages where they never come.
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) final;

  bool GiveToolbarBack();  // false when it was not lent
  HWND FirstTabStop() const;
  void KeepFocusUsable();
  void ShowDefaultButton();
  void ChangeDpi(int dpi, const RECT& suggested);
  void ApplyTitleFont();

  Toolbar& toolbar_;
  bool open_ = false;
  int dpi_ = 96;
  UniqueFont font_;
  HWND titleLabel_ = nullptr;
  int titlePixels96_ = 0;
  UniqueFont titleFont_;
  std::vector<Placed> controls_;
  int commandDepth_ = 0;  // commands sent while one is handled
};

}  // namespace kromelik
