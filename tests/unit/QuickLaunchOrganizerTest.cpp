#include "dialogs/TOrganizujSzybUr.h"

#include "OrganizerFixture.h"

namespace kromelik {
namespace {

using Kind = fakes::FakeRegistry::StoredKind;
constexpr std::string_view kList = "SzybkieUrMRU";

class QuickLaunchOrganizerTest : public OrganizerFixture {
 protected:
  QuickLaunchOrganizerTest() {
    dialog.onClose = [this] { organizer.FormClose(); };
  }
  void PlantEntry(int number, std::string name, std::string target) {
    PlantList(kList, std::to_string(number), std::move(name));
    PlantList(kList, "H" + std::to_string(number), std::move(target));
  }
  // Through the popup, as the user would.
  void StartAdding(AddKind kind) {
    ASSERT_TRUE(organizer.DodajSBClick());
    organizer.EnterAddKind(kind);
  }
  std::vector<fakes::FakeMessageBoxes::Shown> Shown(std::string_view message, std::string_view title) {
    return {{std::string(message), std::string(title), MessageIcon::Error}};
  }

  TOrganizujSzybUr organizer{services, registry, fileSystem, true};
};

TEST_F(QuickLaunchOrganizerTest, ShowingListsTheValidEntriesSortedByNameWithTheirOwnNumbers) {
  PlantEntry(2, "notatnik.exe", "C:\\Windows\\notatnik.exe");
  PlantEntry(5, "Dokumenty", "C:\\Dokumenty");
  PlantList(kList, "7", "sierota");  // no "H7": not an entry
  files.Add("C:\\Windows\\notatnik.exe").icon = 900;
  organizer.FormShow();

  const OrganizerFrame& frame = organizer.Frame();
  ASSERT_EQ(frame.Rows().size(), 2u);
  // Each row's picture is its target's icon, asked for in the stored order.
  EXPECT_EQ(frame.Rows()[0], (OrganizerRow{{"Dokumenty", "C:\\Dokumenty", "5"}, 1}));
  EXPECT_EQ(frame.Rows()[1],
            (OrganizerRow{{"notatnik.exe", "C:\\Windows\\notatnik.exe", "2"}, 0}));
  EXPECT_EQ(frame.Columns()[1].width, 23 * 6 + 25) << "the columns fit the rows";
  EXPECT_TRUE(frame.Controls().clearEnabled);

  TOrganizujSzybUr unsorted{services, registry, fileSystem, false};
  unsorted.FormShow();
  EXPECT_EQ(Column(unsorted.Frame(), 2), (std::vector<std::string>{"2", "5"}))
      << "without sorting the numbers give the order";
}

TEST_F(QuickLaunchOrganizerTest, AnEmptyListOffersNeitherRemovingNorClearingAndKeepsItsWidths) {
  organizer.FormShow();
  EXPECT_TRUE(organizer.Frame().Rows().empty());
  EXPECT_FALSE(organizer.Frame().Controls().removeEnabled);
  EXPECT_FALSE(organizer.Frame().Controls().clearEnabled);
  EXPECT_EQ(organizer.Frame().Columns(),
            (std::vector<OrganizerColumn>{{"Nazwa", 150}, {"Lokalizacja", 310}, {"", 20}}));
  organizer.sb_WyczyscClick();
  EXPECT_TRUE(messages.asked.empty()) << "a disabled Wyczyść asks nothing";
}

TEST_F(QuickLaunchOrganizerTest, TwentyRowsRefuseTheAddBeforeThePopup) {
  for (int number = 1; number <= 19; ++number) PlantEntry(number, "x", "C:\\x");
  organizer.FormShow();
  EXPECT_TRUE(organizer.DodajSBClick()) << "19 rows leave room";
  PlantEntry(20, "x", "C:\\x");
  organizer.FormShow();
  EXPECT_FALSE(organizer.DodajSBClick());
  EXPECT_EQ(messages.shown,
            Shown("Menu ulubione zawiera, niestety, maksymalnie tylko 20 pozycji. Aby dodać "
                  "kolejną pozycję musisz usunąć już istniejącą :-(",
                  "Błąd ilości pozycji !!!"));
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Browsing);
  EXPECT_EQ(TOrganizujSzybUr::KindPopupPoint({100, 200}, 8, 220, 25), (ScreenPoint{108, 465}));
}

TEST_F(QuickLaunchOrganizerTest, EachKindStartsItsOwnEditorAndOkFollowsItsValue) {
  organizer.FormShow();
  StartAdding(AddKind::WebPage);
  EXPECT_EQ(organizer.KindCaption(), "Adres strony WWW");
  EXPECT_EQ(organizer.EditorText(AddKind::WebPage), "http://");
  EXPECT_TRUE(organizer.Frame().Controls().panelOkEnabled) << "the prefilled address counts";

  organizer.SpeedButton3Click();
  organizer.EnterAddKind(AddKind::Folder);
  EXPECT_EQ(organizer.KindCaption(), "Ścieżka do folderu");
  EXPECT_FALSE(organizer.Frame().Controls().panelOkEnabled);
  organizer.EditorChange("D");
  EXPECT_TRUE(organizer.Frame().Controls().panelOkEnabled);
  organizer.EditorChange("");
  EXPECT_FALSE(organizer.Frame().Controls().panelOkEnabled);

  organizer.SpeedButton3Click();
  organizer.EnterAddKind(AddKind::File);
  EXPECT_EQ(organizer.KindCaption(), "Ścieżka do pliku");
  organizer.EditorChange("   ");
  EXPECT_FALSE(organizer.Frame().Controls().panelOkEnabled)
      << "blanks name no file, so the reported name is empty";
}

TEST_F(QuickLaunchOrganizerTest, AFileIsStoredByItsNameAtTheLowestFreeNumberWithoutItsArguments) {
  PlantEntry(1, "a", "C:\\a");
  PlantEntry(3, "c", "C:\\c");
  fileSystem.AddFile("C:\\Program Files\\Edytor\\edytor.exe");
  files.Add("C:\\Program Files\\Edytor\\edytor.exe").icon = 77;
  organizer.FormShow();
  StartAdding(AddKind::File);
  organizer.EditorChange("\"C:\\Program Files\\Edytor\\edytor.exe\" /nowy");
  organizer.OKsb_ADDClick();

  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(ListValue(kList, "2"), "edytor.exe");
  EXPECT_EQ(ListValue(kList, "H2"), "C:\\Program Files\\Edytor\\edytor.exe");
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Browsing);
  EXPECT_EQ(organizer.Frame().Rows().size(), 3u);
  const OrganizerRow& added = organizer.Frame().Rows()[2];
  ASSERT_TRUE(added.image.has_value());
  EXPECT_EQ(organizer.Frame().Images().Pictures()[static_cast<std::size_t>(*added.image)],
            Picture(IconOfFile{"C:\\Program Files\\Edytor\\edytor.exe", FileIconKind::Shell, -1}))
      << "the new row shows the file's icon";
  EXPECT_EQ(organizer.EditorText(AddKind::File), "") << "the refresh empties the editors";
}

TEST_F(QuickLaunchOrganizerTest, EveryKindRefusesWhatIsNotThereAndKeepsThePanelAsItWas) {
  organizer.FormShow();
  StartAdding(AddKind::File);
  fileSystem.AddFile("C:\\teksty\\list.txt");
  organizer.EditorChange("C:\\teksty\\brak.txt");
  organizer.OKsb_ADDClick();
  organizer.SpeedButton3Click();
  organizer.EnterAddKind(AddKind::Folder);
  organizer.EditorChange("C:\\teksty\\list.txt");  // a file is no folder
  organizer.OKsb_ADDClick();
  organizer.SpeedButton3Click();
  organizer.EnterAddKind(AddKind::WebPage);
  organizer.OKsb_ADDClick();  // "http://" as it starts: no dot

  EXPECT_EQ(messages.shown, (std::vector<fakes::FakeMessageBoxes::Shown>{
                                {"Wskazany plik nie istnieje !!!", "Błąd pliku !!!", MessageIcon::Error},
                                {"Wskazany folder nie istnieje !!!", "Błąd folderu !!!", MessageIcon::Error},
                                {"Podano nieprawidłowy adres WWW !!!", "Błąd adresu WWW !!!",
                                 MessageIcon::Error}}));
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Adding);
  EXPECT_EQ(organizer.Kind(), AddKind::WebPage);
  EXPECT_EQ(organizer.EditorText(AddKind::WebPage), "http://");
  EXPECT_EQ(organizer.EditorText(AddKind::Folder), "C:\\teksty\\list.txt")
      << "Anuluj leaves the editors' texts";
  EXPECT_TRUE(MruList(registry, kQuickLaunchMru).ReadEntries().empty());
}

TEST_F(QuickLaunchOrganizerTest, FoldersAndAddressesAreStoredAsTypedAndTwiceWhenAddedTwice) {
  fileSystem.AddDirectory("C:\\");
  organizer.FormShow();
  StartAdding(AddKind::Folder);
  organizer.EditorChange("C:\\");
  organizer.OKsb_ADDClick();
  for (int time = 0; time < 2; ++time) {
    StartAdding(AddKind::WebPage);
    organizer.EditorChange("http://www.gazeta.pl");
    organizer.OKsb_ADDClick();
  }
  StartAdding(AddKind::WebPage);
  organizer.EditorChange("onet.pl");
  organizer.OKsb_ADDClick();

  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(MruList(registry, kQuickLaunchMru).ReadEntries(),
            (std::vector<MruEntry>{{1, "C:\\", "C:\\"},
                                   {2, "//www.gazeta.pl", "http://www.gazeta.pl"},
                                   {3, "//www.gazeta.pl", "http://www.gazeta.pl"},
                                   {4, "onet.pl", "onet.pl"}}));
}

TEST_F(QuickLaunchOrganizerTest, RemovingTakesTheRowSelectedNowEvenAfterAKeyboardMove) {
  PlantEntry(12, "a.txt", "C:\\a.txt");
  PlantEntry(3, "b.txt", "C:\\b.txt");
  PlantEntry(1, "c.txt", "C:\\c.txt");
  organizer.FormShow();
  ASSERT_EQ(Column(organizer.Frame(), 2), (std::vector<std::string>{"12", "3", "1"}));
  organizer.SelectionChange(1);  // clicked: number 3
  organizer.SelectionChange(0);  // moved up with the keyboard: number 12
  organizer.UsunSBClick();

  EXPECT_EQ(ListValue(kList, "12"), std::nullopt);
  EXPECT_EQ(ListValue(kList, "H12"), std::nullopt);
  EXPECT_EQ(ListValue(kList, "3"), "b.txt") << "the row clicked before the move stays";
  EXPECT_EQ(Column(organizer.Frame(), 0), (std::vector<std::string>{"b.txt", "c.txt"}));
  EXPECT_FALSE(organizer.Frame().Controls().removeEnabled);
  EXPECT_TRUE(messages.asked.empty()) << "removing asks nothing";

  organizer.UsunSBClick();
  EXPECT_EQ(organizer.Frame().Rows().size(), 2u) << "with nothing selected nothing goes";
}

TEST_F(QuickLaunchOrganizerTest, NoFreeNumberBehindFewerRowsIsRefusedLikeAFullList) {
  for (int number = 1; number <= 20; ++number) {
    if (number == 4) PlantEntry(number, "jedyny", "C:\\jedyny");
    else PlantList(kList, std::to_string(number), "sierota");
  }
  fileSystem.AddDirectory("C:\\Pliki");
  organizer.FormShow();
  ASSERT_EQ(organizer.Frame().Rows().size(), 1u);
  StartAdding(AddKind::Folder);
  organizer.EditorChange("C:\\Pliki");
  organizer.OKsb_ADDClick();

  EXPECT_EQ(messages.shown,
            Shown("Menu ulubione zawiera, niestety, maksymalnie tylko 20 pozycji. Aby dodać "
                  "kolejną pozycję musisz usunąć już istniejącą :-(",
                  "Błąd ilości pozycji !!!"));
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Browsing)
      << "back at the list, where an entry can be removed to make room";
  EXPECT_EQ(MruList(registry, kQuickLaunchMru).ReadEntries().size(), 1u);
}

TEST_F(QuickLaunchOrganizerTest, ClearingHappensOnlyOnYes) {
  PlantEntry(1, "a", "C:\\a");
  organizer.FormShow();
  messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
  organizer.sb_WyczyscClick();
  EXPECT_EQ(organizer.Frame().Rows().size(), 1u);
  EXPECT_EQ(ListValue(kList, "1"), "a");
  organizer.sb_WyczyscClick();
  EXPECT_EQ(messages.asked.size(), 2u);
  EXPECT_TRUE(organizer.Frame().Rows().empty());
  EXPECT_EQ(ListValue(kList, "1"), std::nullopt);
  EXPECT_TRUE(registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Brenvald\\Kromelik\\SzybkieUrMRU"));
  EXPECT_FALSE(organizer.Frame().Controls().clearEnabled);
}

TEST_F(QuickLaunchOrganizerTest, KeysInTheEditorCancelOrConfirmAndEscapeOnTheListCloses) {
  fileSystem.AddDirectory("C:\\Pliki");
  organizer.FormShow();
  StartAdding(AddKind::Folder);
  organizer.EditorKeyDown(DialogKey::Enter);
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Adding) << "Enter with OK disabled does nothing";
  organizer.EditorChange("C:\\Pliki");
  organizer.EditorKeyDown(DialogKey::Escape);
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Browsing);
  EXPECT_TRUE(organizer.Frame().Rows().empty()) << "Escape stores nothing";
  organizer.EnterAddKind(AddKind::Folder);
  organizer.EditorChange("C:\\Pliki");
  organizer.EditorKeyDown(DialogKey::Enter);
  EXPECT_EQ(organizer.Frame().Rows().size(), 1u);

  organizer.FormKeyDown(DialogKey::Escape);
  EXPECT_EQ(dialog.closes, 1);
  EXPECT_TRUE(messages.asked.empty()) << "Escape closes without the restart question";
  EXPECT_NE(toolbar.toolbar.State(), ToolbarState::LentToDialog);
  organizer.CloseSBClick();
  EXPECT_EQ(messages.asked.size(), 1u) << "the dialog's OK always asks";
}

TEST(FileNameOfEditTest, AnExistingNameIsTakenWholeAndAnythingElseByItsFirstWord) {
  fakes::FakeFileSystem fileSystem;
  fileSystem.AddFile("C:\\Moje pliki\\a b.exe");
  EXPECT_EQ(FileNameOfEdit("C:\\Moje pliki\\a b.exe", fileSystem), "C:\\Moje pliki\\a b.exe");
  EXPECT_EQ(FileNameOfEdit("  C:\\x.exe -s", fileSystem), "C:\\x.exe");
  EXPECT_EQ(FileNameOfEdit("\"C:\\Moje pliki\\a b.exe\" /x", fileSystem), "C:\\Moje pliki\\a b.exe");
  EXPECT_EQ(FileNameOfEdit("\"\"", fileSystem), "");
}

}  // namespace
}  // namespace kromelik
