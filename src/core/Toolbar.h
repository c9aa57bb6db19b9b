#pragma once

// The toolbar's behaviour: the slide in and out, the button group, the button watch and
// the lending of the toolbar to dialogs and message boxes. The window only carries out
// what this decides.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/Monitors.h"
#include "core/ToolbarLayout.h"
#include "core/ports/Clock.h"
#include "core/ports/Cursor.h"
#include "core/ports/ToolbarTimers.h"
#include "core/ports/ToolbarWindow.h"

namespace kromelik {

enum class ToolbarState { Starting, Hidden, Shown, Held, LentToDialog, MessageBox };

class Toolbar {
 public:
  Toolbar(const ToolbarLayout& layout, ToolbarWindow& window, Cursor& cursor,
          ToolbarTimers& timers, Clock& clock);

  // The window has been shown at its waiting place above the screen.
  void Start();

  // The strip's height may have changed: a strip waiting above the screen waits above it
  // again, out of sight.
  void LayoutChanged();

  // The desktop's monitors, the primary first, at the start and whenever they change:
  // the strip stays on the monitor it stands on while that is there, and goes to the
  // primary otherwise, so it is never left off every monitor.
  void SetMonitors(std::vector<Monitor> monitors);
  // Told the monitor the strip comes down on whenever that changes, and once for each
  // SetMonitors: the strip takes its width and DPI and stands at its top-left corner.
  void OnMonitorChosen(std::function<void(const Monitor&)> chosen) {
    monitorChosen_ = std::move(chosen);
  }
  // The top-left corner of the strip's monitor; Top() counts from its top edge.
  ScreenPoint Origin() const;
  void OnSlideTimer();        // Timer1
  // The global hotkey: the strip comes at once with the keyboard on its first button and
  // stays while the keyboard drives it, wherever the mouse is; pressed again, it goes and
  // the keyboard goes back to the window that had it.
  void HotkeyPressed();
  // Escape on a button, no menu open: ends the work from the keyboard as the hotkey does.
  // Answers whether it did.
  bool EscapePressed();
  // A chosen item or another window taking the keyboard: the mouse rules again.
  void EndKeyboardDrive() { keyboard_ = false; }
  bool KeyboardDriven() const { return keyboard_; }
  // Another start of the program was refused while this one runs: the strip slides in as
  // a touch of the top edge would bring it, so the user sees where it is, and stays a
  // moment before the slide timer takes it away again as usual. Nothing comes over a
  // full-screen program, and a strip lent to a dialog or a message box, whose timers are
  // stopped, stays as it is.
  void Reveal();
  // The session came back (a resume from sleep, an unlock, a reconnection) or the
  // desktop's settings changed: the strip stands where it stood, out of sight if it was,
  // and its timers run as it had them, whatever the platform did to them meanwhile.
  // Nothing of it shows.
  void Renew();
  void OnButtonWatchTimer();  // Timer2

  // The radio group: the pressed button stays down, every other one comes up.
  void Press(ToolbarButton button);
  // Puts the hidden Kromelik button down, so every visible button comes up and the
  // strip may slide away again.
  void ReleaseButtons();
  ToolbarButton DownButton() const { return down_; }
  bool IsDown(ToolbarButton button) const { return down_ == button; }

  // Lends the toolbar to a modeless dialog: both timers stop, the buttons come up,
  // `showDialog` runs, and the toolbar is disabled until Resume.
  void OpenDialog(const std::function<void()>& showDialog);
  void Resume();
  // Runs a modal message box with both timers stopped and the buttons up.
  void WithMessageBox(const std::function<void()>& showMessageBox);

  ToolbarState State() const;
  bool IsShowing() const { return showing_; }
  int Top() const { return top_; }
  bool TimerEnabled(ToolbarTimer timer) const;

 private:
  void SlideIn();
  void SlideOut();
  void LeaveByKeyboard();
  void SetTimer(ToolbarTimer timer, bool enabled);
  void SetDown(ToolbarButton button);
  void RunButtonWatch(bool run);
  bool AnyWatchedButtonDown() const;
  void ChooseMonitor(std::size_t index);
  // Shows the strip and slides it in on `monitor`, moving it there first if need be.
  void ComeDownOn(std::size_t monitor);
  // The area of monitor `monitor`, the strip's own by default; the screen's top band
  // where no monitor is known.
  Rect Area(std::size_t monitor) const;
  Rect Area() const { return Area(monitor_); }

  const ToolbarLayout& layout_;
  ToolbarWindow& window_;
  Cursor& cursor_;
  ToolbarTimers& timers_;
  Clock& clock_;

  bool showing_ = false;
  bool started_ = false;  // false until the first slide out: the Starting state
  bool lent_ = false;
  bool inMessageBox_ = false;
  bool keyboard_ = false;  // shown by the hotkey, held there until the keyboard lets go
  int top_;
  ToolbarButton down_ = ToolbarButton::Kromelik;
  std::uint64_t revealedUntil_ = 0;  // a revealed strip stays in view until then
  bool slideTimer_ = true;
  bool buttonWatchTimer_ = true;  // as the toolbar switches it
  bool watchRunning_ = false;     // whether its ticks come: only while they may matter
  std::vector<Monitor> monitors_;  // none known: the screen, its top row at y = 0
  std::size_t monitor_ = 0;        // the one the strip comes down on
  std::function<void(const Monitor&)> monitorChosen_;
};

}  // namespace kromelik
