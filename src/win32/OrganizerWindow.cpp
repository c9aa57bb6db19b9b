#include "win32/OrganizerWindow.h"

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>

#include "win32/ButtonPictures.h"
#include "win32/CommonControls.h"
#include "win32/SystemLibrary.h"
#include "win32/WideText.h"

namespace kromelik {

namespace {

constexpr int kMargin = 8;
constexpr int kHeaderPictureSize = 48;
constexpr int kListTop = 60;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 24;
constexpr int kButtonGap = 4;
constexpr int kHeaderPixels = 19;  // 14 points
// LVFI_SUBSTRING, which newer lists send for typed letters and MinGW's headers lack: the
// same as LVFI_PARTIAL.
constexpr UINT kFindSubstring = 0x0004;

bool IsEditor(int id) {
  return id == OrganizerWindow::kEditor || id == OrganizerWindow::kSecondEditor ||
         id == OrganizerWindow::kThirdEditor;
}

}  // namespace

OrganizerWindow::OrganizerWindow(const DialogPorts& ports)
    : ModelessDialog(ports.toolbar), ports_(ports) {}

// The list view does not own the image list (it is shared), so it goes with the window.
OrganizerWindow::~OrganizerWindow() {
  DestroyHandle();
}

OrganizerServices OrganizerWindow::Services() {
  return OrganizerServices{ports_.platform.text, *this,
                           messages_,            *this,
                           ports_.toolbar,       ports_.toolbarWindow,
                           ports_.platform.shell, ports_.platform.program,
                           ports_.platform.fileInformation};
}

bool OrganizerWindow::Create(HINSTANCE instance, HWND owner) {
  if (!ModelessDialog::Create(instance, owner, std::string(Caption()), ClientWidth(),
                              ClientHeight(), DialogFrame::Tool))
    return false;
  messages_.SetOwner(Handle());
  return true;
}

Rect96 OrganizerWindow::PanelArea() const {
  return {kMargin, kListTop, ClientWidth() - 2 * kMargin,
          ClientHeight() - kListTop - kButtonHeight - 2 * kMargin};
}

void OrganizerWindow::OnCreateControls() {
  const int width = ClientWidth();
  // The list comes first, so it is the first tab stop and has the focus at each show.
  list_ = AddControl(ControlKind::ListView, kList, "", PanelArea(),
                     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS |
                         LVS_OWNERDATA);
  if (list_ != nullptr) {
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT);
    pictures_.SetWindow(Handle());
    MakeRowImages();
    int index = 0;
    for (const OrganizerColumn& column : Organizer().Frame().Columns()) {
      std::wstring caption = Utf8ToWide(column.caption);
      LVCOLUMNW info{};
      info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
      info.pszText = caption.data();
      info.cx = Scale(column.width);
      info.iSubItem = index;
      ListView_InsertColumn(list_, index, &info);
      shownWidths_.push_back(column.width);
      ++index;
    }
  }
  CreatePanel();

  const int buttonTop = ClientHeight() - kMargin - kButtonHeight;
  int left = kMargin;
  const auto rowButton = [&](int id, const char* caption) {
    HWND button = AddControl(ControlKind::Button, id, caption,
                             {left, buttonTop, kButtonWidth, kButtonHeight});
    left += kButtonWidth + kButtonGap;
    return button;
  };
  add_ = rowButton(kAdd, "Dodaj");
  remove_ = rowButton(kRemove, "Usuń");
  if (HasEditButton()) edit_ = rowButton(kEdit, "Edytuj");
  clear_ = rowButton(kClear, "Wyczyść");
  AddControl(ControlKind::Button, kClose, "OK",
             {width - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight});

  // The header: not tab stops, and made last so that they never take the focus.
  HWND picture = AddControl(ControlKind::Label, kHeaderPicture, "",
                            {kMargin, 6, kHeaderPictureSize, kHeaderPictureSize},
                            SS_ICON | SS_CENTERIMAGE);
  headerIcon_ =
      LoadButtonIcon(HeaderPicture(), ports_.systemDirectory, Scale(kHeaderPictureSize));
  if (picture != nullptr && headerIcon_)
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(headerIcon_.Get()), 0);
  const int textLeft = kMargin + kHeaderPictureSize + kMargin;
  HWND header = AddControl(ControlKind::Label, kHeader, std::string(Header()),
                           {textLeft, 8, width - textLeft - kMargin, 28}, SS_NOPREFIX);
  UseTitleFont(header, kHeaderPixels);
  if (!HeaderNote().empty())
    AddControl(ControlKind::Label, kHeaderNote, std::string(HeaderNote()),
               {textLeft, 38, width - textLeft - kMargin, 16}, SS_NOPREFIX);
}

void OrganizerWindow::OnShow() {
  Organizer().SetSortWhileEditing(ports_.options.sortWhileEditing);
  Organizer().FormShow();
  Present();
}

void OrganizerWindow::OnClosed() { Organizer().FormClose(); }

// The rows' pictures at the dialog's DPI; the list view then holds copies of the icons.
void OrganizerWindow::MakeRowImages() {
  pictures_.SetDpi(Dpi());
  // The rows' stand-bys are made now, while no file's icon is being fetched: under Wine
  // every icon call waits while one is taken from a share that stopped answering.
  const ImageList& rowImages = RowImages();
  for (std::size_t index = 0; index < rowImages.Count(); ++index)
    if (!std::holds_alternative<IconOfFile>(rowImages.Pictures()[index]))
      pictures_.Icon(rowImages, static_cast<int>(index));
  const int size = pictures_.IconSize();
  if (images_) {
    int width = 0;
    int height = 0;
    if (common_controls::ImageListGetIconSize(images_.Get(), &width, &height) && width == size) return;
  }
  UniqueImageList previous = std::move(images_);
  images_.Reset(common_controls::ImageListCreate(size, size, ILC_COLOR32 | ILC_MASK, 0, 16));
  ListView_SetImageList(list_, images_.Get(), LVSIL_SMALL);
  shownImages_.clear();
}

int OrganizerWindow::Width(std::string_view text) const {
  const std::wstring wide = Utf8ToWide(text);
  // One device context for every measure, with the font left in it: a fitted list
  // measures thousands of texts, and under Wine every selection of a font into a
  // screen-compatible context rereads the X resources from disk.
  if (!measureDc_) {
    measureDc_ = MemoryDc(CreateCompatibleDC(nullptr));
    if (!measureDc_) return 0;
    SelectObject(measureDc_.Get(), Font());
  }
  SIZE size{};
  GetTextExtentPoint32W(measureDc_.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return MulDiv(size.cx, USER_DEFAULT_SCREEN_DPI, Dpi());
}

void OrganizerWindow::FillList() {
  const auto& rows = Organizer().Frame().Rows();
  // The pictures may be other ones at the same places: they are looked up anew.
  common_controls::ImageListRemoveAll(images_.Get());
  shownImages_.clear();
  pictures_.ReleaseRetired();
  ListView_SetItemCountEx(list_, static_cast<int>(rows.size()), 0);
  InvalidateRect(list_, nullptr, TRUE);
  shownRows_ = rows;
}

int OrganizerWindow::ImageOf(std::optional<int> picture) {
  if (!picture) return I_IMAGENONE;
  if (const auto shown = shownImages_.find(*picture); shown != shownImages_.end())
    return shown->second;
  // Nothing yet while the icon is on its way: the next look, after it came, adds it.
  HICON icon = pictures_.Icon(RowImages(), *picture);
  if (icon == nullptr) return I_IMAGENONE;
  const int index = common_controls::ImageListAddIcon(images_.Get(), icon);
  if (index < 0) return I_IMAGENONE;
  shownImages_.emplace(*picture, index);
  return index;
}

void OrganizerWindow::DescribeRow(LVITEMW& item) {
  const auto& rows = Organizer().Frame().Rows();
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= rows.size()) return;
  const OrganizerRow& row = rows[static_cast<std::size_t>(item.iItem)];
  if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
    const auto cell = static_cast<std::size_t>(item.iSubItem);
    const std::wstring text = Utf8ToWide(cell < row.cells.size() ? row.cells[cell] : "");
    wcsncpy_s(item.pszText, static_cast<std::size_t>(item.cchTextMax), text.c_str(), _TRUNCATE);
  }
  if ((item.mask & LVIF_IMAGE) != 0) item.iImage = item.iSubItem == 0 ? ImageOf(row.image) : I_IMAGENONE;
}

// The list asks which row the letters the user types lead to; its answer is selected.
// Only names are looked for: the rows carry no data of the list's, and places mean
// nothing in a report.
LRESULT OrganizerWindow::FindRow(const NMLVFINDITEMW& find) {
  const LVFINDINFOW& info = find.lvfi;
  const UINT byName = LVFI_STRING | LVFI_PARTIAL | kFindSubstring;
  if ((info.flags & byName) == 0 || info.psz == nullptr) return -1;
  const bool wholeName = (info.flags & (LVFI_PARTIAL | kFindSubstring)) == 0;
  const auto row = Organizer().Frame().FindRow(
      WideToUtf8(info.psz), static_cast<std::size_t>(std::max(find.iStart, 0)), wholeName,
      (info.flags & LVFI_WRAP) != 0);
  return row ? static_cast<LRESULT>(*row) : -1;
}

void OrganizerWindow::Present() {
  if (Handle() == nullptr || list_ == nullptr) return;
  presenting_ = true;
  const OrganizerFrame& frame = Organizer().Frame();
  if (frame.Rows() != shownRows_) FillList();
  const auto& columns = frame.Columns();
  for (std::size_t index = 0; index < columns.size() && index < shownWidths_.size(); ++index) {
    if (columns[index].width == shownWidths_[index]) continue;
    ListView_SetColumnWidth(list_, static_cast<int>(index), Scale(columns[index].width));
    shownWidths_[index] = columns[index].width;
  }
  const int shownSelection = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  const int selection = frame.Selected() ? static_cast<int>(*frame.Selected()) : -1;
  if (shownSelection != selection) {
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED);
    if (selection >= 0) {
      ListView_SetItemState(list_, selection, LVIS_SELECTED | LVIS_FOCUSED,
                            LVIS_SELECTED | LVIS_FOCUSED);
      ListView_EnsureVisible(list_, selection, FALSE);
    }
  }

  const OrganizerControls& controls = frame.Controls();
  EnableControl(add_, controls.addEnabled);
  EnableControl(remove_, controls.removeEnabled);
  EnableControl(edit_, controls.editEnabled);
  EnableControl(clear_, controls.clearEnabled);
  EnableControl(list_, controls.listEnabled);
  PresentPanel();
  ShowControl(list_, controls.listVisible);

  if (frame.Mode() != shownMode_) {
    shownMode_ = frame.Mode();
    // The focus goes where the user works next: the panel's first field, or back to
    // the list, since the control that had it may just have been hidden.
    HWND target = shownMode_ == OrganizerMode::Browsing ? list_ : PanelFocus();
    if (target != nullptr && IsWindowVisible(Handle()))
      SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
  }
  presenting_ = false;
}

void OrganizerWindow::OnListNotify(const NMHDR& header) {
  if (header.code == LVN_ITEMCHANGED) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uChanged & LVIF_STATE) == 0 ||
        ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) == 0)
      return;
    const int selected = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    Organizer().SelectionChange(selected >= 0 ? std::optional<std::size_t>(selected)
                                              : std::nullopt);
    Present();
  } else if (header.code == NM_DBLCLK) {
    OnRowActivated();
    Present();
  }
}

void OrganizerWindow::OnKey(DialogKey key) {
  // Enter where no push button takes it, and Escape: while the panel is open they are
  // its own, wherever its focus is (a field, the browse button, its OK after a refusal),
  // so Escape gives up the entry rather than the whole dialog. At the list they are the
  // dialog's.
  if (Organizer().Frame().Controls().panelVisible) {
    OnEditorKey(key);
  } else {
    Organizer().FormKeyDown(key);
  }
  Present();
}

// The browse button opens another window; Enter there is the panel's OK, as in the field
// beside it.
bool OrganizerWindow::EnterPresses(HWND button) const {
  return GetDlgCtrlID(button) != kBrowse;
}

void OrganizerWindow::FocusAfterBrowsing(HWND editor) {
  // The activation that came back with the dialog gave the focus to the browse button.
  MoveFocus(editor);
}

void OrganizerWindow::OnOk() { OnKey(DialogKey::Enter); }

bool OrganizerWindow::OnCommand(int id, int code, HWND control) {
  if (presenting_) return IsEditor(id);
  switch (id) {
    case IDOK:
      OnKey(DialogKey::Enter);
      return true;
    case IDCANCEL:
      OnKey(DialogKey::Escape);
      return true;
    default:
      break;
  }
  if (code == BN_CLICKED) {
    switch (id) {
      case kAdd: OnAdd(); Present(); return true;
      case kRemove: OnRemove(); Present(); return true;
      case kEdit: OnEdit(); Present(); return true;
      case kClear: Organizer().sb_WyczyscClick(); Present(); return true;
      case kClose: Organizer().CloseSBClick(); Present(); return true;
      default: break;
    }
  }
  if (OnPanelCommand(id, code, control)) {
    Present();
    return true;
  }
  return ModelessDialog::OnCommand(id, code, control);
}

std::optional<LRESULT> OrganizerWindow::HandleDialogMessage(UINT message, WPARAM wParam,
                                                            LPARAM lParam) {
  if (message == WM_NOTIFY) {
    auto& header = *reinterpret_cast<NMHDR*>(lParam);
    if (header.hwndFrom == list_ && list_ != nullptr) {
      if (header.code == LVN_GETDISPINFOW) {
        DescribeRow(reinterpret_cast<NMLVDISPINFOW&>(header).item);
      } else if (header.code == LVN_ODFINDITEMW) {
        return FindRow(reinterpret_cast<const NMLVFINDITEMW&>(header));
      } else if (!presenting_) {
        OnListNotify(header);
      }
      return 0;
    }
  }
  if (message == IconFetcher::IconsArrivedMessage()) {
    if (pictures_.Refresh()) {
      // Only what came is new; the rows keep the places of the icons they had.
      shownImages_.clear();
      common_controls::ImageListRemoveAll(images_.Get());
      InvalidateRect(list_, nullptr, FALSE);
    }
    // The list keeps copies of what it shows.
    pictures_.ReleaseRetired();
    return 0;
  }
  if (message == WM_DPICHANGED) {
    // The measures' context lets go of the font the change replaces.
    measureDc_ = MemoryDc();
    const auto result = ModelessDialog::HandleDialogMessage(message, wParam, lParam);
    for (std::size_t index = 0; index < shownWidths_.size(); ++index)
      ListView_SetColumnWidth(list_, static_cast<int>(index), Scale(shownWidths_[index]));
    MakeRowImages();
    common_controls::ImageListRemoveAll(images_.Get());
    shownImages_.clear();
    pictures_.ReleaseRetired();
    InvalidateRect(list_, nullptr, FALSE);
    return result;
  }
  return ModelessDialog::HandleDialogMessage(message, wParam, lParam);
}

std::string OrganizerWindow::BrowseForFile(const std::string& filter, const std::string& folder,
                                           const std::string& fileName) {
  // The filter's pairs are written with "|" between them; the dialog wants NULs.
  std::wstring pairs = Utf8ToWide(filter);
  std::replace(pairs.begin(), pairs.end(), L'|', L'\0');
  pairs.push_back(L'\0');
  const std::wstring initial = Utf8ToWide(folder);
  std::wstring name = Utf8ToWide(fileName);
  name.resize(std::max<std::size_t>(name.size() + 1, 32768), L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Handle();
  dialog.lpstrFilter = pairs.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  using OpenFileFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);
  static const auto openFile = SystemFunction<OpenFileFunction>(L"comdlg32.dll", "GetOpenFileNameW");
  if (openFile == nullptr || !openFile(&dialog)) return {};
  std::string chosen = WideToUtf8(name.c_str());
  // As a path field shows a name: quoted where a space would split it as a command.
  if (chosen.find(' ') != std::string::npos) chosen = "\"" + chosen + "\"";
  return chosen;
}

std::string OrganizerWindow::BrowseForFolder() {
  BROWSEINFOW browse{};
  browse.hwndOwner = Handle();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (chosen == nullptr) return {};
  std::wstring path(MAX_PATH * 4, L'\0');
  const bool named = SHGetPathFromIDListEx(chosen, path.data(), static_cast<DWORD>(path.size()),
                                           GPFIDL_DEFAULT) != FALSE;
  CoTaskMemFree(chosen);
  return named ? WideToUtf8(path.c_str()) : std::string();
}

}  // namespace kromelik
