#include "dialogs/OrganizerFrame.h"

#include <algorithm>

#include "OrganizerFixture.h"
#include "core/SingleCopy.h"

namespace kromelik {
namespace {

// Collation that differs from byte order, so a sort can only get it right through
// the port.
class ReversedText : public fakes::FakeTextServices {
 public:
  int Compare(std::string_view a, std::string_view b) const override {
    return fakes::FakeTextServices::Compare(b, a);
  }
};

class OrganizerFrameTest : public OrganizerFixture {
 protected:
  OrganizerFrame frame{services, {{"Nazwa", 150}, {"Lokalizacja", 310}, {"", 20}}};
};

TEST_F(OrganizerFrameTest, IconsAreNumberedInTheOrderTheyCameAndGoBackWhenTheListEmpties) {
  frame.AppendRow({"a.txt", "C:\\a.txt", "1"}, 0);
  frame.AppendRow({"b.exe", "C:\\b.exe", "2"}, 501);
  frame.AppendRow({"c.exe", "C:\\c.exe", "3"}, 502);
  ASSERT_EQ(frame.Rows().size(), 3u);
  EXPECT_EQ(frame.Rows()[0].image, std::nullopt) << "a row without an icon has no picture";
  EXPECT_EQ(frame.Rows()[1].image, 0) << "rows without icons use up no index";
  EXPECT_EQ(frame.Rows()[2].image, 1);
  frame.Select(2);
  frame.ClearRows();
  EXPECT_TRUE(frame.Rows().empty());
  EXPECT_EQ(frame.Images().Count(), 0u);
  EXPECT_EQ(files.destroyed, (std::vector<IconHandle>{502, 501}));
  EXPECT_EQ(frame.Selected(), std::nullopt) << "no row is left to be selected";
}

TEST_F(OrganizerFrameTest, RemovingAndEditingNeedASelectedRowAndNoPanel) {
  frame.AppendRow({"a", "A", "1"}, 0);
  frame.AppendRow({"b", "B", "2"}, 0);
  frame.EnterBrowsing();
  EXPECT_FALSE(frame.Controls().removeEnabled);
  frame.Select(1);
  EXPECT_TRUE(frame.Controls().removeEnabled);
  EXPECT_TRUE(frame.Controls().editEnabled);
  frame.Select(std::nullopt);
  EXPECT_FALSE(frame.Controls().removeEnabled);
  EXPECT_FALSE(frame.Controls().editEnabled);
  frame.Select(7);
  EXPECT_EQ(frame.Selected(), std::nullopt) << "a row the list does not have is no selection";
  EXPECT_FALSE(frame.Controls().removeEnabled);

  frame.EnterPanel(OrganizerMode::Adding);
  frame.Select(0);
  EXPECT_FALSE(frame.Controls().removeEnabled) << "the list under the panel is out of reach";
  EXPECT_FALSE(frame.Controls().editEnabled);
}

TEST_F(OrganizerFrameTest, BrowsingOffersClearingOnlyWithRowsAndThePanelHidesTheList) {
  frame.EnterBrowsing();
  EXPECT_EQ(frame.Controls(), (OrganizerControls{.addEnabled = true,
                                                 .removeEnabled = false,
                                                 .editEnabled = false,
                                                 .clearEnabled = false,
                                                 .listEnabled = true,
                                                 .listVisible = true,
                                                 .panelVisible = false,
                                                 .panelOkEnabled = false}));
  frame.AppendRow({"a", "A", "1"}, 0);
  frame.EnterBrowsing();
  EXPECT_TRUE(frame.Controls().clearEnabled);
  frame.EnterPanel(OrganizerMode::Editing);
  EXPECT_EQ(frame.Mode(), OrganizerMode::Editing);
  EXPECT_FALSE(frame.Controls().addEnabled);
  EXPECT_FALSE(frame.Controls().listEnabled);
  EXPECT_FALSE(frame.Controls().listVisible);
  EXPECT_TRUE(frame.Controls().panelVisible);
  EXPECT_TRUE(frame.Controls().clearEnabled) << "each organizer decides about Wyczyść itself";
}

TEST_F(OrganizerFrameTest, SortingFollowsTheLocaleOrderAndCarriesTheSelectionAndPictures) {
  frame.AppendRow({"zeszyt", "Z", "1"}, 0);
  frame.AppendRow({"Zupa", "Y", "2"}, 700);
  frame.AppendRow({"zeszyt", "X", "3"}, 0);
  frame.AppendRow({"ąkla", "W", "4"}, 0);
  frame.Select(1);
  frame.SortRowsByName();
  // Code-point order of the fake: capitals first, letter case significant.
  EXPECT_EQ(Column(frame, 0), (std::vector<std::string>{"Zupa", "zeszyt", "zeszyt", "ąkla"}));
  EXPECT_EQ(Column(frame, 2), (std::vector<std::string>{"2", "1", "3", "4"}))
      << "equal names keep their order, and each row keeps its own number";
  EXPECT_EQ(frame.Selected(), 0u);
  EXPECT_EQ(frame.Rows()[0].image, 0);

  ReversedText reversed;
  OrganizerFrame other(OrganizerServices{reversed, measure, messages, dialog, toolbar.toolbar,
                                         toolbar.window, shell, program, files},
                       {{"Nazwa", 150}});
  other.AppendRow({"a"}, 0);
  other.AppendRow({"b"}, 0);
  other.SortRowsByName();
  EXPECT_EQ(Column(other, 0), (std::vector<std::string>{"b", "a"}));
}

TEST_F(OrganizerFrameTest, TypedLettersLeadToTheNextNameStartingWithThemInEitherCase) {
  for (const char* name : {"Alfa", "Notatnik", "nowy", "Łódka", "łąka"})
    frame.AppendRow({name, "", ""}, 0);
  EXPECT_EQ(frame.FindRow("n", 2, false, true), 2u) << "the search starts at its row";
  EXPECT_EQ(frame.FindRow("N", 3, false, true), 1u) << "past the last row it goes on from the first";
  EXPECT_EQ(frame.FindRow("n", 3, false, false), std::nullopt) << "unless it is not to wrap";
  EXPECT_EQ(frame.FindRow("ŁĄ", 0, false, true), 4u) << "Polish letters in either case";
  EXPECT_EQ(frame.FindRow("łó", 4, false, true), 3u);
  EXPECT_EQ(frame.FindRow("NOWY", 0, true, true), 2u);
  EXPECT_EQ(frame.FindRow("now", 0, true, true), std::nullopt) << "a whole name is not its beginning";
  EXPECT_EQ(frame.FindRow("q", 1, false, true), std::nullopt) << "no row, rather than another";
  EXPECT_EQ(frame.FindRow("a", 9, false, true), 0u);
}

TEST_F(OrganizerFrameTest, ColumnsFitTheirWidestTextMeasuredInCharactersNotBytes) {
  frame.AutoSizeColumns();
  EXPECT_EQ(frame.Columns(), (std::vector<OrganizerColumn>{
                                 {"Nazwa", 150}, {"Lokalizacja", 310}, {"", 20}}))
      << "an empty list keeps the widths it has";
  frame.AppendRow({"żółw", "C:\\a", "7"}, 0);
  frame.AppendRow({"ab", "C:\\Dłuższa", "12"}, 0);
  frame.AutoSizeColumns();
  EXPECT_EQ(frame.Columns(), (std::vector<OrganizerColumn>{
                                 {"Nazwa", 4 * 6 + 25}, {"Lokalizacja", 10 * 6 + 25}, {"", 2 * 6 + 25}}));
}

TEST_F(OrganizerFrameTest, ClearingIsAskedWithYesAndNo) {
  messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
  EXPECT_FALSE(frame.ConfirmClear());
  EXPECT_TRUE(frame.ConfirmClear());
  ASSERT_EQ(messages.asked.size(), 2u);
  EXPECT_EQ(messages.asked[0],
            (fakes::FakeMessageBoxes::Asked{"Czy na pewno chcesz usunąć wszystkie pozycje z listy ???",
                                            "UWAGA", MessageIcon::Question, MessageButtons::YesNo}));
}

TEST_F(OrganizerFrameTest, ClosingReturnsTheToolbarBeforeOfferingTheRestart) {
  std::vector<std::string> events;
  dialog.onClose = [&] {
    events.push_back("closed");
    frame.OnClosed();
  };
  messages.onShow = [&] {
    events.push_back(toolbar.window.enabled ? "asked over a usable toolbar" : "asked too early");
  };
  messages.answers = {MessageAnswer::No};
  frame.CloseWithRestartOffer();
  EXPECT_EQ(events, (std::vector<std::string>{"closed", "asked over a usable toolbar"}));
  EXPECT_NE(toolbar.toolbar.State(), ToolbarState::LentToDialog);
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(messages.asked[0],
            (fakes::FakeMessageBoxes::Asked{
                "Wprowadzone dane będą widoczne dopiero po ponownym uruchomieniu programu, czy "
                "chcesz to zrobić teraz ?",
                "UWAGA !!!", MessageIcon::Question, MessageButtons::YesNo}));
  EXPECT_TRUE(shell.opened.empty()) << "No starts nothing";
  EXPECT_EQ(std::count(toolbar.window.events.begin(), toolbar.window.events.end(), "close"), 0);
}

TEST_F(OrganizerFrameTest, YesToTheRestartStartsTheProgramAgainAndThenEndsThisOne) {
  messages.answers = {MessageAnswer::Yes};
  messages.onShow = [&] { EXPECT_TRUE(shell.opened.empty()); };
  frame.CloseWithRestartOffer();
  EXPECT_EQ(dialog.closes, 1);
  EXPECT_EQ(shell.opened, (std::vector<fakes::FakeShellLauncher::Opened>{
                              {0, "open", program.path, std::string(kRestartArgument),
                               ShowCommand::ShowNormal}}));
  ASSERT_FALSE(toolbar.window.events.empty());
  EXPECT_EQ(toolbar.window.events.back(), "close");
}

}  // namespace
}  // namespace kromelik
