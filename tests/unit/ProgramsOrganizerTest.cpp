#include "dialogs/TOrganizujProgramy.h"

#include "OrganizerFixture.h"

namespace kromelik {
namespace {

using Names = std::vector<std::string>;
constexpr std::string_view kList = "ProgramyMRU";
const std::string kEditor = "C:\\Programy\\Edytor\\edytor.exe";

class ProgramsOrganizerTest : public OrganizerFixture {
 protected:
  ProgramsOrganizerTest() { dialog.onClose = [this] { organizer.FormClose(); }; }
  void PlantProgram(const std::string& path, IconHandle icon = 0, std::string description = {}) {
    fileSystem.AddFile(path);
    fakes::FakeFile& file = files.Add(path);
    file.icon = icon;
    file.version = fakes::FakeVersion{VersionTranslation{0x0415, 0x04E2},
                                      {{"\\StringFileInfo\\041504e2\\FileDescription", description}},
                                      std::nullopt};
  }
  void Add(std::string_view path, std::string_view name) {
    organizer.DodajSBClick();
    organizer.PathChange(path);
    organizer.NameChange(name);
    organizer.OkClick();
  }
  void Edit(std::size_t row) {
    organizer.SelectionChange(row);
    organizer.sb_EdytujClick();
  }
  std::vector<MruEntry> Stored() { return MruList(registry, kProgramsMru).ReadEntries(); }

  TOrganizujProgramy organizer{services, registry, fileSystem, true};
};

TEST(NameCandidatesTest, FileNamesThenTheDescriptionInEachCombination) {
  EXPECT_EQ(NameCandidates(kEditor, "Edytor tekstu"),
            (Names{kEditor, "edytor", "edytor.exe", "edytor", "Edytor tekstu",
                   "edytor - Edytor tekstu", "edytor.exe - Edytor tekstu"}));
  EXPECT_EQ(NameCandidates("A:gra.bin.exe", ""), (Names{"A:gra.bin.exe", "gra.bin", "gra.bin.exe", "gra.bin"}))
      << "the file name starts after a colon, the extension at the last dot";
  EXPECT_EQ(NameCandidates("C:\\a.ex", ""), (Names{"C:\\a.ex", "", "a.ex", "a"}));
  EXPECT_EQ(NameCandidates("C:\\Książka", ""), (Names{"C:\\Książka", "Ksi", "Książka", "Książka"}))
      << "four characters go, not four bytes";
}

TEST_F(ProgramsOrganizerTest, AnAddSuggestsFromTheFileAndStoresThePathAsTyped) {
  PlantList(kList, "Zeszyt", "C:\\zeszyt.exe");
  files.Add("C:\\zeszyt.exe").icon = 50;
  PlantProgram(kEditor, 70, "Edytor tekstu");
  organizer.FormShow();
  organizer.DodajSBClick();
  EXPECT_FALSE(organizer.Frame().Controls().clearEnabled);
  EXPECT_EQ(organizer.BrowseFolder(), "C:\\");
  organizer.PathChange("\"");
  EXPECT_EQ(organizer.Path(), "") << "a lone quote is its own first and last character";

  organizer.PathChange("\"" + kEditor + "\"");
  EXPECT_EQ(organizer.Path(), kEditor);
  EXPECT_EQ(organizer.Suggestions(), NameCandidates(kEditor, "Edytor tekstu"));
  EXPECT_EQ(organizer.Name(), "edytor");
  EXPECT_TRUE(organizer.Frame().Controls().panelOkEnabled);
  organizer.NameChange("");
  EXPECT_FALSE(organizer.Frame().Controls().panelOkEnabled);
  organizer.NameChange("Edytor tekstu");
  organizer.PathChange(kEditor + " /nowy");  // no such file: the name stays
  organizer.OkClick();

  EXPECT_TRUE(messages.asked.empty());
  EXPECT_EQ(ListValue(kList, "Edytor tekstu"), kEditor + " /nowy");
  EXPECT_EQ(organizer.Frame().Rows(),
            (std::vector<OrganizerRow>{{{"Edytor tekstu", kEditor + " /nowy"}, 0},
                                       {{"Zeszyt", "C:\\zeszyt.exe"}, 0}}))
      << "without an icon of its own the new row borrows the first, and sorting moves it";
  EXPECT_EQ(organizer.Frame().Columns()[1].width, (kEditor.size() + 6) * 6 + 25);
  EXPECT_TRUE(organizer.Frame().Controls().clearEnabled);
  EXPECT_EQ(organizer.Path(), "");
  EXPECT_TRUE(organizer.Suggestions().empty());
}

TEST_F(ProgramsOrganizerTest, OnlyAnExistingExeIsStoredAndARefusalStillFitsTheColumns) {
  fileSystem.AddFile("C:\\teksty\\list.txt");
  fileSystem.AddFile("C:\\Gry\\Saper.Exe");
  PlantList(kList, "Kalkulator", "C:\\calc.exe");
  organizer.FormShow();
  Add("C:\\brak.exe", "Brak");
  organizer.PathChange("C:\\teksty\\list.txt");
  measure.characterWidth = 10;
  organizer.OkClick();
  EXPECT_EQ(organizer.Frame().Columns()[0].width, 10 * 10 + 25);

  const fakes::FakeMessageBoxes::Shown refusal{
      "Wskazany plik nie istnieje lub nie jest aplikacją !!!    ", "BŁĄD !!!", MessageIcon::Error};
  EXPECT_EQ(messages.shown, (std::vector{refusal, refusal}));
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Adding);
  EXPECT_EQ(organizer.Name(), "list");
  organizer.PathChange("C:\\Gry\\Saper.Exe");
  organizer.OkClick();
  EXPECT_EQ(Stored(), (std::vector<MruEntry>{{0, "Kalkulator", "C:\\calc.exe"},
                                             {0, "Saper", "C:\\Gry\\Saper.Exe"}}));
}

TEST_F(ProgramsOrganizerTest, ATakenNameInAnyCaseIsReplacedOnYesKeptOnNoAndLeftOnCancel) {
  PlantList(kList, "Edytor", "C:\\stary.exe");
  fileSystem.AddFile("C:\\nowy.exe");
  organizer.FormShow();
  messages.answers = {MessageAnswer::No, MessageAnswer::Cancel, MessageAnswer::Yes};
  Add("C:\\nowy.exe", "EDYTOR");
  EXPECT_EQ(messages.asked,
            (std::vector<fakes::FakeMessageBoxes::Asked>{
                {"Podana nazwa programu już istnieje !!!\rZmień nazwę aby dodać nową pozycję do "
                 "menu Programy użytkownika lub kliknij na przycisk TAK aby zastąpić istniejącą "
                 "pozycję !!!\r\rCzy mam zastąpić istniejącą pozycję ???",
                 "BŁĄD !!!", MessageIcon::Warning, MessageButtons::YesNoCancel}}));
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Adding);
  EXPECT_EQ(organizer.Name(), "EDYTOR");
  organizer.OkClick();
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Browsing);
  EXPECT_EQ(Stored(), (std::vector<MruEntry>{{0, "Edytor", "C:\\stary.exe"}}));

  Add("C:\\nowy.exe", "EDYTOR");
  // Overwritten in one write, so the stored spelling stays: respelling would need the
  // value deleted first, and a kill in between would lose the program.
  EXPECT_EQ(Stored(), (std::vector<MruEntry>{{0, "Edytor", "C:\\nowy.exe"}}));
  EXPECT_EQ(Column(organizer.Frame(), 1), (Names{"C:\\nowy.exe"}));
}

TEST_F(ProgramsOrganizerTest, EditingOffersTheRowsNamesAndARenameMovesTheEntry) {
  PlantProgram(kEditor, 70, "Edytor tekstu");
  PlantList(kList, "Gra", "C:\\Gry\\gra.exe");
  PlantList(kList, "Edytor", kEditor);
  organizer.FormShow();
  organizer.sb_EdytujClick();
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Browsing) << "nothing selected, nothing edited";
  Edit(0);

  EXPECT_TRUE(organizer.EditOkShown());
  EXPECT_EQ(organizer.Path(), kEditor);
  EXPECT_EQ(organizer.Name(), "Edytor");
  EXPECT_EQ(organizer.BrowseFolder(), "C:\\Programy\\Edytor\\");
  EXPECT_EQ(organizer.BrowseFileName(), "edytor.exe");
  EXPECT_EQ(organizer.Suggestions(), (Names{"Edytor", kEditor, "edytor.exe", "edytor", "Edytor tekstu",
                                            "edytor - Edytor tekstu", "edytor.exe - Edytor tekstu"}));
  EXPECT_FALSE(organizer.Frame().Controls().panelOkEnabled) << "nothing changed yet";
  EXPECT_FALSE(organizer.Frame().Controls().clearEnabled);
  organizer.NameChange("Arkusz");
  organizer.OkClick();

  EXPECT_TRUE(messages.asked.empty());
  EXPECT_EQ(ListValue(kList, "Edytor"), std::nullopt);
  EXPECT_EQ(ListValue(kList, "Arkusz"), kEditor);
  // The stored row's icon comes after the two that the showing asked for.
  EXPECT_EQ(organizer.Frame().Rows(), (std::vector<OrganizerRow>{{{"Arkusz", kEditor}, 2},
                                                                 {{"Gra", "C:\\Gry\\gra.exe"}, 0}}));
}

TEST_F(ProgramsOrganizerTest, AnEditAnsweredYesLeavesOneRowForTheNameWhetherItsOwnOrAnothers) {
  PlantList(kList, "Edytor", "C:\\stary.exe");
  PlantList(kList, "Gra", "C:\\gra.exe");
  PlantList(kList, "Notes", "C:\\notes.exe");
  fileSystem.AddFile("C:\\nowy.exe");
  fileSystem.AddFile("C:\\gra.exe");
  organizer.FormShow();
  messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
  Edit(0);
  organizer.PathChange("C:\\nowy.exe");
  organizer.NameChange("Edytor");
  organizer.OkClick();
  EXPECT_EQ(messages.asked.size(), 1u) << "an entry keeping its name is asked about too";
  EXPECT_EQ(Column(organizer.Frame(), 1), (Names{"C:\\nowy.exe", "C:\\gra.exe", "C:\\notes.exe"}));

  Edit(1);
  organizer.NameChange("notes");
  organizer.OkClick();
  // The edit keeping its name overwrote "Edytor" where it stood, rather than deleting it
  // and storing it anew after the others.
  EXPECT_EQ(Stored(), (std::vector<MruEntry>{{0, "Edytor", "C:\\nowy.exe"}, {0, "Notes", "C:\\gra.exe"}}));
  EXPECT_EQ(Column(organizer.Frame(), 0), (Names{"Edytor", "notes"}));
}

TEST_F(ProgramsOrganizerTest, RemovingTakesTheRowSelectedNow) {
  PlantList(kList, "A", "C:\\a.exe");
  PlantList(kList, "B", "C:\\b.exe");
  PlantList(kList, "C", "C:\\c.exe");
  organizer.FormShow();
  organizer.SelectionChange(0);
  organizer.SelectionChange(2);
  organizer.UsunSBClick();
  EXPECT_EQ(Column(organizer.Frame(), 0), (Names{"A", "B"}));
  EXPECT_EQ(ListValue(kList, "C"), std::nullopt);
  organizer.UsunSBClick();
  EXPECT_EQ(Stored().size(), 2u) << "with nothing selected nothing goes";
}

TEST_F(ProgramsOrganizerTest, ReplacingAnEarlierRowLeavesRemovalOnTheRowTheUserChose) {
  PlantList(kList, "Alfa", "C:\\alfa.exe");
  PlantList(kList, "Beta", "C:\\beta.exe");
  PlantList(kList, "Zeta", "C:\\zeta.exe");
  PlantProgram("C:\\alfa2.exe");
  organizer.FormShow();
  organizer.SelectionChange(2);
  messages.answers = {MessageAnswer::Yes};
  // Replaces "Alfa", above the chosen row, which moves up as "Alfa" goes.
  Add("C:\\alfa2.exe", "Alfa");
  ASSERT_NE(organizer.Frame().SelectedRow(), nullptr);
  EXPECT_EQ(organizer.Frame().SelectedRow()->cells[0], "Zeta");
  organizer.UsunSBClick();
  EXPECT_EQ(ListValue(kList, "Zeta"), std::nullopt);
  EXPECT_EQ(ListValue(kList, "Alfa"), "C:\\alfa2.exe") << "the new entry stays";
  EXPECT_EQ(ListValue(kList, "Beta"), "C:\\beta.exe");
}

TEST_F(ProgramsOrganizerTest, KeysCancelKeepingTheTextsOrStoreAndTheGamesKeepTheirOwnList) {
  fileSystem.AddFile("C:\\Gry\\szachy.exe");
  TOrganizujProgramy games{services, registry, fileSystem, false, kGamesDialog};
  games.FormShow();
  games.DodajSBClick();
  games.PathChange("C:\\Gry\\szachy.exe");
  games.EditorKeyDown(DialogKey::Escape);
  EXPECT_EQ(games.Frame().Mode(), OrganizerMode::Browsing);
  EXPECT_EQ(games.Path(), "C:\\Gry\\szachy.exe") << "Anuluj leaves the fields' texts";
  games.DodajSBClick();
  games.FormKeyDown(DialogKey::Enter);
  EXPECT_EQ(games.Frame().Mode(), OrganizerMode::Adding) << "Enter with OK disabled does nothing";
  games.PathChange("C:\\Gry\\szachy.exe");
  games.FormKeyDown(DialogKey::Enter);
  EXPECT_EQ(MruList(registry, kGamesMru).ReadEntries(),
            (std::vector<MruEntry>{{0, "szachy", "C:\\Gry\\szachy.exe"}}));
  EXPECT_TRUE(Stored().empty());

  organizer.FormKeyDown(DialogKey::Escape);
  EXPECT_EQ(dialog.closes, 1);
  EXPECT_NE(toolbar.toolbar.State(), ToolbarState::LentToDialog);
}

}  // namespace
}  // namespace kromelik
