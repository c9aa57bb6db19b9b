#pragma once

// The organizers of the user's own programs and of the games: named program files for
// the toolbar's menus, kept in ProgramyMRU and GryMRU. Beyond the other organizers they
// edit an entry, suggest menu names from the chosen file and its version resource, and
// offer to replace an entry whose name is taken. The two differ only in their list and
// their texts.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports/FileSystem.h"
#include "dialogs/ListOrganizer.h"

namespace kromelik {

namespace program_list_texts {
inline constexpr std::string_view kPathLabel = "Ścieżka do programu:";
inline constexpr std::string_view kNameLabel = "Nazwa w menu:";
inline constexpr std::string_view kFileFilter = "Programy (*.exe)|*.exe";
// The four spaces at its end are the message's own.
inline constexpr std::string_view kNotAProgram =
    "Wskazany plik nie istnieje lub nie jest aplikacją !!!    ";
inline constexpr std::string_view kErrorTitle = "BŁĄD !!!";
inline constexpr std::string_view kNameTaken =
    "Podana nazwa programu już istnieje !!!\rZmień nazwę aby dodać nową pozycję do menu "
    "Programy użytkownika lub kliknij na przycisk TAK aby zastąpić istniejącą pozycję "
    "!!!\r\rCzy mam zastąpić istniejącą pozycję ???";
}  // namespace program_list_texts

// What tells the two dialogs apart.
struct ProgramListDialog {
  std::string_view caption;
  std::string_view header;
  std::string_view closeHint;  // of the dialog's "OK"
  const MruListKind& list;
};

inline constexpr ProgramListDialog kProgramsDialog{
    "Organizuj programy", "Programy użytkownika", "Zamknij organizowanie programów uzytkownika",
    kProgramsMru};
// The games organizer (TOrganizujGry) is this same organizer on the games list, with
// these texts.
inline constexpr ProgramListDialog kGamesDialog{
    "Organizuj gry i zabawy", "Gry i zabawy", "Zamknij organizowanie gier i zabaw", kGamesMru};

// The menu names offered for program `path` (which names an existing file) whose version
// resource describes it as `description` (empty: none), in this order: the path; the
// file name without its last 4 characters (empty for a name of 4 or fewer); the file
// name; the file name without its extension; then, with a description: the description;
// the name without extension, " - " and the description; the file name, " - " and the
// description. Repeats are kept. The file name is what follows the last "\" or ":".
std::vector<std::string> NameCandidates(std::string_view path, std::string_view description);

class TOrganizujProgramy : public ListOrganizer {
 public:
  TOrganizujProgramy(const OrganizerServices& services, Registry& registry,
                     const FileSystem& fileSystem, bool sortWhileEditing,
                     const ProgramListDialog& texts = kProgramsDialog);

  const ProgramListDialog& Texts() const { return texts_; }

  // SciezkaDoPlikuFE: the path field's text. A change may rewrite it (the quotes of a
  // browsed name come off), so the window shows this again after every change it
  // reports.
  const std::string& Path() const { return path_; }
  // NazwaE: the name field's text and its drop-down list.
  const std::string& Name() const { return name_; }
  const std::vector<std::string>& Suggestions() const { return suggestions_; }
  // Where the file dialog starts: a folder (with its trailing "\" or ":") and a file
  // name to preset, either possibly empty.
  const std::string& BrowseFolder() const { return browseFolder_; }
  const std::string& BrowseFileName() const { return browseFileName_; }
  // Which of the panel's two "OK" buttons is shown: OKsb_EDIT while editing, else
  // OKsb_ADD. Both share the frame's panelOkEnabled.
  bool EditOkShown() const { return frame_.Mode() == OrganizerMode::Editing; }

  void DodajSBClick();
  // "Edytuj", and a double-click in the list; nothing without a selected row.
  void sb_EdytujClick();
  void PathChange(std::string_view text);  // SciezkaDoPlikuFEChange
  void NameChange(std::string_view text);  // NazwaEChange, typed or picked from the list
  // The visible panel "OK": OKsb_ADDClick while adding, OKsb_EDITClick while editing.
  void OkClick();
  void SpeedButton3Click();  // "Anuluj"
  void UsunSBClick();
  // Escape closes the dialog; Enter acts as the visible, enabled panel "OK".
  void FormKeyDown(DialogKey key) override;
  // In the path or the name field: Escape as "Anuluj", Enter as the panel's "OK".
  void EditorKeyDown(DialogKey key);

 private:
  void AppendRows() override;
  void Refreshed() override;
  // The row of a just stored entry, last in the list.
  void AppendStoredRow(const std::string& name, const std::string& path);
  void FillSuggestions(std::string_view path);
  // OKsb_ADD and OKsb_EDIT share their state: both fields must have text.
  void UpdateOk();
  void LeaveEditing();
  // The file the path field reports is an existing ".exe" (any letter case).
  bool NamesProgram() const;
  // The first row whose name is `name` in capitals.
  std::optional<std::size_t> RowNamed(std::string_view name) const;
  // The duplicate question, when the name field's name is stored already.
  std::optional<MessageAnswer> AskIfTaken();
  // Writes the fields' entry and shows it in place of `staleRows`, back at the list.
  void Store(std::vector<std::size_t> staleRows);
  void StoreAdded();
  void StoreEdited();
  // Sorting, when asked for, and the columns fitted: after every attempt to store.
  void Tidy();

  const FileSystem& fileSystem_;
  const ProgramListDialog& texts_;
  std::string path_;
  std::string name_;
  std::vector<std::string> suggestions_;
  std::string browseFolder_;
  std::string browseFileName_;
};

}  // namespace kromelik
