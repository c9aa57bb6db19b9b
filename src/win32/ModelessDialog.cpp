#include "win32/ModelessDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>

#include "win32/CommonControls.h"
#include "win32/Diagnostics.h"
#include "win32/Dpi.h"
#include "win32/SystemLibrary.h"
#include "win32/WideText.h"

namespace kromelik {

namespace {

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
    case ControlKind::HotKey:
      return {HOTKEY_CLASSW, 0, WS_EX_CLIENTEDGE, true};
  }
  return {WC_STATICW, 0, 0, false};
}

bool IsPushButton(HWND control) {
  const LRESULT code = SendMessageW(control, WM_GETDLGCODE, 0, 0);
  return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

// The window alone: no controls, no menu, the system's dialog class, and no font of the
// template's, since the controls get theirs at the window's DPI.
std::vector<DWORD> DialogTemplate(DWORD style, DWORD exStyle, const std::wstring& title) {
  std::vector<WORD> words{1, 0xFFFF};  // DLGTEMPLATEEX's version and signature
  const auto putDword = [&words](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  putDword(0);  // help ID
  putDword(exStyle);
  putDword(style);
  words.insert(words.end(), {0, 0, 0, 0, 0});  // items, left, top, width, height
  words.push_back(0);                          // menu
  words.push_back(0);                          // class
  for (const wchar_t character : title) words.push_back(static_cast<WORD>(character));
  words.push_back(0);
  // The dialog manager reads the template from a DWORD boundary.
  std::vector<DWORD> aligned((words.size() + 1) / 2);
  std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
  return aligned;
}

// A dialog procedure answers these by its return value, every other message through
// DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
  return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
         message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
         message == WM_QUERYDRAGICON || message == WM_INITDIALOG;
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
  common_controls::Init(ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                        ICC_HOTKEY_CLASS);
  // Not clipping its children, as the system's dialogs do not: a group box paints only its
  // frame, and the face inside it is the dialog's to paint.
  const DWORD style =
      WS_POPUP | WS_CAPTION | (kind == DialogFrame::ToolWithoutButtons ? 0 : WS_SYSMENU);
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT |
                        (kind == DialogFrame::Standard ? 0 : WS_EX_TOOLWINDOW);
  const std::vector<DWORD> dialogTemplate = DialogTemplate(style, exStyle, Utf8ToWide(title));
  if (CreateDialogIndirectParamW(instance,
                                 reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                 owner, &ModelessDialog::DialogProcedure,
                                 reinterpret_cast<LPARAM>(this)) == nullptr)
    return false;
  // The DPI, and with it the frame, is known only once the window exists: the template
  // gives it no client area, and it is then given its measured frame around the scaled
  // one.
  dpi_ = WindowDpi(Handle());
  font_ = CreateMessageFont(dpi_);
  ResizeClient(clientWidth, clientHeight);
  OnCreateControls();
  return true;
}

INT_PTR CALLBACK ModelessDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) noexcept {
  if (message == WM_INITDIALOG) {
    reinterpret_cast<ModelessDialog*>(lParam)->AttachHandle(window, DWLP_USER);
    // No focus of the dialog manager's choosing: in a hidden dialog it would take the
    // activation from the window in front. Open gives the focus.
    return FALSE;
  }
  auto* self = static_cast<ModelessDialog*>(
      reinterpret_cast<Window*>(GetWindowLongPtrW(window, DWLP_USER)));
  if (self == nullptr) return FALSE;

  std::optional<LRESULT> result;
  try {
    result = self->HandleDialogMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    // Nothing may unwind through the system's frames; a failed handler leaves the message
    // to the dialog manager, and is told of.
    ReportSwallowed(window, MessageName(message).c_str(), error.what());
  } catch (...) {
    ReportSwallowed(window, MessageName(message).c_str(), nullptr);
  }
  if (message == WM_NCDESTROY) self->DetachHandle();
  if (!result) return FALSE;
  if (AnswersDirectly(message)) return static_cast<INT_PTR>(*result);
  SetWindowLongPtrW(window, DWLP_MSGRESULT, *result);
  return TRUE;
}

LRESULT ModelessDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefDlgProcW(Handle(), message, wParam, lParam);
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
  if (kind == ControlKind::DefaultButton)
    SendMessageW(Handle(), DM_SETDEFID, static_cast<WPARAM>(id), 0);
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
    // A key may have moved the focus (Tab, an arrow, a mnemonic), or closed the dialog.
    const auto& open = OpenDialogs();
    if (std::find(open.begin(), open.end(), dialog) != open.end()) dialog->ShowDefaultButton();
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
  // The dialog manager selects the text of an edit, to be typed over, and gives the
  // default look to the push button that now has the focus, or back to the default one.
  SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  ShowDefaultButton();
}

// The dialog manager gives the default look to every push button that takes the focus.
// One that Enter does not press must not wear it: the look goes back to the default
// button (none where the dialog has none).
void ModelessDialog::ShowDefaultButton() {
  HWND focus = GetFocus();
  if (focus == nullptr || !IsChild(Handle(), focus) ||
      (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) == 0 || EnterPresses(focus))
    return;
  const LRESULT defaultId = SendMessageW(Handle(), DM_GETDEFID, 0, 0);
  SendMessageW(Handle(), DM_SETDEFID, LOWORD(defaultId), 0);
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

std::optional<LRESULT> ModelessDialog::HandleDialogMessage(UINT message, WPARAM wParam,
                                                           LPARAM lParam) {
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
    case WM_GETFONT:
      // The dialog manager answers with the font its template names, and this template
      // names none: a font of the dialog manager's would be made at the screen's DPI
      // once, and could not follow the window to another.
      return reinterpret_cast<LRESULT>(Font());
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
  return std::nullopt;
}

}  // namespace kromelik
