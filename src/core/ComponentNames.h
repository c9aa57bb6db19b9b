#pragma once

// The component names of the toolbar's menus and of their fixed items: the catalogue
// makes the items under these names and everything else finds them by these constants,
// so a name is written once. The names are the designer's, Polish letters dropped.

namespace kromelik::names {

// The popup menus, one a button.
inline constexpr char kAboutPM[] = "AboutPM";
inline constexpr char kPanelPM[] = "PanelPM";
inline constexpr char kUslugiPM[] = "UslugiPM";
inline constexpr char kProgramyPM[] = "ProgramyPM";
inline constexpr char kGryPM[] = "GryPM";
inline constexpr char kDyskiPM[] = "DyskiPM";
inline constexpr char kFolderyPM[] = "FolderyPM";
inline constexpr char kDokumentyPM[] = "DokumentyPM";
inline constexpr char kUlubionePM[] = "UlubionePM";
inline constexpr char kInternetPM[] = "InternetPM";
inline constexpr char kExitPM[] = "ExitPM";
inline constexpr char kRSSMP[] = "RSSMP";

// Their items and the separators that builders show or hide by name.
inline constexpr char kPomoc1[] = "Pomoc1";
inline constexpr char kWylijemaildoautroa1[] = "Wylijemaildoautroa1";
inline constexpr char kStronaWWW1[] = "StronaWWW1";
inline constexpr char kOprogramie1[] = "Oprogramie1";
inline constexpr char kOpcje1[] = "Opcje1";
inline constexpr char kPanelsterowania1[] = "Panelsterowania1";
inline constexpr char kEksploratorWindows1[] = "EksploratorWindows1";
inline constexpr char kOstatniouruchamianeprogramy1[] = "Ostatniouruchamianeprogramy1";
inline constexpr char kTwojeprogramy1[] = "Twojeprogramy1";
inline constexpr char kProgramyUzytkownika[] = "ProgramyUzytkownika";
inline constexpr char kOrganizuj3[] = "Organizuj3";
inline constexpr char kOrganizuj4[] = "Organizuj4";
inline constexpr char kMjkomputer1[] = "Mjkomputer1";
inline constexpr char kOstatniootwieranefoldery1[] = "Ostatniootwieranefoldery1";
inline constexpr char kMojedokumenty3[] = "Mojedokumenty3";
inline constexpr char kMojeobrazy1[] = "Mojeobrazy1";
inline constexpr char kMojamuzyka1[] = "Mojamuzyka1";
inline constexpr char kMojewideo1[] = "Mojewideo1";
inline constexpr char kMojewitrynysieciWeb1[] = "MojewitrynysieciWeb1";
inline constexpr char kDokumenty1[] = "Dokumenty1";
inline constexpr char kOrganizuj1[] = "Organizuj1";
inline constexpr char kTelnet1[] = "Telnet1";
inline constexpr char kPrzegldarkainternetowa1[] = "Przegldarkainternetowa1";
inline constexpr char kKlientpocztowy1[] = "Klientpocztowy1";
inline constexpr char kWindowsUpdate1[] = "WindowsUpdate1";
inline constexpr char kWwwBrenvald1[] = "wwwBrenvald1";
inline constexpr char kUlubione[] = "Ulubione";
inline constexpr char kOrganizuj2[] = "Organizuj2";
inline constexpr char kMenuInne[] = "MenuInne";
inline constexpr char kWyszukajwinternecie1[] = "Wyszukajwinternecie1";
inline constexpr char kWyloguj1[] = "Wyloguj1";
inline constexpr char kUruchomponownie1[] = "Uruchomponownie1";
inline constexpr char kZamknijsystem1[] = "Zamknijsystem1";
inline constexpr char kN6[] = "N6";
inline constexpr char kN13[] = "N13";
inline constexpr char kN16[] = "N16";
inline constexpr char kN2[] = "N2";
inline constexpr char kNOstatniootwieranefoldery1[] = "NOstatniootwieranefoldery1";
inline constexpr char kN18[] = "N18";
inline constexpr char kN19[] = "N19";
inline constexpr char kN10[] = "N10";
inline constexpr char kN15[] = "N15";
inline constexpr char kCDPlayer1[] = "CDPlayer1";
inline constexpr char kDrWatson1[] = "DrWatson1";
inline constexpr char kEdytorznakwprywatnych1[] = "Edytorznakwprywatnych1";
inline constexpr char kDVDPlayer1[] = "DVDPlayer1";
inline constexpr char kKalkulator1[] = "Kalkulator1";
inline constexpr char kLupasystemowa1[] = "Lupasystemowa1";
inline constexpr char kNarrator1[] = "Narrator1";
inline constexpr char kNotatnik1[] = "Notatnik1";
inline constexpr char kOdtwarzaczmultimedialny1[] = "Odtwarzaczmultimedialny1";
inline constexpr char kPaint1[] = "Paint1";
inline constexpr char kPodgldschowka1[] = "Podgldschowka1";
inline constexpr char kRegulacjagonoci1[] = "Regulacjagonoci1";
inline constexpr char kRejestratordwiku1[] = "Rejestratordwiku1";
inline constexpr char kTablicaznakw1[] = "Tablicaznakw1";
inline constexpr char kWordPad1[] = "WordPad1";
inline constexpr char kAutostart1[] = "Autostart1";
inline constexpr char kCiasteczka1[] = "Ciasteczka1";
inline constexpr char kCzcionki1[] = "Czcionki1";
inline constexpr char kDaneAplikacji1[] = "DaneAplikacji1";
inline constexpr char kDrukarki1[] = "Drukarki1";
inline constexpr char kHistoria1[] = "Historia1";
inline constexpr char kMenuSTART1[] = "MenuSTART1";
inline constexpr char kMenuSTARTwszyscyuytkownicy1[] = "MenuSTARTwszyscyuytkownicy1";
inline constexpr char kMenuSTARTProgramy1[] = "MenuSTARTProgramy1";
inline constexpr char kMenuSTARTProgramywszyscyuytkownicy1[] = "MenuSTARTProgramywszyscyuytkownicy1";
inline constexpr char kMojedokumenty2[] = "Mojedokumenty2";
inline constexpr char kMojeorazy2[] = "Mojeorazy2";
inline constexpr char kNarzdziaadministracyjne1[] = "Narzdziaadministracyjne1";
inline constexpr char kNetHood1[] = "NetHood1";
inline constexpr char kOstatniootwartepliki1[] = "Ostatniootwartepliki1";
inline constexpr char kPoczeniainternetoweitelefoniczne1[] = "Poczeniainternetoweitelefoniczne1";
inline constexpr char kPulpit1[] = "Pulpit1";
inline constexpr char kPulpitwszyscyuytkownicy1[] = "Pulpitwszyscyuytkownicy1";
inline constexpr char kSzablony1[] = "Szablony1";
inline constexpr char kTymczasoweplikiinternetowe1[] = "Tymczasoweplikiinternetowe1";
inline constexpr char kUlubione2[] = "Ulubione2";
inline constexpr char kWindows1[] = "Windows1";
inline constexpr char kWindowsSystem1[] = "WindowsSystem1";
inline constexpr char kWylijdo1[] = "Wylijdo1";
inline constexpr char kZaplanowanezadania1[] = "Zaplanowanezadania1";

// The numbered slots that the list builders fill: "D1" to "D15", "U1" to "U20" and
// "Url1" to "Url10".
inline constexpr char kDocumentSlot[] = "D";
inline constexpr int kDocumentSlots = 15;
inline constexpr char kQuickLaunchSlot[] = "U";
inline constexpr int kQuickLaunchSlots = 20;
inline constexpr char kRecentPageSlot[] = "Url";
inline constexpr int kRecentPageSlots = 10;

}  // namespace kromelik::names
