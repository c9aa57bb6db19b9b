#include "dialogs/TWyszukaj.h"

#include <gtest/gtest.h>

#include "dialogs/SearchServices.h"
#include "fakes/FakeDialogPorts.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeText.h"
#include "fakes/FakeToolbarPorts.h"

namespace kromelik {
namespace {

using Stored = fakes::FakeRegistry::StoredKind;
constexpr std::string_view kMain = "Software\\Brenvald\\Kromelik";
constexpr std::string_view kHistory = "Software\\Brenvald\\Kromelik\\FindMRU";

std::string NumberBytes(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (std::size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

class SearchDialogTest : public ::testing::Test {
 protected:
  SearchDialogTest() {
    toolbar.toolbar.OpenDialog({});
    dialog.onClose = [this] { search.FormClose(); };
    search.SetOwner(0x1234);
  }
  void StoreEngine(std::uint32_t engine) {
    registry.Plant(RegistryRoot::CurrentUser, kMain, "wyszukiwarka",
                   {Stored::Number, NumberBytes(engine)});
  }
  std::vector<std::string> StoredHistory() {
    return registry.OpenKey(RegistryRoot::CurrentUser, kHistory, false)->ValueNames();
  }
  bool Ticked(int engine) {
    search.pm_WyszukiwarkiPopup();
    return search.ServiceMenu().Find("w_" + std::to_string(engine))->Checked;
  }
  void Choose(int engine) {
    const MenuItem& item = *search.ServiceMenu().Find("w_" + std::to_string(engine));
    item.OnClick(item);
  }
  void Search(std::string_view phrase, int chosen = 0) {
    search.FormShow();
    if (chosen != 0) Choose(chosen);
    search.cb_WyrazChange(phrase);
    search.cb_WyrazKeyDown(DialogKey::Enter);
  }

  fakes::FakeRegistry registry;
  fakes::FakeTextServices text;
  fakes::FakeShellLauncher shell;
  fakes::FakeMessageBoxes messages;
  fakes::FakeDialogWindow dialog;
  fakes::FakeToolbar toolbar;
  TWyszukaj search{{registry, text, shell, messages, dialog, toolbar.toolbar}};
};

TEST_F(SearchDialogTest, ASearchOpensTheAddressAndRemembersServiceAndPhraseAsTyped) {
  Search("Zażółć & co");
  ASSERT_EQ(shell.opened.size(), 1U);
  EXPECT_EQ(shell.opened[0], (fakes::FakeShellLauncher::Opened{
                                 0x1234, "open", *BuildSearchUrl("Zażółć & co", 1), std::nullopt,
                                 ShowCommand::ShowNormal}))
      << "a first run searches with the first service";
  EXPECT_NE(toolbar.toolbar.State(), ToolbarState::LentToDialog) << "closed, the toolbar back";

  Search("ZAŻÓŁĆ & CO", 7);
  EXPECT_EQ(shell.opened.back().target, *BuildSearchUrl("ZAŻÓŁĆ & CO", 7));
  const auto engine = registry.Peek(RegistryRoot::CurrentUser, kMain, "wyszukiwarka");
  ASSERT_TRUE(engine);
  EXPECT_EQ(engine->data, NumberBytes(7));
  EXPECT_EQ(engine->kind, Stored::Number);
  Search("  ");
  EXPECT_EQ(StoredHistory(), (std::vector<std::string>{"Zażółć & co", "  "}))
      << "one entry for the phrase in either case; spaces kept";
  EXPECT_EQ(registry.Peek(RegistryRoot::CurrentUser, kHistory, "  ")->data, "");

  // A service chosen and then cancelled is forgotten at the next show.
  search.FormShow();
  Choose(12);
  EXPECT_TRUE(Ticked(12));
  search.SpeedButton3Click();
  search.FormShow();
  EXPECT_TRUE(Ticked(7));
  EXPECT_FALSE(Ticked(12));

  for (const std::uint32_t outside : {0u, 22u, 0xFFFFFFFFu}) {
    StoreEngine(outside);
    shell.opened.clear();
    Search("x");
    ASSERT_EQ(shell.opened.size(), 1U) << outside;
    EXPECT_EQ(shell.opened[0].target, *BuildSearchUrl("x", 1)) << outside;
    EXPECT_TRUE(Ticked(1)) << outside;
  }
}

TEST_F(SearchDialogTest, ShowingSortsTheHistoryWithoutCaseAndAClearAsksFirst) {
  for (const char* phrase : {"beta", "Alfa", "gamma", "Delta"})
    registry.Plant(RegistryRoot::CurrentUser, kHistory, phrase, {Stored::Text, ""});
  StoreEngine(3);
  search.cb_WyrazChange("stare");
  search.FormShow();
  EXPECT_EQ(search.Controls().history, (std::vector<std::string>{"Alfa", "beta", "Delta", "gamma"}));
  EXPECT_TRUE(search.Controls().clearEnabled);
  EXPECT_EQ(search.Controls().phrase, "");
  search.cb_WyrazKeyDown(DialogKey::Enter);
  EXPECT_TRUE(shell.opened.empty() && dialog.closes == 0) << "no phrase, no search";

  search.sb_WyczyscClick();  // the question closed unanswered
  EXPECT_EQ(messages.asked, (std::vector<fakes::FakeMessageBoxes::Asked>{
                                {"Czy na pewno chcesz usunąć wszystkie pozycje z listy ???",
                                 "UWAGA", MessageIcon::Question, MessageButtons::YesNo}}));
  EXPECT_EQ(StoredHistory().size(), 4U);

  messages.answers = {MessageAnswer::Yes};
  StoreEngine(5);
  search.cb_WyrazChange("beta");
  search.sb_WyczyscClick();
  EXPECT_TRUE(StoredHistory().empty());
  EXPECT_TRUE(search.Controls().history.empty());
  EXPECT_FALSE(search.Controls().clearEnabled || search.Controls().okEnabled);
  EXPECT_EQ(search.Engine(), 5) << "shown anew, the stored service read again";
}

}  // namespace
}  // namespace kromelik
