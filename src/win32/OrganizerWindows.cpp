#include "win32/OrganizerWindows.h"

#include "win32/WideText.h"

namespace kromelik {

namespace {

constexpr int kInset = 8;
constexpr int kFieldHeight = 21;
constexpr int kBrowseWidth = 25;
constexpr int kPanelButtonWidth = 75;
constexpr int kPanelButtonHeight = 24;
constexpr int kDroppedListHeight = 160;

}  // namespace

// ---------------------------------------------------------------------------------------
// Quick launch

QuickLaunchWindow::QuickLaunchWindow(const DialogPorts& ports)
    : OrganizerWindow(ports),
      organizer_(Services(), ports.platform.registry, ports.platform.files,
                 ports.options.sortWhileEditing) {
  for (StockIcon picture : {StockIcon::Document, StockIcon::Folder, StockIcon::Internet})
    kindPictures_.Add(picture);
}

void QuickLaunchWindow::CreatePanel() {
  const Rect96 area = PanelArea();
  const int left = area.left + kInset;
  const int fieldWidth = area.width - 2 * kInset - kBrowseWidth - 4;
  // The three editors lie at one place; only the current kind's shows.
  AddControl(ControlKind::Label, kPanelLabel, "", {left, area.top + 16, fieldWidth, 16},
             SS_NOPREFIX);
  const Rect96 field{left, area.top + 34, fieldWidth, kFieldHeight};
  AddControl(ControlKind::Edit, kEditor, "", field);         // SciezkaDoPlikuFE
  AddControl(ControlKind::Edit, kSecondEditor, "", field);   // SciezkaDoFolderuDE
  AddControl(ControlKind::Edit, kThirdEditor, "", field);    // Edit
  AddControl(ControlKind::Button, kBrowse, "...",
             {left + fieldWidth + 4, area.top + 34, kBrowseWidth, kFieldHeight});
  AddControl(ControlKind::Button, kPanelOk, "OK",
             {left, area.top + 70, kPanelButtonWidth, kPanelButtonHeight});
  AddControl(ControlKind::Button, kCancel, "Anuluj",
             {left + kPanelButtonWidth + 4, area.top + 70, kPanelButtonWidth, kPanelButtonHeight});
  for (int id : {kPanelLabel, kEditor, kSecondEditor, kThirdEditor, kBrowse, kPanelOk, kCancel})
    ShowControl(GetDlgItem(Handle(), id), false);
}

HWND QuickLaunchWindow::EditorOf(AddKind kind) const {
  switch (kind) {
    case AddKind::File: return GetDlgItem(Handle(), kEditor);
    case AddKind::Folder: return GetDlgItem(Handle(), kSecondEditor);
    case AddKind::WebPage: return GetDlgItem(Handle(), kThirdEditor);
  }
  return nullptr;
}

void QuickLaunchWindow::PresentPanel() {
  const OrganizerControls& controls = organizer_.Frame().Controls();
  const bool panel = controls.panelVisible;
  const auto kind = organizer_.Kind();
  SetText(GetDlgItem(Handle(), kPanelLabel), organizer_.KindCaption());
  for (AddKind each : {AddKind::File, AddKind::Folder, AddKind::WebPage}) {
    HWND editor = EditorOf(each);
    SetText(editor, organizer_.EditorText(each));
    const bool current = panel && kind == each;
    EnableControl(editor, current);
    ShowControl(editor, current);
  }
  const bool browsable = panel && kind && *kind != AddKind::WebPage;
  ShowControl(GetDlgItem(Handle(), kBrowse), browsable);
  EnableControl(GetDlgItem(Handle(), kPanelOk), controls.panelOkEnabled);
  for (int id : {kPanelLabel, kPanelOk, kCancel}) ShowControl(GetDlgItem(Handle(), id), panel);
}

HWND QuickLaunchWindow::PanelFocus() const {
  const auto kind = organizer_.Kind();
  return kind ? EditorOf(*kind) : nullptr;
}

void QuickLaunchWindow::OnAdd() {
  if (!organizer_.DodajSBClick()) return;
  HWND button = GetDlgItem(Handle(), kAdd);
  RECT dialog{};
  RECT at{};
  GetWindowRect(Handle(), &dialog);
  GetWindowRect(button, &at);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&at), 2);
  const ScreenPoint point = TOrganizujSzybUr::KindPopupPoint(
      {dialog.left, dialog.top}, at.left, at.top, at.bottom - at.top);
  const UniqueMenu menu(CreatePopupMenu());
  if (!menu) return;
  HMENU kinds = menu.Get();
  AppendMenuW(kinds, MF_STRING, kFileItem, L"Plik");
  AppendMenuW(kinds, MF_STRING, kFolderItem, L"Folder");
  AppendMenuW(kinds, MF_STRING, kWebPageItem, Utf8ToWide("Strona WWW").c_str());
  int picture = 0;
  for (int item : {kFileItem, kFolderItem, kWebPageItem}) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = Pictures().Bitmap(kindPictures_, picture++);
    if (info.hbmpItem != nullptr) SetMenuItemInfoW(kinds, static_cast<UINT>(item), FALSE, &info);
  }
  const int chosen = static_cast<int>(TrackPopupMenuEx(
      kinds, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y,
      Handle(), nullptr));
  switch (chosen) {
    case kFileItem: organizer_.EnterAddKind(AddKind::File); break;
    case kFolderItem: organizer_.EnterAddKind(AddKind::Folder); break;
    case kWebPageItem: organizer_.EnterAddKind(AddKind::WebPage); break;
    default: break;
  }
}

bool QuickLaunchWindow::OnPanelCommand(int id, int code, HWND control) {
  if ((id == kEditor || id == kSecondEditor || id == kThirdEditor) && code == EN_CHANGE) {
    const auto kind = organizer_.Kind();
    if (kind && control == EditorOf(*kind)) organizer_.EditorChange(TextOf(control));
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kPanelOk: organizer_.OKsb_ADDClick(); return true;
    case kCancel: organizer_.SpeedButton3Click(); return true;
    case kBrowse: {
      const auto kind = organizer_.Kind();
      if (!kind) return true;
      // The file dialog opens in "C:\" with no name preset, as every add starts afresh.
      const std::string chosen = *kind == AddKind::File
                                     ? BrowseForFile(std::string(quick_launch_texts::kFileFilter),
                                                     "C:\\", "")
                                     : BrowseForFolder();
      if (!chosen.empty()) SetText(EditorOf(*kind), chosen);
      FocusAfterBrowsing(EditorOf(*kind));
      return true;
    }
    default:
      return false;
  }
}

// ---------------------------------------------------------------------------------------
// Favourites

FavouritesWindow::FavouritesWindow(const DialogPorts& ports)
    : OrganizerWindow(ports),
      organizer_(Services(), ports.platform.registry, ports.options.sortWhileEditing) {
  pagePicture_.Add(StockIcon::Internet);
}

void FavouritesWindow::CreatePanel() {
  const Rect96 area = PanelArea();
  const int left = area.left + kInset;
  const int width = area.width - 2 * kInset;
  AddControl(ControlKind::Label, kSecondPanelLabel, std::string(favourites_texts::kAddressLabel),
             {left, area.top + 10, width, 16}, SS_NOPREFIX);
  AddControl(ControlKind::Label, kPanelLabel, std::string(favourites_texts::kNameLabel),
             {left, area.top + 58, width, 16}, SS_NOPREFIX);
  // The name comes before the address in the tab order, though adding starts in the
  // address.
  AddControl(ControlKind::Edit, kSecondEditor, "", {left, area.top + 76, width, kFieldHeight});
  AddControl(ControlKind::Edit, kEditor, "", {left, area.top + 28, width, kFieldHeight});
  AddControl(ControlKind::Button, kPanelOk, "OK",
             {left, area.top + 110, kPanelButtonWidth, kPanelButtonHeight});
  AddControl(ControlKind::Button, kCancel, "Anuluj",
             {left + kPanelButtonWidth + 4, area.top + 110, kPanelButtonWidth,
              kPanelButtonHeight});
  for (int id : {kSecondPanelLabel, kPanelLabel, kSecondEditor, kEditor, kPanelOk, kCancel})
    ShowControl(GetDlgItem(Handle(), id), false);
}

void FavouritesWindow::PresentPanel() {
  const OrganizerControls& controls = organizer_.Frame().Controls();
  SetText(GetDlgItem(Handle(), kEditor), organizer_.Address());
  SetText(GetDlgItem(Handle(), kSecondEditor), organizer_.Name());
  EnableControl(GetDlgItem(Handle(), kPanelOk), controls.panelOkEnabled);
  for (int id : {kSecondPanelLabel, kPanelLabel, kSecondEditor, kEditor, kPanelOk, kCancel})
    ShowControl(GetDlgItem(Handle(), id), controls.panelVisible);
}

HWND FavouritesWindow::PanelFocus() const { return GetDlgItem(Handle(), kEditor); }

bool FavouritesWindow::OnPanelCommand(int id, int code, HWND control) {
  if (code == EN_CHANGE && id == kEditor) {
    organizer_.AddressChange(TextOf(control));
    return true;
  }
  if (code == EN_CHANGE && id == kSecondEditor) {
    organizer_.NameChange(TextOf(control));
    return true;
  }
  if (code != BN_CLICKED) return false;
  if (id == kPanelOk) {
    organizer_.OKsb_ADDClick();
    return true;
  }
  if (id == kCancel) {
    organizer_.SpeedButton3Click();
    return true;
  }
  return false;
}

// ---------------------------------------------------------------------------------------
// Programs and games

ProgramsWindow::ProgramsWindow(const DialogPorts& ports, const ProgramListDialog& texts,
                               ToolbarButton picture)
    : OrganizerWindow(ports),
      organizer_(Services(), ports.platform.registry, ports.platform.files,
                 ports.options.sortWhileEditing, texts),
      picture_(picture) {}

void ProgramsWindow::CreatePanel() {
  const Rect96 area = PanelArea();
  const int left = area.left + kInset;
  const int width = area.width - 2 * kInset;
  AddControl(ControlKind::Label, kSecondPanelLabel, std::string(program_list_texts::kPathLabel),
             {left, area.top + 10, width, 16}, SS_NOPREFIX);
  AddControl(ControlKind::Edit, kEditor, "",
             {left, area.top + 28, width - kBrowseWidth - 4, kFieldHeight});
  AddControl(ControlKind::Button, kBrowse, "...",
             {left + width - kBrowseWidth, area.top + 28, kBrowseWidth, kFieldHeight});
  AddControl(ControlKind::Label, kPanelLabel, std::string(program_list_texts::kNameLabel),
             {left, area.top + 58, width, 16}, SS_NOPREFIX);
  AddControl(ControlKind::ComboBox, kSecondEditor, "",
             {left, area.top + 76, width, kFieldHeight + kDroppedListHeight});
  // OKsb_ADD and OKsb_EDIT share one place; the mode shows one of them.
  const Rect96 ok{left, area.top + 110, kPanelButtonWidth, kPanelButtonHeight};
  AddControl(ControlKind::Button, kPanelOk, "OK", ok);
  AddControl(ControlKind::Button, kPanelEditOk, "OK", ok);
  AddControl(ControlKind::Button, kCancel, "Anuluj",
             {left + kPanelButtonWidth + 4, area.top + 110, kPanelButtonWidth,
              kPanelButtonHeight});
  for (int id : {kSecondPanelLabel, kEditor, kBrowse, kPanelLabel, kSecondEditor, kPanelOk,
                 kPanelEditOk, kCancel})
    ShowControl(GetDlgItem(Handle(), id), false);
}

void ProgramsWindow::PresentPanel() {
  const OrganizerControls& controls = organizer_.Frame().Controls();
  const bool panel = controls.panelVisible;
  HWND name = GetDlgItem(Handle(), kSecondEditor);
  SetText(GetDlgItem(Handle(), kEditor), organizer_.Path());
  if (organizer_.Suggestions() != shownSuggestions_) {
    // Emptying the list empties the field too; its text is set again below.
    SendMessageW(name, CB_RESETCONTENT, 0, 0);
    for (const std::string& suggestion : organizer_.Suggestions())
      SendMessageW(name, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(Utf8ToWide(suggestion).c_str()));
    shownSuggestions_ = organizer_.Suggestions();
  }
  SetText(name, organizer_.Name());
  const bool editing = organizer_.EditOkShown();
  EnableControl(GetDlgItem(Handle(), kPanelOk), controls.panelOkEnabled);
  EnableControl(GetDlgItem(Handle(), kPanelEditOk), controls.panelOkEnabled);
  ShowControl(GetDlgItem(Handle(), kPanelOk), panel && !editing);
  ShowControl(GetDlgItem(Handle(), kPanelEditOk), panel && editing);
  for (int id : {kSecondPanelLabel, kEditor, kBrowse, kPanelLabel, kSecondEditor, kCancel})
    ShowControl(GetDlgItem(Handle(), id), panel);
}

HWND ProgramsWindow::PanelFocus() const { return GetDlgItem(Handle(), kEditor); }

bool ProgramsWindow::OnPanelCommand(int id, int code, HWND control) {
  if (id == kEditor && code == EN_CHANGE) {
    organizer_.PathChange(TextOf(control));
    return true;
  }
  if (id == kSecondEditor && code == CBN_EDITCHANGE) {
    organizer_.NameChange(TextOf(control));
    return true;
  }
  if (id == kSecondEditor && code == CBN_SELCHANGE) {
    if (const auto picked = PickedComboEntry(control)) organizer_.NameChange(*picked);
    return true;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case kPanelOk:
    case kPanelEditOk:
      organizer_.OkClick();
      return true;
    case kCancel:
      organizer_.SpeedButton3Click();
      return true;
    case kBrowse: {
      const std::string chosen =
          BrowseForFile(std::string(program_list_texts::kFileFilter),
                        organizer_.BrowseFolder(), organizer_.BrowseFileName());
      if (!chosen.empty()) SetText(GetDlgItem(Handle(), kEditor), chosen);
      FocusAfterBrowsing(GetDlgItem(Handle(), kEditor));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace kromelik
