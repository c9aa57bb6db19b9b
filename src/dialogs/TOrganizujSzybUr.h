#pragma once

// The quick-launch organizer: up to 20 files, folders and web pages for the toolbar's
// quick-launch menu, kept in SzybkieUrMRU.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/Cursor.h"
#include "core/ports/FileSystem.h"
#include "dialogs/ListOrganizer.h"

namespace kromelik {

namespace quick_launch_texts {
inline constexpr std::string_view kCaption = "Organizuj szybkie uruchamianie";
inline constexpr std::string_view kHeader = "Szybkie uruchamianie";
inline constexpr std::string_view kHeaderNote = "tylko 20 pozycji :-(";
inline constexpr std::string_view kFull =
    "Menu ulubione zawiera, niestety, maksymalnie tylko 20 pozycji. Aby dodać kolejną "
    "pozycję musisz usunąć już istniejącą :-(";
inline constexpr std::string_view kFullTitle = "Błąd ilości pozycji !!!";
inline constexpr std::string_view kNoFile = "Wskazany plik nie istnieje !!!";
inline constexpr std::string_view kNoFileTitle = "Błąd pliku !!!";
inline constexpr std::string_view kNoFolder = "Wskazany folder nie istnieje !!!";
inline constexpr std::string_view kNoFolderTitle = "Błąd folderu !!!";
inline constexpr std::string_view kBadAddress = "Podano nieprawidłowy adres WWW !!!";
inline constexpr std::string_view kBadAddressTitle = "Błąd adresu WWW !!!";
inline constexpr std::string_view kFileFilter =
    "Wszystkie pliki (*.*)|*.*|Programy (*.exe)|*.exe|Rysunki "
    "(*.gif;*.gif;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.gif;*.gif;*.jpg;*.jpeg;*.bmp;*.ico;"
    "*.emf;*.wmf|Dokumenty (*.txt, *.doc, *.rtf)|*.txt;*.doc;*.rtf";
}  // namespace quick_launch_texts

enum class AddKind { File, Folder, WebPage };

// What a file-name edit reports for its text: the text when it names an existing file,
// otherwise the first word of it read as a command line (so a program's path followed
// by switches gives the program), or empty.
std::string FileNameOfEdit(std::string_view text, const FileSystem& files);

class TOrganizujSzybUr : public ListOrganizer {
 public:
  static constexpr int kCapacity = 20;

  TOrganizujSzybUr(const OrganizerServices& services, Registry& registry,
                   const FileSystem& fileSystem, bool sortWhileEditing);

  // While adding: what is being entered, shown as the panel's caption.
  std::optional<AddKind> Kind() const { return kind_; }
  std::string_view KindCaption() const;
  // Each editor keeps its text until the next add or showing; only the one of the
  // current kind is shown, and only while adding.
  const std::string& EditorText(AddKind kind) const { return editors_[Index(kind)]; }

  // "Dodaj": true when the popup of kinds is to be shown (at KindPopupPoint); a full
  // list is refused with a message instead.
  bool DodajSBClick();
  static ScreenPoint KindPopupPoint(ScreenPoint dialogTopLeft, int buttonLeft, int buttonTop,
                                    int buttonHeight);
  void EnterAddKind(AddKind kind);  // Plik1Click, Folder2Click, StronaWWW1Click
  void EditorChange(std::string_view text);  // the current kind's editor
  void OKsb_ADDClick();
  void SpeedButton3Click();
  void UsunSBClick();
  void EditorKeyDown(DialogKey key);

 private:
  static std::size_t Index(AddKind kind) { return static_cast<std::size_t>(kind); }
  void AppendRows() override;
  void Refreshed() override;
  std::string EditorValue() const;  // what "OK" would store
  void Refuse(std::string_view text, std::string_view title);

  const FileSystem& fileSystem_;
  std::optional<AddKind> kind_;
  std::array<std::string, 3> editors_;
};

}  // namespace kromelik
