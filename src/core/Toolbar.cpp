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

void Toolbar::SetMonitors(std::vector<Monitor> monitors) {
  const std::optional<Monitor> was =
      monitor_ < monitors_.size() ? std::optional(monitors_[monitor_]) : std::nullopt;
  monitors_ = std::move(monitors);
  std::size_t index = 0;
  for (std::size_t i = 0; was && i < monitors_.size(); ++i)
    if (monitors_[i].area.left == was->area.left && monitors_[i].area.top == was->area.top)
      index = i;
  ChooseMonitor(index);
}

void Toolbar::ChooseMonitor(std::size_t index) {
  monitor_ = index;
  if (monitor_ < monitors_.size() && monitorChosen_) monitorChosen_(monitors_[monitor_]);
}

Rect Toolbar::Area(std::size_t monitor) const {
  if (monitor < monitors_.size()) return monitors_[monitor].area;
  return {0, 0, layout_.Width(), layout_.Height()};
}

ScreenPoint Toolbar::Origin() const {
  if (monitor_ >= monitors_.size()) return {};
  return {monitors_[monitor_].area.left, monitors_[monitor_].area.top};
}

void Toolbar::OnSlideTimer() {
  window_.HideTaskbarButton();
  if (!showing_) {
    const std::optional<std::size_t> touched = MonitorTouchedAt(monitors_, cursor_.Position());
    if (touched && !window_.FullScreenInFront(Area(*touched))) ComeDownOn(*touched);
  }
  // Another window took the keyboard from the strip (a click elsewhere, a program
  // started): the mouse rules again.
  if (keyboard_ && !window_.IsActive()) keyboard_ = false;
  if (!showing_ || keyboard_) return;
  const ScreenPoint cursor = cursor_.Position();
  const ScreenPoint origin = Origin();
  // Below the strip, or off to another monitor, where the next touch brings it.
  const bool besideIt = monitor_ < monitors_.size() &&
                        (cursor.x < origin.x || cursor.x >= origin.x + layout_.Width());
  if ((cursor.y > origin.y + layout_.Height() || besideIt) &&
      clock_.NowMilliseconds() >= revealedUntil_)
    SlideOut();
}

void Toolbar::HotkeyPressed() {
  if (lent_ || inMessageBox_) return;
  if (keyboard_ && showing_) {
    LeaveByKeyboard();
    return;
  }
  // At once, not at the slide timer's next tick, and over a full-screen program too:
  // the user asked for the strip.
  if (!showing_ || top_ != 0) {
    // On the monitor that holds the mouse, wherever the strip came down last.
    ComeDownOn(MonitorHolding(monitors_, cursor_.Position()));
  }
  started_ = true;
  keyboard_ = true;
  window_.TakeKeyboard();
}

bool Toolbar::EscapePressed() {
  if (!keyboard_ || !showing_ || lent_ || inMessageBox_) return false;
  LeaveByKeyboard();
  return true;
}

void Toolbar::LeaveByKeyboard() {
  keyboard_ = false;
  ReleaseButtons();
  // Before the strip hides: hiding the active window would hand the keyboard to
  // whichever window the system picks.
  window_.GiveKeyboardBack();
  SlideOut();
}

void Toolbar::Reveal() {
  if (lent_ || inMessageBox_ || window_.FullScreenInFront(Area())) return;
  revealedUntil_ = clock_.NowMilliseconds() + kRevealMilliseconds;
  if (showing_ && top_ >= 0) return;
  ComeDownOn(monitor_);
}

void Toolbar::ComeDownOn(std::size_t monitor) {
  if (monitor < monitors_.size() && monitor != monitor_) ChooseMonitor(monitor);
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
  keyboard_ = false;  // the dialog has the keyboard now
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
