#include "win32/ModelessDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "win32/Dpi.h"
#include "win32/SystemLibrary.h"
#include "win32/WideText.h"

namespace kromelik {

namespace {

constexpr wchar_t kClassName[] = L"KromelikDialog";

std::vector<ModelessDialog*>& OpenDialogs() {
  static std::vector<ModelessDialog*> dialogs;
  return dialogs;
}

UniqueFont CreateMessageFont(int dpi) {
  using ForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  static const auto forDpi = SystemFunction<ForDpiFunction>(L"user32.dll", "SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (forDpi == nullptr ||
      !forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      return UniqueFont();
    // Without the per-DPI call the metrics come at the screen's DPI.
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
  }
  return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

struct KindStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
  bool tabStop;
};

KindStyle StyleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return {WC_STATICW, SS_LEFT, 0, false};
    case ControlKind::GroupBox:
      return {WC_BUTTONW, BS_GROUPBOX, 0, false};
    case ControlKind::Button:
      return {WC_BUTTONW, BS_PUSHBUTTON, 0, true};
    case ControlKind::DefaultButton:
      return {WC_BUTTONW, BS_DEFPUSHBUTTON, 0, true};
    case ControlKind::CheckBox:
      return {WC_BUTTONW, BS_AUTOCHECKBOX, 0, true};
    case ControlKind::RadioButton:
      return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0, false};
    case ControlKind::Edit:
      return {WC_EDITW, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true};
    case ControlKind::ComboBox:
      return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, true};
    case ControlKind::DropDownList:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL, 0, true};
    case ControlKind::ListView:
      return {WC_LISTVIEWW, 0, WS_EX_CLIENTEDGE, true};
    case ControlKind::TrackBar:
      return {TRACKBAR_CLASSW, 0, 0, true};
  }
  return {WC_STATICW, 0, 0, false};
}

bool IsPushButton(HWND control) {
  const LRESULT code = SendMessageW(control, WM_GETDLGCODE, 0, 0);
  return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

}  // namespace

// No hook of the dialogs runs here: by now their part of the object is gone, and the one
// duty left, giving the toolbar back, is the base's own. Leaving it to each dialog would
// leave the toolbar disabled wherever one forgot. The window is destroyed detached, so
// not even this class's message handling runs, and it goes before the font that its
// controls hold.
ModelessDialog::~ModelessDialog() {
  GiveToolbarBack();
  DestroyHandle();
}

bool ModelessDialog::Create(HINSTANCE instance, HWND owner, const std::string& title,
                            int clientWidth, int clientHeight, DialogFrame kind) {
  // The list view and the track bar belong to the common controls, which nothing else
  // is bound to have loaded.
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterClassOnce(kClassName, instance, GetSysColorBrush(COLOR_BTNFACE))) return false;
  // Not clipping its children, as the system's dialogs do not: a group box paints only its
  // frame, and the face inside it is the dialog's to paint.
  const DWORD style =
      WS_POPUP | WS_CAPTION | (kind == DialogFrame::ToolWithoutButtons ? 0 : WS_SYSMENU);
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT |
                        (kind == DialogFrame::Standard ? 0 : WS_EX_TOOLWINDOW);
  // The DPI, and with it the frame, is known only once the window exists: it is made at
  // a provisional size and then given its measured frame around the scaled client area.
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  if (CreateHandle(exStyle, kClassName, Utf8ToWide(title).c_str(), style, 0, 0,
                   frame.right - frame.left, frame.bottom - frame.top, owner, instance) == nullptr)
    return false;
  dpi_ = WindowDpi(Handle());
  font_ = CreateMessageFont(dpi_);
  ResizeClient(clientWidth, clientHeight);
  OnCreateControls();
  return true;
}

void ModelessDialog::ResizeClient(int width96, int height96) {
  if (Handle() == nullptr) return;
  RECT outer{};
  RECT client{};
  GetWindowRect(Handle(), &outer);
  GetClientRect(Handle(), &client);
  const int width = outer.right - outer.left - client.right + Scale(width96);
  const int height = outer.bottom - outer.top - client.bottom + Scale(height96);
  SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void ModelessDialog::UseTitleFont(HWND label, int pixels96) {
  titleLabel_ = label;
  titlePixels96_ = pixels96;
  ApplyTitleFont();
}

void ModelessDialog::ApplyTitleFont() {
  if (titleLabel_ == nullptr) return;
  LOGFONTW font{};
  font.lfHeight = -Scale(titlePixels96_);
  font.lfWeight = FW_BOLD;
  font.lfCharSet = EASTEUROPE_CHARSET;
  wcscpy_s(font.lfFaceName, L"Times New Roman");
  // As with the dialog's font: the label lets go of the old one before it is deleted.
  UniqueFont previous = std::exchange(titleFont_, UniqueFont(CreateFontIndirectW(&font)));
  if (titleFont_)
    SendMessageW(titleLabel_, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.Get()), TRUE);
}

void ModelessDialog::PlaceControl(HWND control, Rect96 at) {
  for (Placed& placed : controls_) {
    if (placed.window != control) continue;
    placed.at = at;
    MoveWindow(control, Scale(at.left), Scale(at.top), Scale(at.width), Scale(at.height), TRUE);
    return;
  }
}

HFONT ModelessDialog::Font() const {
  return font_ ? font_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int ModelessDialog::Scale(int pixels96) const {
  return MulDiv(pixels96, dpi_, USER_DEFAULT_SCREEN_DPI);
}

HWND ModelessDialog::AddControl(ControlKind kind, int id, const std::string& caption, Rect96 at,
                                DWORD style) {
  if (Handle() == nullptr) return nullptr;
  const KindStyle kindStyle = StyleOf(kind);
  DWORD fullStyle = WS_CHILD | WS_VISIBLE | kindStyle.style | style;
  if (kindStyle.tabStop || (kind == ControlKind::RadioButton && (style & WS_GROUP) != 0))
    fullStyle |= WS_TABSTOP;
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(Handle(), GWLP_HINSTANCE));
  HWND control = CreateWindowExW(
      kindStyle.exStyle | WS_EX_NOPARENTNOTIFY, kindStyle.className, Utf8ToWide(caption).c_str(),
      fullStyle, Scale(at.left), Scale(at.top), Scale(at.width), Scale(at.height), Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (control == nullptr) return nullptr;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  controls_.push_back({control, at});
  if (kind == ControlKind::DefaultButton) defaultId_ = id;
  return control;
}

void ModelessDialog::Open() {
  if (open_ || Handle() == nullptr) return;
  toolbar_.OpenDialog([this] {
    open_ = true;
    OpenDialogs().push_back(this);
    OnShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    // Not the control that had the focus when the dialog was last hidden, which the
    // activation has just given it back.
    MoveFocus(InitialFocus());
  });
}

bool ModelessDialog::GiveToolbarBack() {
  if (!open_) return false;
  open_ = false;
  auto& dialogs = OpenDialogs();
  dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), this), dialogs.end());
  // The toolbar comes back before the dialog goes, so it can take the activation.
  toolbar_.Resume();
  return true;
}

void ModelessDialog::Close() {
  if (!GiveToolbarBack()) return;
  if (Handle() != nullptr) ShowWindow(Handle(), SW_HIDE);
  OnClosed();
}

bool ModelessDialog::PreTranslate(MSG& message) {
  for (ModelessDialog* dialog : OpenDialogs()) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
      // IsDialogMessage would press whatever push button has the focus.
      HWND focus = GetFocus();
      if (focus != nullptr && IsChild(dialog->Handle(), focus) && IsPushButton(focus) &&
          !dialog->EnterPresses(focus)) {
        SendMessageW(dialog->Handle(), WM_COMMAND, IDOK, 0);
        return true;
      }
    }
    if (!IsDialogMessageW(dialog->Handle(), &message)) continue;
    // A key may have moved the focus by Tab, or closed the dialog.
    const auto& open = OpenDialogs();
    if (message.message == WM_KEYDOWN && std::find(open.begin(), open.end(), dialog) != open.end())
      dialog->ShowDefaultButton();
    return true;
  }
  return false;
}

HWND ModelessDialog::InitialFocus() const { return FirstTabStop(); }

HWND ModelessDialog::FirstTabStop() const { return GetNextDlgTabItem(Handle(), nullptr, FALSE); }

// Disabling or hiding the control that has the focus takes the focus away from every
// control, and then no key reaches the dialog: Escape does not close it, the arrows do not
// move in its list. A button that disables itself when pressed ("Usuń" of the last row, a
// confirmed "Wyczyść") does just that.
void ModelessDialog::KeepFocusUsable() {
  if (!open_ || Handle() == nullptr || GetActiveWindow() != Handle()) return;
  HWND focus = GetFocus();
  if (focus != nullptr && focus != Handle() && IsChild(Handle(), focus) &&
      IsWindowEnabled(focus) && IsWindowVisible(focus))
    return;
  HWND usable = InitialFocus();
  if (usable == nullptr || !IsWindowEnabled(usable) || !IsWindowVisible(usable))
    usable = FirstTabStop();
  MoveFocus(usable);
}

void ModelessDialog::MoveFocus(HWND control) {
  if (control == nullptr) return;
  SetFocus(control);
  // As the dialog manager does: an edit reached from elsewhere is ready to be typed over.
  if ((SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0)
    SendMessageW(control, EM_SETSEL, 0, -1);
  ShowDefaultButton();
}

// IsDialogMessage takes the default look from every button when Tab moves the focus and
// gives it only to a push button that takes the focus; the system's dialog class puts it
// back on the default button when the focus moves on, but this window is not of that
// class. So: the focused push button looks default where Enter presses it, or else the
// default button does.
void ModelessDialog::ShowDefaultButton() {
  HWND focus = GetFocus();
  const bool onPushButton = focus != nullptr && IsChild(Handle(), focus) && IsPushButton(focus) &&
                            EnterPresses(focus);
  HWND shown =
      onPushButton ? focus : (defaultId_ != 0 ? GetDlgItem(Handle(), defaultId_) : nullptr);
  for (const Placed& control : controls_) {
    const LRESULT code = SendMessageW(control.window, WM_GETDLGCODE, 0, 0);
    if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) == 0) continue;
    const bool looksDefault = (code & DLGC_DEFPUSHBUTTON) != 0;
    if (looksDefault != (control.window == shown))
      SendMessageW(control.window, BM_SETSTYLE,
                   control.window == shown ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

void ModelessDialog::ChangeDpi(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  // The old font lives until every control has the new one, so none ever holds a
  // deleted font.
  const UniqueFont previous = std::exchange(font_, CreateMessageFont(dpi_));
  for (const Placed& control : controls_) {
    MoveWindow(control.window, Scale(control.at.left), Scale(control.at.top),
               Scale(control.at.width), Scale(control.at.height), FALSE);
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  }
  ApplyTitleFont();
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  OnDpiChanged();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool ModelessDialog::OnCommand(int id, int, HWND) {
  if (id == IDCANCEL) {
    Close();
    return true;
  }
  if (id == IDOK) {
    OnOk();
    return true;
  }
  return false;
}

LRESULT ModelessDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      // Looked at once the whole act is done: on the way, a dialog showing its new state
      // may disable and enable controls in turn, and the commands their changes send come
      // in between.
      ++commandDepth_;
      const bool handled = OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      if (--commandDepth_ == 0) KeepFocusUsable();
      if (handled) return 0;
      break;
    }
    case DM_GETDEFID:
      // IsDialogMessage asks which command Enter sends when no push button has the focus.
      return defaultId_ != 0 ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
    case WM_NEXTDLGCTL: {
      // Sent by IsDialogMessage for a label's mnemonic and for arrows that leave a group.
      HWND target = reinterpret_cast<HWND>(wParam);
      if (LOWORD(lParam) == 0) {
        HWND focus = GetFocus();
        target =
            GetNextDlgTabItem(Handle(), IsChild(Handle(), focus) ? focus : nullptr, wParam != 0);
      }
      MoveFocus(target);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(Handle(), focus)) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS: {
      // The window itself gets the focus when it is activated; its control takes it on.
      const bool canReturn = lastFocus_ != nullptr && IsChild(Handle(), lastFocus_) &&
                             IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_);
      if (canReturn) {
        SetFocus(lastFocus_);
        ShowDefaultButton();
      } else {
        MoveFocus(FirstTabStop());
      }
      return 0;
    }
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(Font());
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: {
      // As the system's dialogs colour them: the controls stand on the dialog's face.
      // Enabled edits and list boxes keep their own colours.
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DPICHANGED:
      ChangeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      Close();
      break;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace kromelik
