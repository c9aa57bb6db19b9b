#pragma once

// The toolbar's behaviour: the slide in and out, the button group, the button watch and
// the lending of the toolbar to dialogs and message boxes. The window only carries out
// what this decides.

#include <cstdint>
#include <functional>

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

  void OnSlideTimer();        // Timer1
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
  void SetTimer(ToolbarTimer timer, bool enabled);
  void SetDown(ToolbarButton button);
  void RunButtonWatch(bool run);
  bool AnyWatchedButtonDown() const;

  const ToolbarLayout& layout_;
  ToolbarWindow& window_;
  Cursor& cursor_;
  ToolbarTimers& timers_;
  Clock& clock_;

  bool showing_ = false;
  bool started_ = false;  // false until the first slide out: the Starting state
  bool lent_ = false;
  bool inMessageBox_ = false;
  int top_;
  ToolbarButton down_ = ToolbarButton::Kromelik;
  std::uint64_t revealedUntil_ = 0;  // a revealed strip stays in view until then
  bool slideTimer_ = true;
  bool buttonWatchTimer_ = true;  // as the toolbar switches it
  bool watchRunning_ = false;     // whether its ticks come: only while they may matter
};

}  // namespace kromelik
