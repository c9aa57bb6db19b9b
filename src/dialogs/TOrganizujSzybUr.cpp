#include "dialogs/TOrganizujSzybUr.h"

#include <charconv>

#include "core/FileInfo.h"

namespace kromelik {

namespace texts = quick_launch_texts;

std::string FileNameOfEdit(std::string_view text, const FileSystem& files) {
  if (files.FileExists(text)) return std::string(text);
  std::string word;
  bool quoted = false;
  std::size_t at = text.find_first_not_of(' ');
  for (; at != std::string_view::npos && at < text.size(); ++at) {
    const char c = text[at];
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ' ' && !quoted) {
      break;
    } else {
      word += c;
    }
  }
  return word;
}

TOrganizujSzybUr::TOrganizujSzybUr(const OrganizerServices& services, Registry& registry,
                                   const FileSystem& fileSystem, bool sortWhileEditing)
    : ListOrganizer(services, registry, kQuickLaunchMru, sortWhileEditing,
                    {{"Nazwa", 150}, {"Lokalizacja", 310}, {"", 20}}),
      fileSystem_(fileSystem) {}

std::string_view TOrganizujSzybUr::KindCaption() const {
  if (!kind_) return {};
  switch (*kind_) {
    case AddKind::File: return "Ścieżka do pliku";
    case AddKind::Folder: return "Ścieżka do folderu";
    case AddKind::WebPage: return "Adres strony WWW";
  }
  return {};
}

void TOrganizujSzybUr::AppendRows() {
  for (const MruEntry& entry : list_.ReadEntries()) {
    frame_.AppendRowWithIconOf({entry.name, entry.target, std::to_string(entry.number)},
                               entry.target);
  }
}

void TOrganizujSzybUr::Refreshed() {
  kind_.reset();
  editors_ = {};
}

bool TOrganizujSzybUr::DodajSBClick() {
  if (!frame_.Controls().addEnabled) return false;
  if (frame_.Rows().size() >= kCapacity) {
    services_.messages.Show(texts::kFull, texts::kFullTitle, MessageIcon::Error);
    return false;
  }
  return true;
}

ScreenPoint TOrganizujSzybUr::KindPopupPoint(ScreenPoint dialogTopLeft, int buttonLeft,
                                             int buttonTop, int buttonHeight) {
  // Clear of the button, so the popup does not hide what opened it.
  return {dialogTopLeft.x + buttonLeft, dialogTopLeft.y + buttonTop + buttonHeight + 20};
}

void TOrganizujSzybUr::EnterAddKind(AddKind kind) {
  frame_.EnterPanel(OrganizerMode::Adding);
  kind_ = kind;
  // A page address is nearly always a web one: the user only types the rest.
  editors_[Index(kind)] = kind == AddKind::WebPage ? "http://" : "";
  frame_.Controls().panelOkEnabled = !EditorValue().empty();
}

std::string TOrganizujSzybUr::EditorValue() const {
  if (!kind_) return {};
  const std::string& text = editors_[Index(*kind_)];
  return *kind_ == AddKind::File ? FileNameOfEdit(text, fileSystem_) : text;
}

void TOrganizujSzybUr::EditorChange(std::string_view text) {
  if (!kind_) return;
  editors_[Index(*kind_)] = std::string(text);
  frame_.Controls().panelOkEnabled = !EditorValue().empty();
}

void TOrganizujSzybUr::Refuse(std::string_view text, std::string_view title) {
  services_.messages.Show(text, title, MessageIcon::Error);
}

void TOrganizujSzybUr::OKsb_ADDClick() {
  if (!kind_ || !frame_.Controls().panelOkEnabled) return;
  const std::string value = EditorValue();
  switch (*kind_) {
    case AddKind::File:
      if (!fileSystem_.FileExists(value)) return Refuse(texts::kNoFile, texts::kNoFileTitle);
      break;
    case AddKind::Folder:
      if (!fileSystem_.DirectoryExists(value)) return Refuse(texts::kNoFolder, texts::kNoFolderTitle);
      break;
    case AddKind::WebPage:
      if (value.find('.') == std::string::npos)
        return Refuse(texts::kBadAddress, texts::kBadAddressTitle);
      break;
  }
  // Fewer than 20 rows can still leave no free number, when values that are no entries
  // hold the rest: the user is told so rather than losing the entry unseen.
  if (!list_.AddAtFirstFreeNumber(value)) Refuse(texts::kFull, texts::kFullTitle);
  RefreshList();
}

void TOrganizujSzybUr::SpeedButton3Click() {
  if (!kind_) return;
  // The editors keep their texts until the next add or showing.
  frame_.LeavePanel();
  kind_.reset();
}

void TOrganizujSzybUr::UsunSBClick() {
  const OrganizerRow* row = frame_.SelectedRow();
  if (!frame_.Controls().removeEnabled || row == nullptr) return;
  const std::string& shown = row->cells[2];
  int number = 0;
  const auto [end, error] = std::from_chars(shown.data(), shown.data() + shown.size(), number);
  if (error == std::errc{} && end == shown.data() + shown.size()) list_.RemoveNumber(number);
  RefreshList();
}

void TOrganizujSzybUr::EditorKeyDown(DialogKey key) {
  if (!kind_) return;
  if (key == DialogKey::Escape) SpeedButton3Click();
  if (key == DialogKey::Enter && frame_.Controls().panelVisible &&
      frame_.Controls().panelOkEnabled)
    OKsb_ADDClick();
}

}  // namespace kromelik
