#include "win32/SearchWindow.h"

#include "win32/ControlState.h"
#include "win32/WideText.h"

namespace kromelik {

namespace {

constexpr int kDroppedListHeight = 160;

}  // namespace

SearchWindow::SearchWindow(const DialogPorts& ports, LiveOptions& live)
    : ModelessDialog(ports.toolbar),
      live_(live),
      search_(SearchDialogServices{ports.platform.registry, ports.platform.text,
                                   ports.platform.shell, messages_, *this, ports.toolbar}) {}

SearchWindow::~SearchWindow() { DestroyHandle(); }

bool SearchWindow::Create(HINSTANCE instance, HWND owner) {
  if (!ModelessDialog::Create(instance, owner, "Wyszukaj w internecie", 358, 86,
                              DialogFrame::Tool))
    return false;
  messages_.SetOwner(Handle());
  search_.SetOwner(reinterpret_cast<WindowHandle>(Handle()));
  return true;
}

void SearchWindow::OnCreateControls() {
  // The phrase first: it is the first tab stop, with the focus at every show.
  AddControl(ControlKind::ComboBox, kPhrase, "", {16, 24, 321, 21 + kDroppedListHeight});
  // Drawn as an arrow; its text names it for whoever cannot see the picture.
  AddControl(ControlKind::Button, kServices, "Wyszukaj w ...", {338, 25, 15, 20}, BS_OWNERDRAW);
  AddControl(ControlKind::Button, kClearHistory, "Wyczyść historię", {12, 57, 125, 25});
  AddControl(ControlKind::Button, kCancel, "Anuluj", {200, 57, 73, 25});
  AddControl(ControlKind::DefaultButton, IDOK, "OK", {276, 57, 73, 25});
  AddControl(ControlKind::Label, 0, "Podaj wyraz (frazę) do wyszukania:", {8, 8, 270, 14},
             SS_NOPREFIX);
  AddControl(ControlKind::Label, 0, "Wyszukaj w ...", {288, 8, 70, 14},
             SS_NOPREFIX | SS_LEFTNOWORDWRAP);
}

void SearchWindow::Present() {
  presenting_ = true;
  const SearchControls& controls = search_.Controls();
  HWND phrase = GetDlgItem(Handle(), kPhrase);
  if (controls.history != shownHistory_) {
    // Emptying the list empties the field too; its text is set again below.
    SendMessageW(phrase, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : controls.history)
      SendMessageW(phrase, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(entry).c_str()));
    shownHistory_ = controls.history;
  }
  SetText(phrase, controls.phrase);
  EnableControl(GetDlgItem(Handle(), kClearHistory), controls.clearEnabled);
  EnableControl(GetDlgItem(Handle(), IDOK), controls.okEnabled);
  presenting_ = false;
}

void SearchWindow::OnShow() {
  search_.FormShow();
  Present();
}

void SearchWindow::OnOk() {
  search_.cb_WyrazKeyDown(DialogKey::Enter);
  Present();
}

void SearchWindow::ChooseService() {
  search_.pm_WyszukiwarkiPopup();
  RECT button{};
  GetWindowRect(GetDlgItem(Handle(), kServices), &button);
  // Just below the arrow, wherever the frame and the DPI put it.
  const MenuItem* chosen = renderer_.Popup(Handle(), search_.ServiceMenu(), noPictures_,
                                           live_.InForce().menuStyle, POINT{button.left, button.bottom});
  if (chosen != nullptr && chosen->OnClick) chosen->OnClick(*chosen);
  FocusPhrase();
}

// Where the user types next: at a show, after the service is chosen and after a clear.
void SearchWindow::FocusPhrase() {
  SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(Handle(), kPhrase)),
               TRUE);
}

bool SearchWindow::OnCommand(int id, int code, HWND control) {
  if (presenting_) return true;
  if (id == kPhrase && code == CBN_EDITCHANGE) {
    search_.cb_WyrazChange(TextOf(control));
  } else if (id == kPhrase && code == CBN_SELCHANGE) {
    if (const auto picked = PickedComboEntry(control)) search_.cb_WyrazChange(*picked);
  } else if (id == IDCANCEL) {
    search_.cb_WyrazKeyDown(DialogKey::Escape);
  } else if (code == BN_CLICKED && id == IDOK) {
    OnOk();
    return true;
  } else if (code == BN_CLICKED && id == kCancel) {
    search_.SpeedButton3Click();
  } else if (code == BN_CLICKED && id == kServices) {
    ChooseService();
  } else if (code == BN_CLICKED && id == kClearHistory) {
    search_.sb_WyczyscClick();
    Present();
    FocusPhrase();
    return true;
  } else {
    return ModelessDialog::OnCommand(id, code, control);
  }
  Present();
  return true;
}

void SearchWindow::DrawArrow(const DRAWITEMSTRUCT& draw) {
  RECT face = draw.rcItem;
  UINT state = DFCS_SCROLLDOWN;
  if ((draw.itemState & ODS_SELECTED) != 0) state |= DFCS_PUSHED;
  if ((draw.itemState & ODS_DISABLED) != 0) state |= DFCS_INACTIVE;
  DrawFrameControl(draw.hDC, &face, DFC_SCROLL, state);
  if ((draw.itemState & ODS_FOCUS) != 0 && (draw.itemState & ODS_NOFOCUSRECT) == 0) {
    InflateRect(&face, -2, -2);
    DrawFocusRect(draw.hDC, &face);
  }
}

std::optional<LRESULT> SearchWindow::HandleDialogMessage(UINT message, WPARAM wParam,
                                                         LPARAM lParam) {
  switch (message) {
    case WM_MEASUREITEM:
      if (renderer_.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw.CtlType == ODT_BUTTON && draw.CtlID == kServices) {
        DrawArrow(draw);
        return TRUE;
      }
      if (renderer_.OnDrawItem(draw)) return TRUE;
      break;
    }
    default:
      break;
  }
  return ModelessDialog::HandleDialogMessage(message, wParam, lParam);
}

}  // namespace kromelik
