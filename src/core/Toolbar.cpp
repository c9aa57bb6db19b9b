#include "core/Toolbar.h"

namespace kromelik {

namespace {

// Long enough to be seen from across the room, short enough not to be in the way.
constexpr std::uint64_t kRevealMilliseconds = 2000;

}  // namespace

Toolbar::Toolbar(const ToolbarLayout& layout, ToolbarWindow& window, Cursor& cursor,
                 ToolbarTimers& timers, Clock& clock)
    : layout_(layout),
      window_(window),
      cursor_(cursor),
      timers_(timers),
      clock_(clock),
      top_(-layout.Height()) {}

void Toolbar::LayoutChanged() {
  if (top_ >= 0) return;
  top_ = -layout_.Height();
  window_.MoveToTop(top_);
}

void Toolbar::Start() {
  showing_ = true;
  top_ = -layout_.Height();
  ReleaseButtons();
  // The slide timer runs from now on; the button watch only once a button goes down.
  timers_.SetEnabled(ToolbarTimer::Slide, slideTimer_);
}

void Toolbar::OnSlideTimer() {
  window_.HideTaskbarButton();
  if (!showing_ && cursor_.Position().y == 0 && !window_.FullScreenInFront()) {
    window_.Show();
    showing_ = true;
    SlideIn();
  }
  if (showing_ && cursor_.Position().y > layout_.Height() &&
      clock_.NowMilliseconds() >= revealedUntil_)
    SlideOut();
}

void Toolbar::Reveal() {
  if (lent_ || inMessageBox_ || window_.FullScreenInFront()) return;
  revealedUntil_ = clock_.NowMilliseconds() + kRevealMilliseconds;
  if (showing_ && top_ >= 0) return;
  window_.Show();
  showing_ = true;
  SlideIn();
}

void Toolbar::Renew() {
  window_.MoveToTop(top_);
  timers_.SetEnabled(ToolbarTimer::Slide, slideTimer_);
  if (watchRunning_) timers_.SetEnabled(ToolbarTimer::ButtonWatch, true);
}

void Toolbar::SlideIn() {
  clock_.RaiseResolution();
  // One pixel a step, painted at every step, ending fully shown at the top edge.
  for (int i = 0; i <= layout_.Height(); ++i) {
    top_ = i - layout_.Height();
    window_.MoveToTop(top_);
    clock_.Sleep(1);
    window_.Repaint();
  }
  clock_.RestoreResolution();
}

void Toolbar::SlideOut() {
  clock_.RaiseResolution();
  // Always from the top edge, wherever the window stood: at start it waits above the
  // screen and shows itself once on its way out.
  for (int i = 0; i <= layout_.Height(); ++i) {
    top_ = -i;
    window_.MoveToTop(top_);
    clock_.Sleep(1);
  }
  clock_.RestoreResolution();
  window_.Hide();
  showing_ = false;
  started_ = true;
}

void Toolbar::OnButtonWatchTimer() {
  if (!window_.IsActive()) ReleaseButtons();
  SetTimer(ToolbarTimer::Slide, !AnyWatchedButtonDown());
  // With every button up and the slide timer running, every later tick would change
  // nothing: the watch rests until a button goes down, so an idle strip wakes the
  // system only for its slide timer.
  if (down_ == ToolbarButton::Kromelik && slideTimer_) RunButtonWatch(false);
}

void Toolbar::RunButtonWatch(bool run) {
  if (watchRunning_ == run) return;
  watchRunning_ = run;
  timers_.SetEnabled(ToolbarTimer::ButtonWatch, run);
}

bool Toolbar::AnyWatchedButtonDown() const { return ButtonInfoOf(down_).watched; }

void Toolbar::Press(ToolbarButton button) { SetDown(button); }

void Toolbar::ReleaseButtons() { SetDown(ToolbarButton::Kromelik); }

void Toolbar::SetDown(ToolbarButton button) {
  // The button watch releases every 10 ms while another window is active: the window
  // hears only of changes.
  if (down_ == button) return;
  down_ = button;
  window_.ShowButtonDown(button);
  if (button != ToolbarButton::Kromelik && buttonWatchTimer_) RunButtonWatch(true);
}

void Toolbar::OpenDialog(const std::function<void()>& showDialog) {
  SetTimer(ToolbarTimer::Slide, false);
  SetTimer(ToolbarTimer::ButtonWatch, false);
  ReleaseButtons();
  lent_ = true;
  if (showDialog) showDialog();
  window_.SetEnabled(false);
}

void Toolbar::Resume() {
  SetTimer(ToolbarTimer::Slide, true);
  SetTimer(ToolbarTimer::ButtonWatch, true);
  window_.SetEnabled(true);
  lent_ = false;
}

void Toolbar::WithMessageBox(const std::function<void()>& showMessageBox) {
  SetTimer(ToolbarTimer::Slide, false);
  SetTimer(ToolbarTimer::ButtonWatch, false);
  ReleaseButtons();
  inMessageBox_ = true;
  if (showMessageBox) showMessageBox();
  inMessageBox_ = false;
  SetTimer(ToolbarTimer::Slide, true);
  SetTimer(ToolbarTimer::ButtonWatch, true);
}

void Toolbar::SetTimer(ToolbarTimer timer, bool enabled) {
  if (timer == ToolbarTimer::ButtonWatch) {
    // Switched on, the watch runs at least until its first tick has looked at the buttons.
    buttonWatchTimer_ = enabled;
    RunButtonWatch(enabled);
    return;
  }
  if (slideTimer_ == enabled) return;
  slideTimer_ = enabled;
  timers_.SetEnabled(timer, enabled);
}

bool Toolbar::TimerEnabled(ToolbarTimer timer) const {
  return timer == ToolbarTimer::Slide ? slideTimer_ : buttonWatchTimer_;
}

ToolbarState Toolbar::State() const {
  if (lent_) return ToolbarState::LentToDialog;
  if (inMessageBox_) return ToolbarState::MessageBox;
  if (!started_ && showing_) return ToolbarState::Starting;
  if (!showing_) return ToolbarState::Hidden;
  return AnyWatchedButtonDown() && !slideTimer_ ? ToolbarState::Held : ToolbarState::Shown;
}

}  // namespace kromelik
