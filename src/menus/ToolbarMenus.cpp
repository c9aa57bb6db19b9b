#include "menus/ToolbarMenus.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "core/ComponentNames.h"
#include "menus/FixedPictures.h"

namespace kromelik {

namespace {

constexpr int kNoImage = -1;
constexpr int kOrganizeImage = 2;

// One fixed item as the tables below give it. Items that builders walk in table order
// (applets, tools, games) keep an empty name: their hint already tells them apart.
struct FixedItem {
  const char* name;
  const char* caption;
  const char* hint;
  int image;
};

MenuItem& Hidden(MenuItem& item) {
  item.Visible = false;
  return item;
}

MenuItem& AddFixed(MenuItem& menu, const FixedItem& fixed) {
  MenuItem& item = menu.Add(fixed.name, fixed.caption, fixed.image);
  item.Hint = fixed.hint;
  return item;
}

void AddFixed(MenuItem& menu, std::initializer_list<FixedItem> items) {
  for (const FixedItem& fixed : items) AddFixed(menu, fixed);
}

// Slots that the list builders fill by number; they stay hidden until an entry lands
// in them.
void AddNumberedSlots(MenuItem& menu, const char* prefix, int count) {
  for (int number = 1; number <= count; ++number)
    Hidden(menu.Add(prefix + std::to_string(number), ""));
}

void FillAbout(MenuItem& menu) {
  menu.Add(names::kPomoc1, "Pomoc", 0);
  menu.AddSeparator();
  menu.Add(names::kWylijemaildoautroa1, "Wyślij e-maila do autora ...", 1);
  menu.Add(names::kStronaWWW1, "Strona WWW", 2);
  menu.AddSeparator();
  menu.Add(names::kOprogramie1, "O programie ...", 3);
  menu.AddSeparator();
  menu.Add(names::kOpcje1, "Opcje", 4);
  // The maker's programs are appended after this one at every opening.
  menu.AddSeparator(names::kN6);
}

void FillApplets(MenuItem& menu) {
  menu.Add(names::kPanelsterowania1, "Panel sterowania", 35);
  menu.AddSeparator();
  AddFixed(menu, {
      {"", "AC3 Filter", "ac3filter.cpl", 62},
      {"", "Aktualizacje automatyczne", "wuaucpl.cpl", 36},
      {"", "Data/Godzina", "timedate.cpl", 37},
      {"", "DirectX", "directx.cpl", 61},
      {"", "Dodaj/Usuń programy", "appwiz.cpl", 38},
      {"", "Dodaj/Usuń sprzęt", "hdwwiz.cpl", 39},
      {"", "Dźwięki i multimedia", "mmsys.cpl", 31},
      {"", "Ekran", "desk.cpl", 40},
      {"", "Java Plug-in", "jpicpl32.cpl", 60},
      {"", "Klawiatura", "keyboard.cpl", 41},
      {"", "Konta użytkowników", "nusrmgr.cpl", 53},
      {"", "Mowa", "sapi.cpl", 67},
      {"", "Mysz", "main.cpl", 42},
      {"", "NVIDIA nView Desktop Manager", "nvtuicpl.cpl", 59},
      {"", "Opcje folderów", "folders.cpl", 52},
      {"", "Opcje gier", "joy.cpl", 43},
      {"", "Opcje internetowe", "inetcpl.cpl", 44},
      {"", "Opcje regionalne", "intl.cpl", 45},
      {"", "Opcje telefonu i modemu", "telephon.cpl", 46},
      {"", "Opcje ułatwień dostępu", "access.cpl", 47},
      {"", "Opcje zasilania", "powercfg.cpl", 48},
      {"", "QuickTime", "QuickTime.cpl", 58},
      {"", "Skanery i aparaty fotograficzne", "sticpl.cpl", 49},
      {"", "System", "sysdm.cpl", 50},
      {"", "Tweak UI", "TWEAKUI.CPL", 57},
      {"", "Usługi tekstowe", "input.cpl", 51},
      {"", "Użytkownicy i hasła", "userpasswords.cpl", 53},
  });
}

void FillTools(MenuItem& menu) {
  AddFixed(menu, {
      {"", "Usługi", "services.msc", 63},
      {"", "Wiersz poleceń", "cmd.exe", 64},
  });
  menu.AddSeparator();
  AddFixed(menu, {
      {"", "Defragmentator dysków", "dfrg.msc", kNoImage},
      {"", "Edytor rejestru", "regedit.exe", kNoImage},
      {"", "Klawiatura ekranowa", "osk.exe", kNoImage},
      {"", "Kompozycje pulpitu", "themes.exe", 40},
      {"", "Konsola", "mmc.exe", kNoImage},
      {"", "Kopia zapasowa", "NTBACKUP.exe", kNoImage},
      {"", "Lokalni użytkownicy i grupy", "lusrmgr.msc", 53},
      {"", "Magazyn wymienny", "ntmsmgr.msc", kNoImage},
      {"", "Menedżer urządzeń", "devmgmt.msc", 66},
      {"", "Menadżer weryfikatora sterowników", "verifier.exe", kNoImage},
      {"", "Menedżer zadań", "taskmgr.exe", kNoImage},
      {"", "Narzędzie raportujące systemu Windows", "winrep.exe", kNoImage},
      {"", "Oczyszczanie dysków", "cleanmgr.exe", kNoImage},
      {"", "Omówienie certyfikatów", "certmgr.msc", kNoImage},
      {"", "Podgląd zdarzeń", "eventvwr.msc", kNoImage},
      {"", "Przystawka \"Foldery udostępnione\"", "fsmgmt.msc", 52},
      {"", "Usługa indeksowania", "ciadv.msc", kNoImage},
      {"", "Usługa uwierzytelnień internetowych", "ias.msc", kNoImage},
      {"", "Ustawienia zabezpieczeń lokalnych", "secpol.msc", kNoImage},
      {"", "Wydajność", "perfmon.exe", kNoImage},
      {"", "Zarządzanie dyskami", "diskmgmt.msc", 65},
      {"", "Zarządzanie komputerem", "compmgmt.msc", 50},
      {"", "Zarządzanie usługą faksowania", "faxserv.msc", kNoImage},
      {"", "Zasady grupy", "gpedit.msc", kNoImage},
      {"", "Żądania operatora magazynu wymiennego", "ntmsoprq.msc", kNoImage},
  });
}

void FillPrograms(MenuItem& menu) {
  // The accessories start fixed commands of their own, so they carry no hint.
  menu.Add(names::kEksploratorWindows1, "Eksplorator Windows", 34);
  menu.AddSeparator();
  AddFixed(menu, {
      {names::kCDPlayer1, "CD Player", "", 20},
      {names::kDrWatson1, "Dr. Watson", "", 21},
      {names::kEdytorznakwprywatnych1, "Edytor znaków prywatnych", "", 68},
      {names::kDVDPlayer1, "DVD Player", "", 22},
      {names::kKalkulator1, "Kalkulator", "", 23},
      {names::kLupasystemowa1, "Lupa systemowa", "", 24},
      {names::kNarrator1, "Narrator", "", 25},
      {names::kNotatnik1, "Notatnik", "", 26},
      {names::kOdtwarzaczmultimedialny1, "Odtwarzacz multimedialny", "", 27},
      {names::kPaint1, "Paint", "", 28},
      {names::kPodgldschowka1, "Podgląd schowka", "", 29},
      {names::kRegulacjagonoci1, "Regulacja głośności", "", 30},
      {names::kRejestratordwiku1, "Rejestrator dźwięku", "", 31},
      {names::kTablicaznakw1, "Tablica znaków", "", 32},
      {names::kWordPad1, "WordPad", "", 33},
  });

  // The lower part exists only once the recent-items scan or the programs builder
  // has something to put into it.
  Hidden(menu.AddSeparator(names::kN13));
  Hidden(menu.Add(names::kOstatniouruchamianeprogramy1, "Ostatnio uruchamiane programy"));
  Hidden(menu.Add(names::kTwojeprogramy1, "Twoje programy"));
  MenuItem& own = Hidden(menu.Add(names::kProgramyUzytkownika, "Programy użytkownika"));
  own.Add(names::kOrganizuj3, "Organizuj", kOrganizeImage);
  Hidden(own.AddSeparator(names::kN16));
}

void FillGames(MenuItem& menu) {
  menu.Add(names::kOrganizuj4, "Organizuj", kOrganizeImage);
  Hidden(menu.AddSeparator(names::kN2));
  // Shown at start-up only when the game is installed; the user's games follow them.
  for (const BuiltInGame& game : kBuiltInGames) {
    MenuItem& item = Hidden(menu.Add("", std::string(game.caption), game.image));
    item.Hint = game.file;
  }
}

void FillDrives(MenuItem& menu) {
  menu.Add(names::kMjkomputer1, "Mój komputer", 0);
  // Shown by the drives builder once it has looked at every letter.
  Hidden(menu.AddSeparator());
}

void FillFolders(MenuItem& menu) {
  AddFixed(menu, {
      {names::kAutostart1, "Autostart", "", kNoImage},
      {names::kCiasteczka1, "Ciasteczka", "", kNoImage},
      {names::kCzcionki1, "Czcionki", "", 11},
      {names::kDaneAplikacji1, "Dane Aplikacji", "", kNoImage},
      {names::kDrukarki1, "Drukarki", "", 19},
      {names::kHistoria1, "Historia", "", 14},
      {names::kMenuSTART1, "Menu START", "", 12},
      {names::kMenuSTARTwszyscyuytkownicy1, "Menu START (wszyscy użytkownicy)", "", 12},
      {names::kMenuSTARTProgramy1, "Menu START -> Programy", "", 12},
      {names::kMenuSTARTProgramywszyscyuytkownicy1, "Menu START -> Programy (wszyscy użytkownicy)", "",
       12},
      {names::kMojedokumenty2, "Moje dokumenty", "", 3},
      {names::kMojeorazy2, "Moje obrazy", "", 4},
      {names::kNarzdziaadministracyjne1, "Narzędzia administracyjne", "", 16},
      {names::kNetHood1, "NetHood", "", kNoImage},
      {names::kOstatniootwartepliki1, "Ostatnio otwarte pliki (Dokumenty)", "", 3},
      {names::kPoczeniainternetoweitelefoniczne1, "Połączenia internetowe i telefoniczne", "", 15},
      {names::kPulpit1, "Pulpit", "", 13},
      {names::kPulpitwszyscyuytkownicy1, "Pulpit (wszyscy użytkownicy)", "", 13},
      {names::kSzablony1, "Szablony", "", kNoImage},
      {names::kTymczasoweplikiinternetowe1, "Tymczasowe pliki internetowe", "", kNoImage},
      {names::kUlubione2, "Ulubione", "", 10},
      {names::kWindows1, "Windows", "", 17},
      {names::kWindowsSystem1, "Windows -> System", "", 17},
      {names::kWylijdo1, "Wyślij do ...", "", 18},
      {names::kZaplanowanezadania1, "Zaplanowane zadania", "", kNoImage},
  });
  // The recent-items scan shows both when it finds a folder.
  Hidden(menu.AddSeparator(names::kNOstatniootwieranefoldery1));
  Hidden(menu.Add(names::kOstatniootwieranefoldery1, "Ostatnio otwierane foldery"));
}

void FillDocuments(MenuItem& menu) {
  // Their pictures come from il_Dokumenty1, which only the documents builder fills.
  menu.Add(names::kMojedokumenty3, "Moje dokumenty");
  menu.Add(names::kMojeobrazy1, "Moje obrazy");
  menu.Add(names::kMojamuzyka1, "Moja muzyka");
  menu.Add(names::kMojewideo1, "Moje wideo");
  menu.Add(names::kMojewitrynysieciWeb1, "Moje witryny sieci Web");
  Hidden(menu.AddSeparator(names::kN18));
  AddNumberedSlots(menu, names::kDocumentSlot, names::kDocumentSlots);
  Hidden(menu.AddSeparator(names::kN19));
  menu.Add(names::kDokumenty1, "Ostatnio otwierane dokumenty");
}

void FillQuickLaunch(MenuItem& menu) {
  menu.Add(names::kOrganizuj1, "Organizuj");
  menu.AddSeparator();
  AddNumberedSlots(menu, names::kQuickLaunchSlot, names::kQuickLaunchSlots);
}

void FillInternet(MenuItem& menu) {
  menu.Add(names::kTelnet1, "Telnet");
  menu.AddSeparator();
  menu.Add(names::kPrzegldarkainternetowa1, "Przeglądarka internetowa", 7);
  menu.Add(names::kKlientpocztowy1, "Klient pocztowy", 6);
  menu.AddSeparator();
  AddNumberedSlots(menu, names::kRecentPageSlot, names::kRecentPageSlots);
  menu.Add(names::kWindowsUpdate1, "Windows Update", 36);
  menu.Add(names::kWwwBrenvald1, "Brenvald", 9);
  Hidden(menu.AddSeparator(names::kN10));
  MenuItem& favourites = Hidden(menu.Add(names::kUlubione, "Ulubione", 10));
  favourites.Add(names::kOrganizuj2, "Organizuj", kOrganizeImage);
  Hidden(favourites.AddSeparator(names::kN15));
  // Filled from lista.txt, and shown only when that file exists.
  Hidden(menu.Add(names::kMenuInne, "Inne", 7));
  menu.Add(names::kWyszukajwinternecie1, "Wyszukaj w internecie ...", 24);
}

void FillExit(MenuItem& menu) {
  menu.Add(names::kWyloguj1, "Wyloguj");
  menu.Add(names::kUruchomponownie1, "Uruchom ponownie");
  menu.Add(names::kZamknijsystem1, "Zamknij system");
}

bool Holds(const MenuItem& menu, const MenuItem& item) {
  if (&menu == &item) return true;
  for (const auto& child : menu.Items())
    if (Holds(*child, item)) return true;
  return false;
}

}  // namespace

ToolbarMenus::ToolbarMenus() {
  AboutPM.Name = names::kAboutPM;
  PanelPM.Name = names::kPanelPM;
  UslugiPM.Name = names::kUslugiPM;
  ProgramyPM.Name = names::kProgramyPM;
  GryPM.Name = names::kGryPM;
  DyskiPM.Name = names::kDyskiPM;
  FolderyPM.Name = names::kFolderyPM;
  DokumentyPM.Name = names::kDokumentyPM;
  UlubionePM.Name = names::kUlubionePM;
  InternetPM.Name = names::kInternetPM;
  ExitPM.Name = names::kExitPM;
  // The RSS feature goes no further than a button that is never shown, so its menu
  // stays empty.
  RSSMP.Name = names::kRSSMP;

  FillAbout(AboutPM);
  FillApplets(PanelPM);
  FillTools(UslugiPM);
  FillPrograms(ProgramyPM);
  FillGames(GryPM);
  FillDrives(DyskiPM);
  FillFolders(FolderyPM);
  FillDocuments(DokumentyPM);
  FillQuickLaunch(UlubionePM);
  FillInternet(InternetPM);
  FillExit(ExitPM);

  AddFixedPictures(*this);
}

std::array<MenuItem*, 12> ToolbarMenus::Menus() {
  return {&AboutPM,     &PanelPM,    &UslugiPM,   &ProgramyPM, &GryPM,  &DyskiPM,
          &FolderyPM,   &DokumentyPM, &UlubionePM, &InternetPM, &ExitPM, &RSSMP};
}

MenuItem* ToolbarMenus::FindMenu(std::string_view name) {
  for (MenuItem* menu : Menus())
    if (menu->Name == name) return menu;
  return nullptr;
}

MenuItem* ToolbarMenus::FindItem(std::string_view name) {
  for (MenuItem* menu : Menus())
    if (MenuItem* found = menu->Find(name)) return found;
  return nullptr;
}

MenuItem& ToolbarMenus::Item(std::string_view name) {
  MenuItem* found = FindItem(name);
  if (found == nullptr) throw std::out_of_range("no menu item " + std::string(name));
  return *found;
}

ImageList& ToolbarMenus::ImagesOf(const MenuItem& menu) {
  // A submenu draws from the list of the popup it hangs in.
  if (Holds(AboutPM, menu)) return il_IkonyBrenvald;
  if (Holds(UlubionePM, menu)) return il_SzybkieUr;
  if (Holds(DokumentyPM, menu)) return il_Dokumenty1;
  return ImageListPM;
}

}  // namespace kromelik
