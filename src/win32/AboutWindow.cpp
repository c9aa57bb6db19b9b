#include "win32/AboutWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win32/CommonControls.h"
#include "win32/ControlState.h"
#include "win32/DrawnPictures.h"
#include "win32/StoredPicture.h"
#include "win32/WideText.h"
#include "win32/resources/ResourceIds.h"

namespace kromelik {

namespace {

using C = AboutControl;
using K = AboutControlKind;

constexpr UINT_PTR kBlinkTimer = 1;
constexpr UINT kBlinkMilliseconds = 500;
constexpr int kPictureWidth = 400;
constexpr int kPictureHeight = 160;
constexpr int kIconSize = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr COLORREF kLinkHot = RGB(0, 0, 255);
constexpr COLORREF kLinkPressed = RGB(255, 0, 0);

constexpr std::size_t IndexOf(C control) { return static_cast<std::size_t>(control); }

int CurrentYear() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now.wYear;
}

HBRUSH Background() { return GetSysColorBrush(COLOR_WINDOW); }

// A measure of the screen at `dpi`, in the 96-DPI pixels of the layout; rounded up, so
// a text never ends up narrower than it draws.
int To96(int pixels, int dpi) { return (pixels * USER_DEFAULT_SCREEN_DPI + dpi - 1) / dpi; }

// A line of text at the advances its measure gives, so it always fits the width it was
// measured at: Wine draws bold Tahoma wider than it measures it, which cut off the last
// letter of a bold label.
void DrawLine(HDC dc, const RECT& box, const std::wstring& text) {
  const int count = static_cast<int>(text.size());
  std::vector<int> ends(text.size());
  SIZE size{};
  if (count == 0 ||
      !GetTextExtentExPointW(dc, text.c_str(), count, 0, nullptr, ends.data(), &size))
    return;
  // The partial extents, each from the line's start, become each letter's own advance.
  std::vector<int> advances(text.size());
  for (std::size_t i = 0; i < advances.size(); ++i)
    advances[i] = ends[i] - (i == 0 ? 0 : ends[i - 1]);
  const int top = box.top + (box.bottom - box.top - size.cy) / 2;
  ExtTextOutW(dc, box.left, top, ETO_CLIPPED, &box, text.c_str(), static_cast<UINT>(count),
              advances.data());
}

SIZE LineSize(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void DrawFocus(const DRAWITEMSTRUCT& draw, int inset) {
  if ((draw.itemState & ODS_FOCUS) == 0 || (draw.itemState & ODS_NOFOCUSRECT) != 0) return;
  RECT frame = draw.rcItem;
  InflateRect(&frame, -inset, -inset);
  DrawFocusRect(draw.hDC, &frame);
}

}  // namespace

AboutWindow::AboutWindow(const DialogPorts& ports)
    : ModelessDialog(ports.toolbar),
      about_(AboutServices{ports.platform.shell, ports.platform.files, ports.platform.ini,
                           ports.platform.download, ports.platform.temp,
                           ports.platform.connectivity, ports.platform.program,
                           ports.platform.fileInformation, ports.platform.process, *this,
                           ports.toolbar}) {}

AboutWindow::~AboutWindow() { DestroyHandle(); }

bool AboutWindow::Create(HINSTANCE instance, HWND owner) {
  // The height is the layout's, made at every show.
  if (!ModelessDialog::Create(instance, owner, std::string(about_texts::kCaption),
                              AboutMeasures{}.clientWidth, kPictureHeight,
                              DialogFrame::ToolWithoutButtons))
    return false;
  about_.SetOwner(reinterpret_cast<WindowHandle>(Handle()));
  return true;
}

void AboutWindow::OnCreateControls() {
  tips_.Create(Handle());
  // In the order of the table, which is the tab order: the links, the icons, then the
  // buttons. The notice comes before its cover and so lies above it; the notice lets the
  // mouse through (no SS_NOTIFY), so the cover takes the clicks in both phases of the
  // blinking.
  for (std::size_t index = 0; index < kAboutControls; ++index) {
    const auto control = static_cast<C>(index);
    const AboutControlView& view = about_.Control(control);
    const int id = kFirstId + static_cast<int>(index);
    // An icon has no caption; its tip names it for whoever cannot see the picture.
    const std::string& caption = view.kind == K::Icon ? view.tooltip : view.text;
    HWND window = nullptr;
    switch (view.kind) {
      case K::Image:
        window = AddControl(ControlKind::Label, id, "Kromelik", {}, SS_OWNERDRAW);
        break;
      case K::Label:
      case K::BoldLabel:
        // Drawn here, in the very way they are measured (see DrawLine).
        window = AddControl(ControlKind::Label, id, caption, {}, SS_OWNERDRAW);
        break;
      case K::CoverLabel:
        window = AddControl(ControlKind::Label, id, caption, {}, SS_OWNERDRAW | SS_NOTIFY);
        break;
      case K::LinkLabel:
      case K::Icon:
      case K::Button:
        // OK is what Enter presses. A default push button cannot be drawn by its owner,
        // but BS_OWNERDRAW includes the default style's bit, so the kind still tells the
        // dialog which one is the default.
        window = AddControl(control == C::Ok ? ControlKind::DefaultButton : ControlKind::Button,
                            id, caption, {}, BS_OWNERDRAW);
        if (window != nullptr)
          common_controls::SetSubclass(window, &AboutWindow::TrackPointer, index,
                                       reinterpret_cast<DWORD_PTR>(this));
        break;
    }
    windows_[index] = window;
  }
  MakeFonts();
}

void AboutWindow::MakeFonts() {
  LOGFONTW font{};
  GetObjectW(Font(), sizeof font, &font);
  font.lfWeight = FW_BOLD;
  bold_ = UniqueFont(CreateFontIndirectW(&font));
  font.lfWeight = FW_NORMAL;
  font.lfUnderline = TRUE;
  underlined_ = UniqueFont(CreateFontIndirectW(&font));
  for (const C control : {C::Version, C::Notice}) {
    if (Control(control) != nullptr && bold_)
      SendMessageW(Control(control), WM_SETFONT, reinterpret_cast<WPARAM>(bold_.Get()), FALSE);
  }
}

// At the size they are shown, so they stay sharp at every DPI. The picture waits for the
// first show: decoding it brings in the imaging component, which a run that never opens
// the box need not carry.
void AboutWindow::LoadPictures() {
  if (!picture_) {
    picture_ = DecodePicture(ResourceBytes(GetModuleHandleW(nullptr), KROMELIK_ABOUT_PICTURE),
                             Scale(kPictureWidth), Scale(kPictureHeight));
  }
  if (!profile_) profile_ = DrawPicture(DrawnPicture::Profile, Scale(kIconSize));
  if (!coin_) coin_ = DrawPicture(DrawnPicture::Coin, Scale(kIconSize));
}

void AboutWindow::OnShow() {
  pointers_ = {};
  about_.FormShow(CurrentYear());
  LoadPictures();
  Present();
}

void AboutWindow::Present() {
  presenting_ = true;
  for (std::size_t index = 0; index < kAboutControls; ++index) {
    HWND window = windows_[index];
    const AboutControlView& view = about_.Control(static_cast<C>(index));
    if (view.kind != K::Image && view.kind != K::Icon) SetText(window, view.text);
    ShowControl(window, view.visible);
    tips_.Set(window, view.tooltip);
  }
  LayOut();
  if (about_.BlinkTimerOn())
    SetTimer(Handle(), kBlinkTimer, kBlinkMilliseconds, nullptr);
  else
    KillTimer(Handle(), kBlinkTimer);
  presenting_ = false;
}

void AboutWindow::LayOut() {
  AboutMeasures measures;
  for (std::size_t index = 0; index < kAboutControls; ++index) {
    const auto control = static_cast<C>(index);
    const AboutControlView& view = about_.Control(control);
    AboutSize& size = measures.sizes[index];
    switch (view.kind) {
      case K::Image: size = {kPictureWidth, kPictureHeight}; break;
      case K::Icon: size = {kIconSize, kIconSize}; break;
      case K::Button: size = {control == C::Update ? 0 : kButtonWidth, kButtonHeight}; break;
      case K::CoverLabel: break;  // the notice's rectangle, whatever its own size
      case K::Label:
      case K::BoldLabel:
      case K::LinkLabel: {
        // In the control's own device context and font, as it draws itself.
        HWND window = windows_[index];
        const WindowDc dc(window);
        if (!dc) break;
        const ScopedSelectObject font(
            dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
        // An empty text still takes a line's height.
        const std::wstring text = Utf8ToWide(view.text.empty() ? " " : view.text);
        const SIZE extent = LineSize(dc.Get(), text);
        size = {view.text.empty() ? 0 : To96(extent.cx, Dpi()), To96(extent.cy, Dpi())};
        break;
      }
    }
  }
  const AboutLayout layout = LayOutAbout(measures);
  for (std::size_t index = 0; index < kAboutControls; ++index) {
    const AboutRect& at = layout.places[index];
    PlaceControl(windows_[index], {at.left, at.top, at.width, at.height});
  }
  // The layout gives the outer height; whatever the frame takes of the margin under the
  // buttons, a few pixels of it stay, whatever the title bar's height.
  RECT outer{};
  RECT client{};
  GetWindowRect(Handle(), &outer);
  GetClientRect(Handle(), &client);
  const int frame96 = To96(outer.bottom - outer.top - client.bottom, Dpi());
  ResizeClient(measures.clientWidth,
               std::max(layout.height - frame96, layout[C::Ok].Bottom() + 4));
}

void AboutWindow::OnOk() { about_.Click(C::Ok); }

void AboutWindow::OnClosed() {
  KillTimer(Handle(), kBlinkTimer);
  about_.FormClose();
}

std::optional<AboutControl> AboutWindow::ControlOf(HWND window) const {
  if (window == nullptr) return std::nullopt;
  for (std::size_t index = 0; index < kAboutControls; ++index)
    if (windows_[index] == window) return static_cast<C>(index);
  return std::nullopt;
}

bool AboutWindow::OnCommand(int id, int code, HWND control) {
  if (presenting_) return true;
  if (id == IDCANCEL) {
    about_.FormKeyDown(DialogKey::Escape);
    return true;
  }
  const std::optional<C> clicked = ControlOf(control);
  if (!clicked) return ModelessDialog::OnCommand(id, code, control);
  // STN_CLICKED of the notice's cover is BN_CLICKED's code too.
  if (code != BN_CLICKED) return true;
  // A click on OK gives it the focus first, so OK's command while another of the box's
  // buttons has the focus is Enter pressed on that one.
  if (*clicked == C::Ok) {
    if (const std::optional<C> focused = ControlOf(GetFocus()); focused && *focused != C::Ok) {
      about_.Click(*focused);
      return true;
    }
  }
  about_.Click(*clicked);
  return true;
}

void AboutWindow::OnDpiChanged() {
  MakeFonts();
  picture_ = UniqueBitmap();
  profile_ = UniqueIcon();
  coin_ = UniqueIcon();
  if (IsOpen()) {
    LoadPictures();
    LayOut();
  }
}

HWND AboutWindow::InitialFocus() const { return Control(C::Ok); }

void AboutWindow::Track(C control, UINT message, LPARAM lParam) {
  Pointer& pointer = pointers_[IndexOf(control)];
  const Pointer before = pointer;
  HWND window = Control(control);
  switch (message) {
    case WM_MOUSEMOVE: {
      RECT client{};
      GetClientRect(window, &client);
      const bool inside = PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != 0;
      if (inside && !pointer.inside) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window, 0};
        TrackMouseEvent(&leave);
      }
      pointer.inside = inside;
      break;
    }
    case WM_MOUSELEAVE: pointer = {}; break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pointer.inside = true;
      pointer.left = true;
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      pointer.inside = true;
      pointer.right = true;
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: pointer.left = false; break;
    case WM_RBUTTONUP: pointer.right = false; break;
    default: return;
  }
  if (pointer.inside != before.inside || pointer.Pressed() != before.Pressed())
    InvalidateRect(window, nullptr, FALSE);
}

LRESULT CALLBACK AboutWindow::TrackPointer(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR control, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    common_controls::RemoveSubclass(window, &AboutWindow::TrackPointer, control);
  } else if (control < kAboutControls) {
    reinterpret_cast<AboutWindow*>(self)->Track(static_cast<C>(control), message, lParam);
  }
  return common_controls::DefSubclass(window, message, wParam, lParam);
}

void AboutWindow::Draw(const DRAWITEMSTRUCT& draw) const {
  const std::optional<C> control = ControlOf(draw.hwndItem);
  if (!control) return;
  const AboutControlView& view = about_.Control(*control);
  if (view.kind == K::CoverLabel) return;  // see-through: the notice shows under it
  HDC dc = draw.hDC;
  RECT face = draw.rcItem;
  FillRect(dc, &face, Background());

  if (view.kind == K::Image) {
    if (!picture_) return;
    const MemoryDc source(CreateCompatibleDC(dc));
    if (!source) return;
    const ScopedSelectObject select(source.Get(), picture_.Get());
    BitBlt(dc, face.left, face.top, face.right - face.left, face.bottom - face.top, source.Get(),
           0, 0, SRCCOPY);
    return;
  }
  if (view.kind == K::Icon) {
    HICON icon = *control == C::Profile ? profile_.Get() : coin_.Get();
    const int size = Scale(kIconSize);
    if (icon != nullptr)
      DrawIconEx(dc, (face.left + face.right - size) / 2, (face.top + face.bottom - size) / 2,
                 icon, size, size, 0, nullptr, DI_NORMAL);
    DrawFocus(draw, 0);
    return;
  }

  const std::wstring text = Utf8ToWide(TextOf(draw.hwndItem));
  SetBkMode(dc, TRANSPARENT);
  if (view.kind == K::Label || view.kind == K::BoldLabel) {
    const ScopedSelectObject font(dc, reinterpret_cast<HGDIOBJ>(
                                          SendMessageW(draw.hwndItem, WM_GETFONT, 0, 0)));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    DrawLine(dc, face, text);
    return;
  }

  const Pointer& pointer = pointers_[IndexOf(*control)];
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  if (view.kind == K::LinkLabel) {
    const bool pressed = pointer.Pressed() || selected;
    const bool hot = pointer.inside && !pressed;
    const ScopedSelectObject font(dc, hot && underlined_ ? static_cast<HGDIOBJ>(underlined_.Get())
                                                         : static_cast<HGDIOBJ>(Font()));
    SetTextColor(dc, pressed ? kLinkPressed : hot ? kLinkHot : GetSysColor(COLOR_WINDOWTEXT));
    DrawLine(dc, face, text);
    DrawFocus(draw, 0);
    return;
  }

  // A flat button: no frame at rest, raised under the mouse, sunken while pushed.
  if (selected)
    DrawEdge(dc, &face, BDR_SUNKENOUTER, BF_RECT);
  else if (pointer.inside)
    DrawEdge(dc, &face, BDR_RAISEDINNER, BF_RECT);
  RECT caption = face;
  if (selected) OffsetRect(&caption, 1, 1);
  const ScopedSelectObject font(dc, Font());
  SetTextColor(dc, GetSysColor((draw.itemState & ODS_DISABLED) != 0 ? COLOR_GRAYTEXT
                                                                   : COLOR_WINDOWTEXT));
  DrawTextW(dc, text.c_str(), -1, &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  DrawFocus(draw, 3);
}

std::optional<LRESULT> AboutWindow::HandleDialogMessage(UINT message, WPARAM wParam,
                                                        LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(Handle(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, Background());
      return 1;
    }
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      return reinterpret_cast<LRESULT>(Background());
    }
    case WM_DRAWITEM:
      Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_SETCURSOR: {
      const std::optional<C> control = ControlOf(reinterpret_cast<HWND>(wParam));
      if (control && about_.Control(*control).handCursor && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    }
    case WM_TIMER:
      if (wParam == kBlinkTimer) {
        about_.Timer_SzukamPracyTimer();
        ShowControl(Control(C::Notice), about_.Control(C::Notice).visible);
        return 0;
      }
      break;
    default:
      break;
  }
  return ModelessDialog::HandleDialogMessage(message, wParam, lParam);
}

}  // namespace kromelik
