#include "win32/TForm1.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wtsapi32.h>

#include <optional>
#include <utility>

#include "core/Hotkey.h"
#include "win32/CommonControls.h"
#include "win32/Dpi.h"
#include "win32/MenuBarKeys.h"
#include "win32/ButtonPictures.h"
#include "win32/Pictures.h"
#include "win32/WideText.h"
#include "win32/Win32FileSystem.h"

namespace kromelik {

namespace {

// The installer and uninstaller find a running copy by this name and close it through
// its window (installer/kromelik.nsi): renaming it leaves them unable to.
constexpr wchar_t kClassName[] = L"KromelikToolbar";
constexpr UINT_PTR kSlideTimerId = 1;
constexpr UINT_PTR kButtonWatchTimerId = 2;
constexpr UINT kSlideInterval = 100;
constexpr UINT kButtonWatchInterval = 10;
constexpr int kFirstButtonId = 100;
constexpr int kHotkeyId = 1;
// Posted by ShowAtStart: it comes out of the queue before any input that follows it.
constexpr UINT kFinishStart = WM_APP + 10;
// Runs while the start goes on after the strip shows (the menus built, their pictures
// made ahead of their openings), a step at a tick: a timer's ticks come after any input
// and painting, so a click never waits behind them.
constexpr UINT_PTR kWarmTimerId = 3;
constexpr int kPicturesPerWarmStep = 32;
// A fixed picture is a look at a file and an icon taken from it: fewer at a tick, as they
// are also made while a menu is open.
constexpr int kFixedPicturesPerWarmStep = 12;

// Asked once at start and after a change of the system's settings, never at a paint or a
// click: the look in force follows them (LiveLook).
void TellSystemAids(LiveLook& look) {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  const bool highContrast =
      SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
  BOOL screenReader = FALSE;
  SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0);
  look.SetSystemAids(highContrast, screenReader != FALSE);
}

// Sent by a second start to the running copy.
UINT RevealMessage() {
  static const UINT message = RegisterWindowMessageW(L"Kromelik.Reveal");
  return message;
}

// A test's question: wParam names a kind of object the program owns (LiveKind); the
// answer is how many of that kind live now, or -1 past the last kind.
UINT LiveObjectsMessage() {
  static const UINT message = RegisterWindowMessageW(L"Kromelik.LiveObjects");
  return message;
}

RECT ToRect(const Rect& rect) {
  return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

}  // namespace

TForm1::~TForm1() {
  // The window goes before the buttons, pictures and font it paints with.
  if (Handle() != nullptr) DestroyWindow(Handle());
}

bool TForm1::Create(HINSTANCE instance, ToolbarBase& base, std::string systemDirectory) {
  base_ = &base;
  systemDirectory_ = std::move(systemDirectory);
  if (!RegisterClassOnce(kClassName, instance, nullptr)) return false;
  const ToolbarLayout& layout = base.layout;
  const std::wstring title = Utf8ToWide(kApplicationTitle);
  // A tool window gets no taskbar button; the strip waits above the screen's top edge.
  return CreateHandle(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTROLPARENT, kClassName,
                      title.c_str(), WS_POPUP | WS_CLIPCHILDREN, 0, -layout.Height(),
                      layout.Width(), layout.Height(), nullptr, instance) != nullptr;
}

void TForm1::RevealRunningCopy() {
  if (HWND running = FindWindowW(kClassName, nullptr)) PostMessageW(running, RevealMessage(), 0, 0);
}

void TForm1::OnCreate() {
  renderer_.SetOwner(Handle());
  renderer_.HoldFetches();
  // Without the notifications (no terminal services) an unlock still finds the strip
  // as it was; nothing else depends on them.
  WTSRegisterSessionNotification(Handle(), NOTIFY_FOR_THIS_SESSION);
  CreateButtons();
  // The window was made for the DPI the program started with; its monitor may differ.
  if (WindowDpi(Handle()) != base_->layout.Dpi()) OnScreenChanged();
}

void TForm1::CreateButtons() {
  for (const ButtonInfo& entry : ToolbarButtons()) {
    const auto index = static_cast<std::size_t>(entry.button);
    FlatButton& button = buttons_[index];
    hints_[index] = Utf8ToWide(entry.hint);
    button.Create(Handle(), kFirstButtonId + static_cast<int>(index),
                  ToRect(base_->layout.ButtonRect(entry.button)), nullptr, entry.visible,
                  hints_[index].c_str());
    button.SetBackground(PanelColour());
  }
}

// Without its tools the tip control has nothing to show, and a tip already timed from a
// hover is dropped with them; switching it off alone leaves such a tip due.
void TForm1::SetTips(bool shown) {
  if (tooltips_ == nullptr) return;
  for (std::size_t index = 0; index < buttons_.size(); ++index) {
    if (hints_[index].empty() || buttons_[index].Handle() == nullptr) continue;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(buttons_[index].Handle());
    tool.lpszText = hints_[index].data();
    SendMessageW(tooltips_, shown ? TTM_ADDTOOLW : TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void TForm1::ShowAtStart(ToolbarController& controller, Win32BackgroundWork& background) {
  controller_ = &controller;
  background_ = &background;
  base_->toolbar.SetMonitors(DesktopMonitors());
  background.SetWindow(Handle());
  background.Hold();
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  TellSystemAids(base_->look);
  // The toolbar starts its timers as it starts.
  controller.Start();
  PostMessageW(Handle(), kFinishStart, 0, 0);
}

// The strip is still above the screen here: its menus are built at the warming's ticks,
// which come after any input, and a button clicked meanwhile (only a program can click
// the strip there) gets its own menu built first. What no click waits for comes at the
// first tick (CompleteStart).
void TForm1::FinishStart() {
  if (startBegun_) return;
  startBegun_ = true;
  StartWarming();
}

// The buttons' pictures and tips, and the reading in the background, which shares the
// wine server with the menus: at the warming's first tick, after any click and painting,
// or as the strip slides in.
void TForm1::CompleteStart() {
  if (picturesLoaded_) return;
  if (background_ != nullptr) background_->Release();
  common_controls::Init(ICC_BAR_CLASSES);
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                              nullptr, nullptr, nullptr);
  // Not over a menu a click opened before this.
  SetTips(!renderer_.MenuShown());
  LoadPictures();
}

std::array<const ImageList*, 4> TForm1::MenuImages() const {
  const ToolbarMenus& menus = controller_->Menus();
  return {&menus.ImageListPM, &menus.il_SzybkieUr, &menus.il_Dokumenty1, &menus.il_IkonyBrenvald};
}

// What a menu makes of its pictures at its first opening is made beforehand, while the
// strip waits: the menus of a thousand programs open at once the first time too.
void TForm1::StartWarming() {
  if (!startBegun_) return;
  // Icons come one by one at a start: a pass under way goes on, and one more follows it.
  if (warming_) {
    warmAgain_ = true;
    return;
  }
  warming_ = WarmPlace{.phase = !menusBuilt_     ? WarmPlace::Phase::Build
                                : !fixedPrepared_ ? WarmPlace::Phase::Fixed
                                                  : WarmPlace::Phase::Warm};
  SetTimer(Handle(), kWarmTimerId, USER_TIMER_MINIMUM, nullptr);
}

void TForm1::WarmSome() {
  // A step may show a message box (a custom menu file that cannot be read, a hotkey
  // taken), whose loop brings the next ticks: they wait for it, so boxes come one by one.
  if (!warming_ || warmingStep_) return;
  warmingStep_ = true;
  struct StepEnd {
    bool& running;
    ~StepEnd() { running = false; }
  } stepEnd{warmingStep_};
  const auto lists = MenuImages();
  if (!picturesLoaded_) {
    CompleteStart();
    return;
  }
  if (warming_->phase == WarmPlace::Phase::Build) {
    // Not under an open menu, whose items may be among those a build changes.
    if (renderer_.MenuShown()) {
      KillTimer(Handle(), kWarmTimerId);
      return;
    }
    if (controller_->BuildMenusStep()) return;
    menusBuilt_ = true;
    warming_ =
        WarmPlace{.phase = fixedPrepared_ ? WarmPlace::Phase::Warm : WarmPlace::Phase::Fixed};
    return;
  }
  if (warming_->phase == WarmPlace::Phase::Fixed) {
    // Also while a menu is open: the files' icons it waits for are asked for after these.
    const int next =
        renderer_.PrepareFixed(*lists[warming_->list], warming_->next, kFixedPicturesPerWarmStep);
    if (next >= 0) {
      warming_->next = next;
    } else if (++warming_->list < lists.size()) {
      warming_->next = 0;
    } else {
      fixedPrepared_ = true;
      renderer_.ReleaseFetches();
      for (const ImageList* images : lists) renderer_.Prefetch(*images);
      warming_ = WarmPlace{.phase = WarmPlace::Phase::Warm};
    }
    return;
  }
  if (renderer_.MenuShown()) {
    // Asked for by icons that came while a menu is open: it goes on once that closes.
    KillTimer(Handle(), kWarmTimerId);
    return;
  }
  const int next = renderer_.Warm(*lists[warming_->list], warming_->next, kPicturesPerWarmStep);
  if (next >= 0) {
    warming_->next = next;
  } else if (++warming_->list < lists.size()) {
    warming_->next = 0;
  } else if (std::exchange(warmAgain_, false)) {
    warming_ = WarmPlace{.phase = WarmPlace::Phase::Warm};
  } else {
    warming_.reset();
    KillTimer(Handle(), kWarmTimerId);
  }
}

// What was read in the background goes into the menus, though never under an open menu,
// which shows its items as they were when it opened.
void TForm1::ShowFinishedWork() {
  finishedWaiting_ = renderer_.MenuShown();
  if (finishedWaiting_) return;
  background_->RunFinished();
  for (const ImageList* images : MenuImages()) renderer_.Prefetch(*images);
  StartWarming();
}

// The strip and its buttons where the layout puts them now: the bevels, the screen's
// width and the monitor's DPI move them.
void TForm1::PlaceWindows() {
  const ToolbarLayout& layout = base_->layout;
  SetWindowPos(Handle(), nullptr, origin_.x, origin_.y + base_->toolbar.Top(), layout.Width(),
               layout.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
  for (const ButtonInfo& entry : ToolbarButtons()) {
    const Rect rect = layout.ButtonRect(entry.button);
    SetWindowPos(buttons_[static_cast<std::size_t>(entry.button)].Handle(), nullptr, rect.left,
                 rect.top, rect.width, rect.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  renderer_.SetDpi(layout.Dpi());
  if (logoDpi_ != layout.Dpi()) {
    logoDpi_ = layout.Dpi();
    LOGFONTW logo{};
    logo.lfHeight = -layout.Scaled(13);
    logo.lfWeight = FW_BOLD;
    logo.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(logo.lfFaceName, L"Tahoma", LF_FACESIZE);
    logoFont_.Reset(CreateFontIndirectW(&logo));
    if (picturesLoaded_) LoadPictures();
  }
}

void TForm1::LoadPictures() {
  picturesLoaded_ = true;
  const int size = base_->layout.Scaled(32);
  for (const ButtonInfo& entry : ToolbarButtons()) {
    const auto index = static_cast<std::size_t>(entry.button);
    pictures_[index] = LoadButtonIcon(entry.button, systemDirectory_, size);
    buttons_[index].SetPicture(pictures_[index].Get(), size);
  }
}

// Monitors added, removed, moved or resized: the strip is placed anew on the monitor it
// stands on, or on the primary.
void TForm1::OnScreenChanged() { base_->toolbar.SetMonitors(DesktopMonitors()); }

// After a sleep, an unlock or a reconnection the display may have changed under the strip,
// and the colours or the work area may have: it is placed and painted anew from what
// the system says now.
void TForm1::OnSessionBack() {
  if (controller_ == nullptr) return;
  OnScreenChanged();
  base_->toolbar.Renew();
}

COLORREF TForm1::PanelColour() const {
  const std::optional<std::uint32_t> colour = base_->look.InForce().colour;
  return colour ? static_cast<COLORREF>(*colour) : GetSysColor(COLOR_BTNFACE);
}

void TForm1::ShowLook(const ToolbarLook&, std::optional<std::uint8_t> opacity) {
  // The controller keeps the look and the layout; painting reads them from there.
  PlaceWindows();
  const COLORREF colour = PanelColour();
  for (FlatButton& button : buttons_) button.SetBackground(colour);
  SetOpacity(opacity);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  // Another menu style or DPI makes other pictures.
  StartWarming();
}

void TForm1::OnButtonClick(ToolbarButton button, bool byKeyboard) {
  // The buttons answer once the start has completed; the window is hidden until then.
  if (controller_ == nullptr) return;
  // Left or Right in a menu opens the neighbour's, as in a menu bar, until one closes
  // without a step.
  for (;;) {
    const std::optional<PopupMenu> popup = controller_->PressButton(button);
    if (!popup) return;
    // A tip timed from the hover before the click would come up over the menu's first
    // items: none shows while a menu is open.
    SetTips(false);
    // The menu makes what it shows itself; warming goes on once it has closed.
    if (warming_ && warming_->phase != WarmPlace::Phase::Fixed) KillTimer(Handle(), kWarmTimerId);
    // Opened from the keyboard, the menu starts with its first item selected, as the
    // menu's own Down would select it: the key waits in the queue for the menu's loop.
    if (byKeyboard) PostMessageW(Handle(), WM_KEYDOWN, VK_DOWN, 0);
    int step = 0;
    const MenuItem* chosen = nullptr;
    {
      const MenuBarKeys keys;
      chosen = renderer_.Popup(Handle(), popup->menu, popup->images, popup->style,
                               POINT{popup->at.x, popup->at.y});
      step = keys.Step();
    }
    if (warming_) SetTimer(Handle(), kWarmTimerId, USER_TIMER_MINIMUM, nullptr);
    SetTips(true);
    if (chosen != nullptr) controller_->Choose(*chosen);
    if (finishedWaiting_) ShowFinishedWork();
    if (chosen != nullptr || step == 0) return;
    button = NeighbourWithMenu(button, step);
    FocusButton(button);
    byKeyboard = true;
  }
}

void TForm1::FocusButton(ToolbarButton button) {
  FlatButton& target = buttons_[static_cast<std::size_t>(button)];
  SetFocus(target.Handle());
  target.ShowFocusCues(true);
}

void TForm1::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  const UniqueBrush panel(CreateSolidBrush(PanelColour()));
  FillRect(dc, &client, panel.Get());

  const ToolbarLayout& layout = base_->layout;
  // Outer and inner raised bevels, each half of the band inside the edge, as a panel
  // draws them; the layout keeps the logo and the buttons inside the band.
  const int band = layout.Inside().top;
  RECT edge = client;
  for (int i = 0; i < band && edge.right - edge.left > 2; ++i) {
    DrawEdge(dc, &edge, i < band / 2 ? BDR_RAISEDOUTER : BDR_RAISEDINNER, BF_RECT);
    InflateRect(&edge, -1, -1);
  }

  RECT logo = ToRect(layout.LogoStrip());
  FillRect(dc, &logo, GetSysColorBrush(COLOR_ACTIVECAPTION));
  if (logoFont_) {
    const ScopedSelectObject select(dc, logoFont_.Get());
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, logo.left, logo.top, logo.right, logo.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, base_->look.HighContrast() ? GetSysColor(COLOR_CAPTIONTEXT)
                                                : RGB(255, 255, 255));
    // Two letters, the second overlapping the first.
    TextOutW(dc, logo.left + layout.Scaled(1), logo.top + layout.Scaled(8), L"K", 1);
    TextOutW(dc, logo.left + layout.Scaled(6), logo.top + layout.Scaled(16), L"B", 1);
    RestoreDC(dc, saved);
  }

  for (const Rect& line : layout.Bevels()) {
    RECT shadow = ToRect(line);
    FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
    RECT light{shadow.right, shadow.top, shadow.right + 1, shadow.bottom};
    FillRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  }
}

void TForm1::ApplyTransparency() {
  if (const auto alpha = base_->look.OpacityAtPaint()) SetOpacity(alpha);
}

void TForm1::SetOpacity(std::optional<std::uint8_t> opacity) {
  const LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  if (opacity) {
    if ((exStyle & WS_EX_LAYERED) == 0) SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, *opacity, LWA_ALPHA);
  } else if ((exStyle & WS_EX_LAYERED) != 0) {
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  }
}

void TForm1::Show() {
  CompleteStart();
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TForm1::Hide() { ShowWindow(Handle(), SW_HIDE); }

void TForm1::ShowButtonDown(ToolbarButton down) {
  for (const ButtonInfo& entry : ToolbarButtons())
    buttons_[static_cast<std::size_t>(entry.button)].SetDown(entry.button == down);
}

// Posted, so a close chosen inside a button's click finishes that click first.
void TForm1::Close() { PostMessageW(Handle(), WM_CLOSE, 0, 0); }

void TForm1::SetOrigin(ScreenPoint origin) { origin_ = {origin.x, origin.y}; }

bool TForm1::RegisterHotkey(std::uint16_t code) {
  UnregisterHotKey(Handle(), kHotkeyId);
  if (code == 0) return true;
  const UINT modifiers = RegistrationModifiers(code);
  // Held down, the combination would come again and again: once is meant.
  if (RegisterHotKey(Handle(), kHotkeyId, modifiers | MOD_NOREPEAT, VirtualKeyOf(code))) return true;
  if (GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED) return false;
  // A system that knows no MOD_NOREPEAT refuses it alone.
  return RegisterHotKey(Handle(), kHotkeyId, modifiers, VirtualKeyOf(code)) != FALSE;
}

void TForm1::TakeKeyboard() {
  HWND front = GetForegroundWindow();
  if (front != nullptr && front != Handle() && GetAncestor(front, GA_ROOT) != Handle())
    keyboardOwner_ = front;
  SetForegroundWindow(Handle());
  FocusButton(ToolbarButton::About);
}

void TForm1::GiveKeyboardBack() {
  HWND owner = std::exchange(keyboardOwner_, nullptr);
  if (owner != nullptr && IsWindow(owner)) SetForegroundWindow(owner);
}

void TForm1::MoveToTop(int top) {
  SetWindowPos(Handle(), nullptr, origin_.x, origin_.y + top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::Repaint() {
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool TForm1::IsActive() const { return GetForegroundWindow() == Handle(); }

bool TForm1::FullScreenInFront(const Rect& area) const {
  QUERY_USER_NOTIFICATION_STATE state{};
  const bool stateSaysSo = SUCCEEDED(SHQueryUserNotificationState(&state));
  if (stateSaysSo && (state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE))
    return true;
  const RECT monitor{area.left, area.top, area.left + area.width, area.top + area.height};
  HWND front = GetForegroundWindow();
  // The system's word names no monitor: the program in front fills the one it is on.
  if (stateSaysSo && state == QUNS_BUSY && front != nullptr)
    return MonitorFromWindow(front, MONITOR_DEFAULTTONULL) ==
           MonitorFromRect(&monitor, MONITOR_DEFAULTTONULL);
  if (front == nullptr || front == Handle() || front == GetDesktopWindow() ||
      front == GetShellWindow() || GetWindowThreadProcessId(front, nullptr) == GetCurrentThreadId())
    return false;
  wchar_t name[16] = {};
  GetClassNameW(front, name, 16);
  // The desktop itself covers the screen without being a program in front, and so may
  // a maximised window where the taskbar hides itself: full screen means no caption.
  if (lstrcmpW(name, L"Progman") == 0 || lstrcmpW(name, L"WorkerW") == 0 ||
      (GetWindowLongW(front, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
    return false;
  RECT window{};
  if (!GetWindowRect(front, &window)) return false;
  return window.left <= monitor.left && window.top <= monitor.top &&
         window.right >= monitor.right && window.bottom >= monitor.bottom;
}

void TForm1::SetEnabled(bool enabled) { EnableWindow(Handle(), enabled ? TRUE : FALSE); }

void TForm1::HideTaskbarButton() {
  const LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  const LONG_PTR wanted = (exStyle | WS_EX_TOOLWINDOW) & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW);
  if (wanted != exStyle) SetWindowLongPtrW(Handle(), GWL_EXSTYLE, wanted);
}

void TForm1::SetEnabled(ToolbarTimer timer, bool enabled) {
  const UINT_PTR id = timer == ToolbarTimer::Slide ? kSlideTimerId : kButtonWatchTimerId;
  if (enabled) {
    SetTimer(Handle(), id, timer == ToolbarTimer::Slide ? kSlideInterval : kButtonWatchInterval,
             nullptr);
  } else {
    KillTimer(Handle(), id);
  }
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == Win32BackgroundWork::FinishedMessage()) {
    ShowFinishedWork();
    return 0;
  }
  if (message == RevealMessage()) {
    if (controller_ != nullptr) base_->toolbar.Reveal();
    return 0;
  }
  if (message == LiveObjectsMessage()) {
    return wParam < kLiveKindCount ? static_cast<LRESULT>(LiveObjects(static_cast<LiveKind>(wParam)))
                                   : -1;
  }
  if (message == IconFetcher::IconsArrivedMessage()) {
    renderer_.IconsArrived();
    StartWarming();
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case kFinishStart:
      FinishStart();
      return 0;
    case WM_DISPLAYCHANGE:
      OnScreenChanged();
      return 0;
    case WM_DPICHANGED:
      // The strip keeps its own place at the top edge rather than the suggested one.
      OnScreenChanged();
      return 0;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) OnSessionBack();
      return TRUE;
    case WM_WTSSESSION_CHANGE:
      if (wParam == WTS_SESSION_UNLOCK || wParam == WTS_CONSOLE_CONNECT ||
          wParam == WTS_REMOTE_CONNECT)
        OnSessionBack();
      return 0;
    // The work area and the colours change under several names (SPI_SETWORKAREA, the
    // colour set, high contrast on or off): placing and painting anew, in the look in
    // force, which follows the system's colours, is cheap enough for all.
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      if (controller_ != nullptr) TellSystemAids(base_->look);
      OnSessionBack();
      return 0;
    case WM_TIMER:
      if (wParam == kSlideTimerId) {
        base_->toolbar.OnSlideTimer();
      } else if (wParam == kButtonWatchTimerId) {
        base_->toolbar.OnButtonWatchTimer();
      } else if (wParam == kWarmTimerId) {
        WarmSome();
      }
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wParam) - kFirstButtonId;
      if (id < 0 || id >= static_cast<int>(kToolbarButtonCount)) return 0;
      if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == FlatButton::kKeyboardClicked)
        OnButtonClick(static_cast<ToolbarButton>(id), HIWORD(wParam) != BN_CLICKED);
      else if (HIWORD(wParam) == FlatButton::kEscapePressed)
        base_->toolbar.EscapePressed();
      return 0;
    }
    case WM_HOTKEY:
      // Inside an open menu the menu has the keyboard: it is closed first, as any click
      // elsewhere would close it.
      if (wParam == kHotkeyId && !renderer_.MenuShown()) base_->toolbar.HotkeyPressed();
      return 0;
    case WM_MENUSELECT:
      MenuBarKeys::OnMenuSelect(wParam, lParam);
      break;
    case WM_INITMENUPOPUP:
      MenuBarKeys::OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      break;
    case WM_SETFOCUS: {
      // The keyboard belongs to a button: the pressed one, else the first.
      const ToolbarButton down = base_->toolbar.DownButton();
      const ToolbarButton target = ButtonInfoOf(down).visible ? down : ToolbarButton::About;
      SetFocus(buttons_[static_cast<std::size_t>(target)].Handle());
      return 0;
    }
    case WM_LBUTTONDOWN:
      // A click on the bare panel lets go of the pressed button.
      base_->toolbar.ReleaseButtons();
      return 0;
    case WM_MEASUREITEM:
      if (renderer_.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DRAWITEM:
      if (renderer_.OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Handle(), &paint);
      Paint(dc);
      EndPaint(Handle(), &paint);
      ApplyTransparency();
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(Handle());
      return 0;
    case WM_DESTROY:
      WTSUnRegisterSessionNotification(Handle());
      KillTimer(Handle(), kSlideTimerId);
      KillTimer(Handle(), kButtonWatchTimerId);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace kromelik
