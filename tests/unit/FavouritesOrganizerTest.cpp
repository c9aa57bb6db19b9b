#include "dialogs/TOrganizujUlubione.h"

#include "OrganizerFixture.h"

namespace kromelik {
namespace {

constexpr std::string_view kList = "UlubioneMRU";

class FavouritesOrganizerTest : public OrganizerFixture {
 protected:
  FavouritesOrganizerTest() { dialog.onClose = [this] { organizer.FormClose(); }; }
  void Add(std::string_view address, std::string_view name) {
    organizer.DodajSBClick();
    organizer.AddressChange(address);
    organizer.NameChange(name);
    organizer.OKsb_ADDClick();
  }

  TOrganizujUlubione organizer{services, registry, true};
};

TEST_F(FavouritesOrganizerTest, ShowingSortsThePagesByNameEachWithTheDialogsPicture) {
  PlantList(kList, "Onet", "http://www.onet.pl");
  PlantList(kList, "Gazeta", "http://www.gazeta.pl");
  organizer.FormShow();
  EXPECT_EQ(organizer.Frame().Rows(),
            (std::vector<OrganizerRow>{{{"Gazeta", "http://www.gazeta.pl"}, 0},
                                       {{"Onet", "http://www.onet.pl"}, 0}}));
  EXPECT_EQ(organizer.Frame().Columns(),
            (std::vector<OrganizerColumn>{{"Nazwa strony WWW", 6 * 6 + 25}, {"Adres", 20 * 6 + 25}}));
  EXPECT_TRUE(organizer.Frame().Controls().clearEnabled);

  TOrganizujUlubione unsorted{services, registry, false};
  unsorted.FormShow();
  EXPECT_EQ(Column(unsorted.Frame(), 0), (std::vector<std::string>{"Onet", "Gazeta"}))
      << "without sorting the registry's order stands";
}

TEST_F(FavouritesOrganizerTest, AnAddIsStoredAsTypedAndStandsLastUntilTheNextRefresh) {
  organizer.FormShow();
  organizer.DodajSBClick();
  EXPECT_EQ(organizer.Address(), "http://");
  EXPECT_EQ(organizer.Name(), "");
  EXPECT_FALSE(organizer.Frame().Controls().panelOkEnabled) << "a name is still needed";
  organizer.NameChange("Zupełnie nowa");
  EXPECT_TRUE(organizer.Frame().Controls().panelOkEnabled);
  organizer.OKsb_ADDClick();
  Add("gazeta.pl", "Gazeta");

  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(ListValue(kList, "Zupełnie nowa"), "http://");
  EXPECT_EQ(ListValue(kList, "Gazeta"), "gazeta.pl") << "nothing is put before the address";
  EXPECT_EQ(Column(organizer.Frame(), 0), (std::vector<std::string>{"Zupełnie nowa", "Gazeta"}));
  EXPECT_EQ(organizer.Frame().Columns()[0].width, 150) << "adding sizes no column";
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Browsing);
  EXPECT_TRUE(organizer.Frame().Controls().addEnabled);
  EXPECT_FALSE(organizer.Frame().Controls().clearEnabled)
      << "Wyczyść waits for the next refresh, as the list was empty at the last one";

  organizer.FormShow();
  EXPECT_EQ(Column(organizer.Frame(), 0), (std::vector<std::string>{"Gazeta", "Zupełnie nowa"}));
  EXPECT_TRUE(organizer.Frame().Controls().clearEnabled);
}

TEST_F(FavouritesOrganizerTest, ABadAddressIsToldFirstAndATakenNameInAnyCaseIsNeverReplaced) {
  PlantList(kList, "Gazeta", "http://www.gazeta.pl");
  organizer.FormShow();
  Add("słowo", "GAZETA");
  Add("http://inna.pl", "gAZETA");
  EXPECT_EQ(messages.shown,
            (std::vector<fakes::FakeMessageBoxes::Shown>{
                {"Podany adres strony WWW jest nieprawidłowy !!!", "BŁĄD !!!", MessageIcon::Error},
                {"Podana nazwa strony WWW już istnieje, zmień nazwę aby dodać stronę sieci Web do "
                 "Ulubionych !!!",
                 "BŁĄD !!!", MessageIcon::Information}}));
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Adding);
  EXPECT_EQ(organizer.Address(), "http://inna.pl") << "the panel keeps what was typed";
  EXPECT_EQ(ListValue(kList, "Gazeta"), "http://www.gazeta.pl");
}

TEST_F(FavouritesOrganizerTest, RemovingTakesTheSelectedPageAndClearingEmptiesTheFavourites) {
  PlantList(kList, "A", "a.pl");
  PlantList(kList, "B", "b.pl");
  PlantList(kList, "C", "c.pl");
  organizer.FormShow();
  organizer.SelectionChange(0);
  organizer.SelectionChange(2);
  organizer.UsunSBClick();
  EXPECT_EQ(ListValue(kList, "C"), std::nullopt);
  EXPECT_EQ(Column(organizer.Frame(), 0), (std::vector<std::string>{"A", "B"}));

  messages.answers = {MessageAnswer::Yes};
  organizer.sb_WyczyscClick();
  EXPECT_TRUE(MruList(registry, kFavouritesMru).ReadEntries().empty());
  EXPECT_FALSE(organizer.Frame().Controls().clearEnabled);
}

TEST_F(FavouritesOrganizerTest, EscapeInTheEditsCancelsAndEnterStores) {
  organizer.FormShow();
  organizer.DodajSBClick();
  organizer.NameChange("Strona");
  organizer.AdresEKeyDown(DialogKey::Escape);
  EXPECT_EQ(organizer.Frame().Mode(), OrganizerMode::Browsing);
  EXPECT_FALSE(MruList(registry, kFavouritesMru).HasName("Strona"));
  organizer.DodajSBClick();
  organizer.NameChange("Strona");
  organizer.AdresEKeyDown(DialogKey::Enter);
  EXPECT_TRUE(MruList(registry, kFavouritesMru).HasName("Strona"));

  organizer.CloseSBClick();
  EXPECT_EQ(dialog.closes, 1);
  EXPECT_NE(toolbar.toolbar.State(), ToolbarState::LentToDialog);
  EXPECT_EQ(messages.asked.size(), 1u);
}

}  // namespace
}  // namespace kromelik
