#include "dialogs/TOrganizujProgramy.h"

#include <algorithm>

#include "core/FileInfo.h"
#include "dialogs/TOrganizujSzybUr.h"

namespace kromelik {

namespace texts = program_list_texts;

namespace {

std::string_view FileNameOf(std::string_view path) {
  const auto cut = path.find_last_of("\\:");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

// Where the file dialog opens: the path's folder, with the "\" or ":" that ends it.
std::string_view FolderOf(std::string_view path) {
  const auto cut = path.find_last_of("\\:");
  return cut == std::string_view::npos ? std::string_view{} : path.substr(0, cut + 1);
}

std::string_view WithoutExtension(std::string_view name) {
  const auto dot = name.find_last_of('.');
  return dot == std::string_view::npos ? name : name.substr(0, dot);
}

std::string_view ExtensionOf(std::string_view path) {
  const std::string_view name = FileNameOf(path);
  const auto dot = name.find_last_of('.');
  return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

// Counted in characters, not bytes, so a Polish letter is never cut in half.
std::string_view WithoutLastCharacters(std::string_view text, std::size_t count) {
  std::size_t end = text.size();
  for (; count > 0; --count) {
    if (end == 0) return {};
    do --end;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80);
  }
  return text.substr(0, end);
}

}  // namespace

std::vector<std::string> NameCandidates(std::string_view path, std::string_view description) {
  const std::string_view file = FileNameOf(path);
  std::vector<std::string> names{std::string(path), std::string(WithoutLastCharacters(file, 4)),
                                 std::string(file), std::string(WithoutExtension(file))};
  if (!description.empty()) {
    names.emplace_back(description);
    names.push_back(names[3] + " - " + std::string(description));
    names.push_back(names[2] + " - " + std::string(description));
  }
  return names;
}

TOrganizujProgramy::TOrganizujProgramy(const OrganizerServices& services, Registry& registry,
                                       const FileSystem& fileSystem, bool sortWhileEditing,
                                       const ProgramListDialog& texts)
    : ListOrganizer(services, registry, texts.list, sortWhileEditing,
                    {{"Nazwa programu", 150}, {"Lokalizacja", 310}}),
      fileSystem_(fileSystem),
      texts_(texts) {}

void TOrganizujProgramy::AppendRows() {
  for (const MruEntry& entry : list_.ReadEntries())
    frame_.AppendRowWithIconOf({entry.name, entry.target}, entry.target);
}

void TOrganizujProgramy::Refreshed() {
  path_.clear();
  name_.clear();
  suggestions_.clear();
  browseFolder_.clear();
  browseFileName_.clear();
}

void TOrganizujProgramy::AppendStoredRow(const std::string& name, const std::string& path) {
  const IconHandle icon = TFileInfo(services_.files, path).GetIcon(0);
  // A program without an icon borrows the list's first one rather than stand bare among
  // the others.
  if (icon == 0 && frame_.Images().Count() > 0)
    frame_.AppendRowWithImage({name, path}, 0);
  else
    frame_.AppendRow({name, path}, icon);
}

void TOrganizujProgramy::FillSuggestions(std::string_view path) {
  suggestions_ = NameCandidates(path, TFileInfo(services_.files, std::string(path)).Description());
}

void TOrganizujProgramy::UpdateOk() {
  frame_.Controls().panelOkEnabled = !path_.empty() && !name_.empty();
}

void TOrganizujProgramy::DodajSBClick() {
  if (!frame_.Controls().addEnabled) return;
  frame_.EnterPanel(OrganizerMode::Adding);
  frame_.Controls().clearEnabled = false;
  path_.clear();
  name_.clear();
  suggestions_.clear();
  browseFolder_ = "C:\\";
  browseFileName_.clear();
  UpdateOk();
}

void TOrganizujProgramy::sb_EdytujClick() {
  const OrganizerRow* row = frame_.SelectedRow();
  if (!frame_.Controls().editEnabled || row == nullptr) return;
  const std::string name = row->cells[0];
  const std::string path = row->cells[1];
  frame_.EnterPanel(OrganizerMode::Editing);
  frame_.Controls().clearEnabled = false;
  PathChange(path);
  name_ = name;
  browseFolder_ = std::string(FolderOf(path));
  browseFileName_ = std::string(FileNameOf(path));

  const std::string_view file = FileNameOf(path);
  suggestions_ = {name, path, std::string(file), std::string(WithoutExtension(file))};
  if (fileSystem_.FileExists(path)) {
    const std::string description = TFileInfo(services_.files, path).Description();
    if (!description.empty()) {
      const std::vector<std::string> candidates = NameCandidates(path, description);
      suggestions_.insert(suggestions_.end(), candidates.begin() + 4, candidates.end());
    }
  }
  // Nothing has changed yet, so there is nothing to store.
  frame_.Controls().panelOkEnabled = false;
}

void TOrganizujProgramy::PathChange(std::string_view text) {
  path_ = std::string(text);
  UpdateOk();
  if (!path_.empty() && path_.front() == '"') {
    // The file-name edit quotes a name with a space in it; the menu wants it bare. The
    // new text is a change of its own, which does the rest.
    const std::string bare = path_.size() < 2 ? std::string{} : path_.substr(1, path_.size() - 2);
    PathChange(bare);
    return;
  }
  if (!fileSystem_.FileExists(path_)) return;
  FillSuggestions(path_);
  name_ = suggestions_[1];
  UpdateOk();
}

void TOrganizujProgramy::NameChange(std::string_view text) {
  name_ = std::string(text);
  UpdateOk();
}

bool TOrganizujProgramy::NamesProgram() const {
  const std::string file = FileNameOfEdit(path_, fileSystem_);
  return fileSystem_.FileExists(file) && services_.text.Upper(ExtensionOf(file)) == ".EXE";
}

std::optional<std::size_t> TOrganizujProgramy::RowNamed(std::string_view name) const {
  const std::string wanted = services_.text.Upper(name);
  const std::vector<OrganizerRow>& rows = frame_.Rows();
  for (std::size_t row = 0; row < rows.size(); ++row)
    if (services_.text.Upper(rows[row].cells[0]) == wanted) return row;
  return std::nullopt;
}

std::optional<MessageAnswer> TOrganizujProgramy::AskIfTaken() {
  if (!list_.HasName(name_)) return std::nullopt;
  return services_.messages.Ask(texts::kNameTaken, texts::kErrorTitle, MessageIcon::Warning,
                                MessageButtons::YesNoCancel);
}

void TOrganizujProgramy::Store(std::vector<std::size_t> staleRows) {
  // From the last, so the earlier indices still point at their rows.
  std::sort(staleRows.begin(), staleRows.end());
  staleRows.erase(std::unique(staleRows.begin(), staleRows.end()), staleRows.end());
  for (auto row = staleRows.rbegin(); row != staleRows.rend(); ++row) frame_.RemoveRow(*row);
  list_.WriteNamed(name_, path_);
  AppendStoredRow(name_, path_);
  LeaveEditing();
}

void TOrganizujProgramy::StoreAdded() {
  std::vector<std::size_t> stale;
  if (const auto answer = AskIfTaken()) {
    if (*answer == MessageAnswer::No) return;
    if (*answer == MessageAnswer::Cancel) return LeaveEditing();
    // Overwritten, not removed first: a kill in between would lose the program. The
    // value keeps its stored spelling, as a respelling cannot be made in one write.
    if (const auto taken = RowNamed(name_)) stale.push_back(*taken);
  }
  Store(std::move(stale));
}

void TOrganizujProgramy::StoreEdited() {
  std::vector<std::size_t> stale;
  // Asked even when the entry keeps its own name: its old path is about to go.
  if (const auto answer = AskIfTaken()) {
    if (*answer == MessageAnswer::No) return;
    if (*answer == MessageAnswer::Cancel) return LeaveEditing();
    if (const auto taken = RowNamed(name_)) stale.push_back(*taken);
  }
  // A renamed entry is stored under its new name before the old one goes, so a kill in
  // between leaves it twice rather than not at all; one keeping its name is overwritten.
  std::optional<std::string> oldName;
  if (const auto edited = frame_.Selected()) {
    const std::string& shown = frame_.Rows()[*edited].cells[0];
    if (services_.text.Upper(shown) != services_.text.Upper(name_)) oldName = shown;
    stale.push_back(*edited);
  }
  Store(std::move(stale));
  if (oldName) list_.RemoveNamed(*oldName);
}

void TOrganizujProgramy::OkClick() {
  if (frame_.Mode() == OrganizerMode::Browsing || !frame_.Controls().panelOkEnabled) return;
  if (!NamesProgram()) {
    services_.messages.Show(texts::kNotAProgram, texts::kErrorTitle, MessageIcon::Error);
  } else if (frame_.Mode() == OrganizerMode::Adding) {
    StoreAdded();
  } else {
    StoreEdited();
  }
  Tidy();
}

void TOrganizujProgramy::Tidy() {
  if (sortWhileEditing_) frame_.SortRowsByName();
  frame_.AutoSizeColumns();
}

void TOrganizujProgramy::LeaveEditing() {
  frame_.EnterBrowsing();
  path_.clear();
  name_.clear();
  suggestions_.clear();
}

void TOrganizujProgramy::SpeedButton3Click() {
  if (frame_.Mode() == OrganizerMode::Browsing) return;
  frame_.EnterBrowsing();
}

void TOrganizujProgramy::UsunSBClick() {
  const OrganizerRow* row = frame_.SelectedRow();
  if (!frame_.Controls().removeEnabled || row == nullptr) return;
  list_.RemoveNamed(row->cells[0]);
  RefreshList();
}

void TOrganizujProgramy::FormKeyDown(DialogKey key) {
  if (key == DialogKey::Enter) return EditorKeyDown(key);
  ListOrganizer::FormKeyDown(key);
}

void TOrganizujProgramy::EditorKeyDown(DialogKey key) {
  if (frame_.Mode() == OrganizerMode::Browsing) return;
  if (key == DialogKey::Escape) SpeedButton3Click();
  if (key == DialogKey::Enter && frame_.Controls().panelVisible &&
      frame_.Controls().panelOkEnabled)
    OkClick();
}

}  // namespace kromelik
