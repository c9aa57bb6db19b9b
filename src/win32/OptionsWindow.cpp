#include "win32/OptionsWindow.h"

#include <commctrl.h>

#include "win32/ButtonPictures.h"
#include "win32/ControlState.h"
#include "win32/WideText.h"

namespace kromelik {

namespace {

constexpr int kClientWidth = 557;
constexpr int kClientHeight = 389;
constexpr int kTitlePixels = 23;
constexpr int kPreviewWidth = 212;
constexpr int kPreviewHeight = 92;

// The labels of the colour group, enabled with its box.
enum LabelId : int {
  kRedLabel = 240, kGreenLabel, kBlueLabel, kGreyLabel, kStyleLabel, kOtherLabel, kHotkeyLabel
};

constexpr const char* kPreviewItems[] = {"Programy", "Dokumenty", "Zamknij"};

}  // namespace

OptionsWindow::OptionsWindow(const DialogPorts& ports, LiveOptions& live)
    : ModelessDialog(ports.toolbar),
      ports_(ports),
      options_(OptionsServices{ports.platform.registry, ports.platform.text, ports.platform.program,
                               colours_, live, messages_, *this, ports.toolbar}) {}

OptionsWindow::~OptionsWindow() { DestroyHandle(); }

bool OptionsWindow::Create(HINSTANCE instance, HWND owner) {
  if (!ModelessDialog::Create(instance, owner, std::string(options_texts::kCaption),
                              kClientWidth, kClientHeight, DialogFrame::Tool))
    return false;
  messages_.SetOwner(Handle());
  return true;
}

void OptionsWindow::AddBar(int id, const OptionsBar& bar, Rect96 at) {
  HWND control = AddControl(ControlKind::TrackBar, id, "", at, TBS_HORZ | TBS_NOTICKS);
  if (control == nullptr) return;
  SendMessageW(control, TBM_SETRANGEMIN, FALSE, bar.minimum);
  SendMessageW(control, TBM_SETRANGEMAX, TRUE, bar.maximum);
  SendMessageW(control, TBM_SETPOS, TRUE, bar.position);
  tips_.Set(control, bar.tooltip);
}

UniqueBitmap OptionsWindow::DrawPreview(MenuStyle style) {
  const int width = Scale(kPreviewWidth);
  const int height = Scale(kPreviewHeight);
  const WindowDc screen(nullptr);
  if (!screen) return UniqueBitmap();
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
  const MemoryDc dc(CreateCompatibleDC(screen.Get()));
  if (!bitmap || !dc) return UniqueBitmap();
  const ScopedSelectObject selected(dc.Get(), bitmap.Get());
  const ScopedSelectObject font(dc.Get(), Font());
  const bool pastel = style == MenuStyle::Pastel;
  RECT all{0, 0, width, height};
  FillRect(dc.Get(), &all, GetSysColorBrush(pastel ? COLOR_BTNFACE : COLOR_MENU));
  const int column = Scale(24);
  if (pastel) {
    RECT icons{0, 0, column, height};
    FillRect(dc.Get(), &icons, GetSysColorBrush(COLOR_3DLIGHT));
  }
  DrawEdge(dc.Get(), &all, pastel ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT);
  SetBkMode(dc.Get(), TRANSPARENT);
  const int row = (height - Scale(8)) / 3;
  for (int index = 0; index < 3; ++index) {
    RECT item{Scale(3), Scale(4) + index * row, width - Scale(3), Scale(4) + (index + 1) * row};
    const bool chosen = index == 1;
    if (chosen) {
      FillRect(dc.Get(), &item, GetSysColorBrush(COLOR_HIGHLIGHT));
      if (pastel) FrameRect(dc.Get(), &item, GetSysColorBrush(COLOR_HOTLIGHT));
    }
    SetTextColor(dc.Get(), GetSysColor(chosen && !pastel ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    RECT text = item;
    text.left += pastel ? column + Scale(6) : Scale(18);
    const std::wstring caption = Utf8ToWide(kPreviewItems[index]);
    DrawTextW(dc.Get(), caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  return bitmap;
}

void OptionsWindow::OnCreateControls() {
  tips_.Create(Handle());
  const OptionsControls& c = options_.Controls();
  namespace texts = options_texts;

  // "Inne", with the autostart box first in the tab order.
  AddControl(ControlKind::Label, kOtherLabel, std::string(texts::kOtherLabel), {16, 282, 100, 16});
  tips_.Set(AddControl(ControlKind::CheckBox, kAutostart, std::string(c.autostart.caption),
                    {16, 304, 264, 20}),
         c.autostart.tooltip);
  // Under the autostart box; the label just before it in the tab order names it to
  // screen readers.
  AddControl(ControlKind::Label, kHotkeyLabel, std::string(texts::kHotkeyLabel), {16, 331, 100, 16});
  HWND hotkey = AddControl(ControlKind::HotKey, kHotkey, "", {120, 328, 160, 20});
  // A letter alone, or with Shift alone, would be taken from every program's typing:
  // such a combination becomes one with Ctrl+Alt.
  SendMessageW(hotkey, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
  AddControl(ControlKind::Label, 0, "", {288, 284, 2, 62}, SS_ETCHEDVERT);
  tips_.Set(AddControl(ControlKind::CheckBox, kExtensions, std::string(c.extensions.caption),
                    {296, 292, 250, 20}),
         c.extensions.tooltip);
  tips_.Set(AddControl(ControlKind::CheckBox, kSort, std::string(c.sort.caption), {296, 318, 250, 20}),
         c.sort.tooltip);

  // Menu style, with the preview of the chosen one.
  AddControl(ControlKind::Label, kStyleLabel, std::string(texts::kMenuStyleLabel),
             {16, 74, 150, 16});
  tips_.Set(AddControl(ControlKind::RadioButton, kClassic, std::string(c.classic.caption),
                    {16, 100, 140, 20}, WS_GROUP),
         c.classic.tooltip);
  tips_.Set(AddControl(ControlKind::RadioButton, kPastel, std::string(c.pastel.caption),
                    {16, 126, 140, 20}),
         c.pastel.tooltip);
  classicPreview_ = DrawPreview(MenuStyle::Classic);
  pastelPreview_ = DrawPreview(MenuStyle::Pastel);
  for (auto [id, left, top, bitmap] :
       {std::tuple{int{kClassicPreview}, 166, 82, classicPreview_.Get()},
        std::tuple{int{kPastelPreview}, 165, 81, pastelPreview_.Get()}}) {
    HWND preview = AddControl(ControlKind::Label, id, "",
                              {left, top, kPreviewWidth, kPreviewHeight}, SS_BITMAP);
    if (preview != nullptr && bitmap != nullptr)
      SendMessageW(preview, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  }

  // Colour.
  tips_.Set(AddControl(ControlKind::CheckBox, kChangeColour, std::string(c.changeColour.caption),
                    {400, 72, 146, 20}),
         c.changeColour.tooltip);
  int top = 96;
  for (auto [label, labelId, number, numberId, barId, bar] :
       {std::tuple{texts::kRedLabel, int{kRedLabel}, c.redNumber, int{kRedNumber}, int{kRed}, c.red},
        std::tuple{texts::kGreenLabel, int{kGreenLabel}, c.greenNumber, int{kGreenNumber},
                   int{kGreen}, c.green},
        std::tuple{texts::kBlueLabel, int{kBlueLabel}, c.blueNumber, int{kBlueNumber}, int{kBlue},
                   c.blue}}) {
    AddControl(ControlKind::Label, labelId, std::string(label), {400, top, 80, 16});
    AddControl(ControlKind::Label, numberId, number, {500, top, 46, 16}, SS_RIGHT);
    AddBar(barId, bar, {396, top + 14, 154, 22});
    top += 40;
  }
  AddControl(ControlKind::Label, kGreyLabel, std::string(texts::kGreyLabel), {400, top, 146, 16});
  AddBar(kGrey, c.grey, {396, top + 14, 154, 22});

  // Bevel and transparency.
  tips_.Set(AddControl(ControlKind::CheckBox, kBevel, std::string(c.bevel.caption),
                    {16, 200, 110, 20}),
         c.bevel.tooltip);
  AddControl(ControlKind::Label, kBevelWidthText, c.bevelWidthText, {128, 202, 40, 16}, SS_RIGHT);
  AddBar(kBevelWidth, c.bevelWidth, {12, 228, 160, 26});
  tips_.Set(AddControl(ControlKind::CheckBox, kTransparency, std::string(c.transparency.caption),
                    {192, 200, 130, 20}),
         c.transparency.tooltip);
  AddControl(ControlKind::Label, kTransparencyPercent, c.transparencyPercent,
             {326, 202, 52, 16}, SS_RIGHT);
  AddBar(kTransparencyBar, c.transparencyBar, {188, 228, 192, 26});

  AddControl(ControlKind::DefaultButton, IDOK, std::string(texts::kOk), {479, 360, 73, 25});

  // The frames come after what they hold, so they lie beneath it and, clipped by it,
  // never paint over it.
  for (const Rect96 frame : {Rect96{8, 272, 545, 81}, Rect96{8, 64, 377, 121}, Rect96{392, 64, 162, 201}, Rect96{8, 192, 169, 73}, Rect96{184, 192, 201, 73}})
    AddControl(ControlKind::GroupBox, 0, "", frame, WS_CLIPSIBLINGS);

  // The title, after every tab stop.
  HWND picture = AddControl(ControlKind::Label, kTitlePicture, "", {8, 8, 48, 48},
                            SS_ICON | SS_CENTERIMAGE);
  titleIcon_ = LoadButtonIcon(ToolbarButton::Panel, ports_.systemDirectory, Scale(48));
  if (picture != nullptr && titleIcon_)
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(titleIcon_.Get()), 0);
  HWND title = AddControl(ControlKind::Label, kTitle, std::string(texts::kTitle),
                          {64, 18, 200, 30}, SS_NOPREFIX);
  UseTitleFont(title, kTitlePixels);
  Present();
}

void OptionsWindow::Present() {
  presenting_ = true;
  const OptionsControls& c = options_.Controls();
  const auto check = [this](int id, bool ticked) {
    if ((IsDlgButtonChecked(Handle(), id) == BST_CHECKED) != ticked)
      CheckDlgButton(Handle(), id, ticked ? BST_CHECKED : BST_UNCHECKED);
  };
  const bool pastel = c.menuStyle == MenuStyle::Pastel;
  check(kClassic, !pastel);
  check(kPastel, pastel);
  ShowControl(Item(kClassicPreview), !pastel);
  ShowControl(Item(kPastelPreview), pastel);
  check(kChangeColour, c.changeColour.ticked);
  check(kBevel, c.bevel.ticked);
  check(kTransparency, c.transparency.ticked);
  check(kAutostart, c.autostart.ticked);
  check(kExtensions, c.extensions.ticked);
  check(kSort, c.sort.ticked);
  if (static_cast<std::uint16_t>(SendMessageW(Item(kHotkey), HKM_GETHOTKEY, 0, 0)) != c.hotkey)
    SendMessageW(Item(kHotkey), HKM_SETHOTKEY, c.hotkey, 0);
  for (auto [id, bar] : {std::pair{int{kRed}, c.red}, std::pair{int{kGreen}, c.green},
                         std::pair{int{kBlue}, c.blue}, std::pair{int{kGrey}, c.grey},
                         std::pair{int{kBevelWidth}, c.bevelWidth},
                         std::pair{int{kTransparencyBar}, c.transparencyBar}}) {
    if (SendMessageW(Item(id), TBM_GETPOS, 0, 0) != bar.position)
      SendMessageW(Item(id), TBM_SETPOS, TRUE, bar.position);
  }
  SetText(Item(kRedNumber), c.redNumber);
  SetText(Item(kGreenNumber), c.greenNumber);
  SetText(Item(kBlueNumber), c.blueNumber);
  SetText(Item(kBevelWidthText), c.bevelWidthText);
  SetText(Item(kTransparencyPercent), c.transparencyPercent);
  for (int id : {int{kRed}, int{kGreen}, int{kBlue}, int{kGrey}, int{kRedNumber}, int{kGreenNumber},
                 int{kBlueNumber}, int{kRedLabel}, int{kGreenLabel}, int{kBlueLabel},
                 int{kGreyLabel}})
    EnableControl(Item(id), c.ColourGroupEnabled());
  for (int id : {int{kBevelWidth}, int{kBevelWidthText}}) EnableControl(Item(id), c.BevelGroupEnabled());
  for (int id : {int{kTransparencyBar}, int{kTransparencyPercent}})
    EnableControl(Item(id), c.TransparencyGroupEnabled());
  presenting_ = false;
}

void OptionsWindow::OnShow() {
  options_.FormShow();
  Present();
}

void OptionsWindow::OnOk() {
  // As the field holds it, whether or not it told of every change.
  options_.HotkeyChange(static_cast<std::uint16_t>(SendMessageW(Item(kHotkey), HKM_GETHOTKEY, 0, 0)));
  options_.FormKeyDown(DialogKey::Enter);
  Present();
}

void OptionsWindow::OnScroll(HWND bar) {
  const int position = static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0));
  switch (GetDlgCtrlID(bar)) {
    case kRed: options_.ScrollBar6Scroll(ColourBar::Red, position); break;
    case kGreen: options_.ScrollBar6Scroll(ColourBar::Green, position); break;
    case kBlue: options_.ScrollBar6Scroll(ColourBar::Blue, position); break;
    case kGrey: options_.ScrollBar9Scroll(position); break;
    case kBevelWidth: options_.ScrollBar2Scroll(position); break;
    case kTransparencyBar: options_.ScrollBar1Scroll(position); break;
    default: return;
  }
  Present();
}

bool OptionsWindow::OnCommand(int id, int code, HWND control) {
  if (presenting_) return true;
  if (id == IDCANCEL) {
    options_.FormKeyDown(DialogKey::Escape);
    return true;
  }
  if (id == kHotkey && code == EN_CHANGE) {
    options_.HotkeyChange(static_cast<std::uint16_t>(SendMessageW(control, HKM_GETHOTKEY, 0, 0)));
    return true;
  }
  if (code != BN_CLICKED) return ModelessDialog::OnCommand(id, code, control);
  const bool ticked = IsDlgButtonChecked(Handle(), id) == BST_CHECKED;
  switch (id) {
    case kClassic: options_.RadioButton1Click(MenuStyle::Classic); break;
    case kPastel: options_.RadioButton1Click(MenuStyle::Pastel); break;
    case kChangeColour: options_.CheckBox2Click(ticked); break;
    case kTransparency: options_.CheckBox3Click(ticked); break;
    case kBevel: options_.CheckBox4Click(ticked); break;
    case kAutostart: options_.CheckBox1Click(ticked); break;
    case kExtensions: options_.cb_RozszerzeniaClick(ticked); break;
    case kSort: options_.cb_SortujClick(ticked); break;
    default: return ModelessDialog::OnCommand(id, code, control);
  }
  Present();
  return true;
}

std::optional<LRESULT> OptionsWindow::HandleDialogMessage(UINT message, WPARAM wParam,
                                                          LPARAM lParam) {
  if (message == WM_HSCROLL && lParam != 0 && !presenting_) {
    OnScroll(reinterpret_cast<HWND>(lParam));
    return 0;
  }
  return ModelessDialog::HandleDialogMessage(message, wParam, lParam);
}

}  // namespace kromelik
