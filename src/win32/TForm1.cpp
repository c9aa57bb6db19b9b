#include "win32/TForm1.h"

#include <commctrl.h>
#include <shellapi.h>

#include <optional>

#include "core/RegistryLayout.h"
#include "menus/ToolbarCommands.h"
#include "win32/Pictures.h"
#include "win32/WideText.h"

namespace kromelik {

namespace {

constexpr wchar_t kClassName[] = L"KromelikToolbar";
constexpr UINT_PTR kSlideTimerId = 1;
constexpr UINT_PTR kButtonWatchTimerId = 2;
constexpr UINT kSlideInterval = 100;
constexpr UINT kButtonWatchInterval = 10;
constexpr int kFirstButtonId = 100;

// The picture each button shows: the icon of a file in the system directory where the
// platform has a fitting one, else a stock picture.
struct ButtonPicture {
  StockIcon stock;
  const wchar_t* file;
};

std::optional<ButtonPicture> PictureOf(ToolbarButton button) {
  switch (button) {
    case ToolbarButton::About: return ButtonPicture{StockIcon::Help, nullptr};
    case ToolbarButton::Panel: return ButtonPicture{StockIcon::Settings, L"control.exe"};
    case ToolbarButton::Uslugi: return ButtonPicture{StockIcon::Server, L"taskmgr.exe"};
    case ToolbarButton::Programy: return ButtonPicture{StockIcon::Application, nullptr};
    case ToolbarButton::Gry: return ButtonPicture{StockIcon::MediaCd, L"joy.cpl"};
    case ToolbarButton::Dyski: return ButtonPicture{StockIcon::Computer, nullptr};
    case ToolbarButton::Foldery: return ButtonPicture{StockIcon::Folder, nullptr};
    case ToolbarButton::Dokumenty: return ButtonPicture{StockIcon::MixedFiles, nullptr};
    case ToolbarButton::Ulubione: return ButtonPicture{StockIcon::Link, nullptr};
    case ToolbarButton::Internet: return ButtonPicture{StockIcon::Internet, L"inetcpl.cpl"};
    case ToolbarButton::RSS: return ButtonPicture{StockIcon::Internet, nullptr};
    case ToolbarButton::Wylacz: return ButtonPicture{StockIcon::Lock, nullptr};
    case ToolbarButton::Close:
    case ToolbarButton::Kromelik: return std::nullopt;
  }
  return std::nullopt;
}

UniqueIcon LoadButtonIcon(ToolbarButton button, const std::string& systemDirectory) {
  constexpr int kSize = 32;
  const auto picture = PictureOf(button);
  if (!picture) return UniqueIcon();
  if (picture->file != nullptr) {
    const std::wstring path = Utf8ToWide(systemDirectory) + L"\\" + picture->file;
    HICON large = nullptr;
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES &&
        ExtractIconExW(path.c_str(), 0, &large, nullptr, 1) > 0 && large != nullptr)
      return UniqueIcon(large);
  }
  return StockPicture(picture->stock, kSize);
}

RECT ToRect(const Rect& rect) {
  return {rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

}  // namespace

TForm1::TForm1(Platform platform)
    : platform_(platform),
      layout_(GetSystemMetrics(SM_CXSCREEN)),
      launcher_(platform.shell, platform.folders) {
  toolbar_ = std::make_unique<Toolbar>(layout_, *this, cursor_, *this, clock_);
  WireToolbarCommands(menus_, *toolbar_, messages_);
}

TForm1::~TForm1() = default;

bool TForm1::Create(HINSTANCE instance) {
  if (!RegisterClassOnce(kClassName, instance, nullptr)) return false;
  const std::wstring title = Utf8ToWide(kApplicationTitle);
  // A tool window gets no taskbar button; the strip waits above the screen's top edge.
  return CreateHandle(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTROLPARENT, kClassName,
                      title.c_str(), WS_POPUP | WS_CLIPCHILDREN, 0, -layout_.Height(),
                      layout_.Width(), layout_.Height(), nullptr, instance) != nullptr;
}

void TForm1::OnCreate() {
  messages_.SetOwner(Handle());
  systemDirectory_ = platform_.folders.SystemDirectory();
  windowsDirectory_ = platform_.folders.WindowsDirectory();
  options_ = RegisterAndReadOptions(platform_.registry, platform_.files, platform_.program,
                                    platform_.fileInformation, platform_.text);

  launcher_.SetOwner(reinterpret_cast<WindowHandle>(Handle()));
  launchContext_ = std::make_unique<LaunchContext>(LaunchContext{
      launcher_, *toolbar_, platform_.files, messages_, systemDirectory_, windowsDirectory_});
  WireLaunchCommands(menus_, *launchContext_);
  ShowBuiltInGames(menus_, platform_.files, systemDirectory_);

  LOGFONTW logo{};
  logo.lfHeight = -13;
  logo.lfWeight = FW_BOLD;
  logo.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(logo.lfFaceName, L"Tahoma", LF_FACESIZE);
  logoFont_.Reset(CreateFontIndirectW(&logo));

  CreateButtons();
  SetTimer(Handle(), kSlideTimerId, kSlideInterval, nullptr);
  SetTimer(Handle(), kButtonWatchTimerId, kButtonWatchInterval, nullptr);
}

void TForm1::CreateButtons() {
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                              nullptr, nullptr, nullptr);
  for (const ButtonInfo& entry : ToolbarButtons()) {
    const auto index = static_cast<std::size_t>(entry.button);
    pictures_[index] = LoadButtonIcon(entry.button, systemDirectory_);
    FlatButton& button = buttons_[index];
    button.Create(Handle(), kFirstButtonId + static_cast<int>(index),
                  ToRect(layout_.ButtonRect(entry.button)), pictures_[index].Get(), entry.visible);
    if (entry.button == ToolbarButton::Close) button.SetGlyph(L'r');  // Marlett's close mark
    button.SetBackground(PanelColour());
    if (tooltips_ != nullptr && !entry.hint.empty()) {
      std::wstring hint = Utf8ToWide(entry.hint);
      TOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = Handle();
      tool.uId = reinterpret_cast<UINT_PTR>(button.Handle());
      tool.lpszText = hint.data();
      SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }
}

void TForm1::ShowAtStart() {
  ShowWindow(Handle(), SW_SHOWNOACTIVATE);
  toolbar_->Start();
  SyncButtons();
}

COLORREF TForm1::PanelColour() const {
  return options_.look.colour ? static_cast<COLORREF>(*options_.look.colour)
                              : GetSysColor(COLOR_BTNFACE);
}

void TForm1::OnButtonClick(ToolbarButton button) {
  if (button == ToolbarButton::Close) {
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
    return;
  }
  const ButtonInfo& entry = ButtonInfoOf(button);
  MenuItem* menu = menus_.FindMenu(entry.menu);
  if (menu == nullptr) return;
  toolbar_->Press(button);
  SyncButtons();
  if (launchContext_) RefreshBeforePopup(button, menus_, *launchContext_);
  const ScreenPoint at = layout_.PopupPoint(button, toolbar_->Top());
  MenuItem* chosen = renderer_.Popup(Handle(), *menu, menus_.ImagesOf(*menu),
                                     options_.look.menuStyle, POINT{at.x, at.y});
  if (chosen != nullptr && chosen->OnClick) chosen->OnClick(*chosen);
  SyncButtons();
}

void TForm1::SyncButtons() {
  for (const ButtonInfo& entry : ToolbarButtons())
    buttons_[static_cast<std::size_t>(entry.button)].SetDown(toolbar_->IsDown(entry.button));
}

void TForm1::Paint(HDC dc) {
  RECT client{};
  GetClientRect(Handle(), &client);
  const UniqueBrush panel(CreateSolidBrush(PanelColour()));
  FillRect(dc, &client, panel.Get());

  const PanelBevel& bevel = options_.look.bevel;
  if (bevel.raised) {
    // Outer and inner raised bevels, each `width` pixels wide, as a panel draws them.
    RECT edge = client;
    for (int i = 0; i < bevel.width * 2 && edge.right - edge.left > 2; ++i) {
      DrawEdge(dc, &edge, i < bevel.width ? BDR_RAISEDOUTER : BDR_RAISEDINNER, BF_RECT);
      InflateRect(&edge, -1, -1);
    }
  }

  RECT logo = ToRect(layout_.LogoStrip());
  FillRect(dc, &logo, GetSysColorBrush(COLOR_ACTIVECAPTION));
  if (logoFont_) {
    const ScopedSelectObject select(dc, logoFont_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    // Two letters, the second overlapping the first.
    TextOutW(dc, logo.left + 1, logo.top + 8, L"K", 1);
    TextOutW(dc, logo.left + 6, logo.top + 16, L"B", 1);
  }

  for (const Rect& line : layout_.Bevels()) {
    RECT shadow = ToRect(line);
    FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
    RECT light{shadow.right, shadow.top, shadow.right + 1, shadow.bottom};
    FillRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
  }
}

void TForm1::ApplyTransparency() {
  SettingsStore store(platform_.registry);
  if (!store.OpenKey(registry_layout::kMainKey, true)) return;
  const auto alpha = ReadTransparency(store);
  store.CloseKey();
  // Nothing is undone here: only the options dialog makes the strip opaque again.
  if (!alpha) return;
  const LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  if ((exStyle & WS_EX_LAYERED) == 0) SetWindowLongPtrW(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  SetLayeredWindowAttributes(Handle(), 0, *alpha, LWA_ALPHA);
}

void TForm1::Show() {
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TForm1::Hide() { ShowWindow(Handle(), SW_HIDE); }

void TForm1::MoveToTop(int top) {
  SetWindowPos(Handle(), nullptr, 0, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::Repaint() {
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool TForm1::IsActive() const { return GetForegroundWindow() == Handle(); }

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
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_TIMER:
      if (wParam == kSlideTimerId) {
        toolbar_->OnSlideTimer();
      } else if (wParam == kButtonWatchTimerId) {
        toolbar_->OnButtonWatchTimer();
        SyncButtons();
      }
      return 0;
    case WM_COMMAND: {
      const int id = LOWORD(wParam) - kFirstButtonId;
      if (HIWORD(wParam) == BN_CLICKED && id >= 0 && id < static_cast<int>(kToolbarButtonCount))
        OnButtonClick(static_cast<ToolbarButton>(id));
      return 0;
    }
    case WM_SETFOCUS: {
      // The keyboard belongs to a button: the pressed one, else the first.
      const ToolbarButton down = toolbar_->DownButton();
      const ToolbarButton target = ButtonInfoOf(down).visible ? down : ToolbarButton::About;
      SetFocus(buttons_[static_cast<std::size_t>(target)].Handle());
      return 0;
    }
    case WM_LBUTTONDOWN:
      // A click on the bare panel lets go of the pressed button.
      toolbar_->ReleaseButtons();
      SyncButtons();
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
