#include "menus/ToolbarMenus.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

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
  menu.Add("Pomoc1", "Pomoc", 0);
  menu.AddSeparator();
  menu.Add("Wylijemaildoautroa1", "Wyślij e-maila do autora ...", 1);
  menu.Add("StronaWWW1", "Strona WWW", 2);
  menu.AddSeparator();
  menu.Add("Oprogramie1", "O programie ...", 3);
  menu.AddSeparator();
  menu.Add("Opcje1", "Opcje", 4);
  // The maker's programs are appended after this one at every opening.
  menu.AddSeparator("N6");
}

void FillApplets(MenuItem& menu) {
  menu.Add("Panelsterowania1", "Panel sterowania", 35);
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
  menu.Add("EksploratorWindows1", "Eksplorator Windows", 34);
  menu.AddSeparator();
  AddFixed(menu, {
      {"CDPlayer1", "CD Player", "", 20},
      {"DrWatson1", "Dr. Watson", "", 21},
      {"Edytorznakwprywatnych1", "Edytor znaków prywatnych", "", 68},
      {"DVDPlayer1", "DVD Player", "", 22},
      {"Kalkulator1", "Kalkulator", "", 23},
      {"Lupasystemowa1", "Lupa systemowa", "", 24},
      {"Narrator1", "Narrator", "", 25},
      {"Notatnik1", "Notatnik", "", 26},
      {"Odtwarzaczmultimedialny1", "Odtwarzacz multimedialny", "", 27},
      {"Paint1", "Paint", "", 28},
      {"Podgldschowka1", "Podgląd schowka", "", 29},
      {"Regulacjagonoci1", "Regulacja głośności", "", 30},
      {"Rejestratordwiku1", "Rejestrator dźwięku", "", 31},
      {"Tablicaznakw1", "Tablica znaków", "", 32},
      {"WordPad1", "WordPad", "", 33},
  });

  // The lower part exists only once the recent-items scan or the programs builder
  // has something to put into it.
  Hidden(menu.AddSeparator("N13"));
  Hidden(menu.Add("Ostatniouruchamianeprogramy1", "Ostatnio uruchamiane programy"));
  Hidden(menu.Add("Twojeprogramy1", "Twoje programy"));
  MenuItem& own = Hidden(menu.Add("ProgramyUzytkownika", "Programy użytkownika"));
  own.Add("Organizuj3", "Organizuj", kOrganizeImage);
  Hidden(own.AddSeparator("N16"));
}

void FillGames(MenuItem& menu) {
  menu.Add("Organizuj4", "Organizuj", kOrganizeImage);
  Hidden(menu.AddSeparator("N2"));
  // Shown at start-up only when the game is installed; the user's games follow them.
  for (const BuiltInGame& game : kBuiltInGames) {
    MenuItem& item = Hidden(menu.Add("", std::string(game.caption), game.image));
    item.Hint = game.file;
  }
}

void FillDrives(MenuItem& menu) {
  menu.Add("Mjkomputer1", "Mój komputer", 0);
  // Shown by the drives builder once it has looked at every letter.
  Hidden(menu.AddSeparator());
}

void FillFolders(MenuItem& menu) {
  AddFixed(menu, {
      {"Autostart1", "Autostart", "", kNoImage},
      {"Ciasteczka1", "Ciasteczka", "", kNoImage},
      {"Czcionki1", "Czcionki", "", 11},
      {"DaneAplikacji1", "Dane Aplikacji", "", kNoImage},
      {"Drukarki1", "Drukarki", "", 19},
      {"Historia1", "Historia", "", 14},
      {"MenuSTART1", "Menu START", "", 12},
      {"MenuSTARTwszyscyuytkownicy1", "Menu START (wszyscy użytkownicy)", "", 12},
      {"MenuSTARTProgramy1", "Menu START -> Programy", "", 12},
      {"MenuSTARTProgramywszyscyuytkownicy1", "Menu START -> Programy (wszyscy użytkownicy)", "",
       12},
      {"Mojedokumenty2", "Moje dokumenty", "", 3},
      {"Mojeorazy2", "Moje obrazy", "", 4},
      {"Narzdziaadministracyjne1", "Narzędzia administracyjne", "", 16},
      {"NetHood1", "NetHood", "", kNoImage},
      {"Ostatniootwartepliki1", "Ostatnio otwarte pliki (Dokumenty)", "", 3},
      {"Poczeniainternetoweitelefoniczne1", "Połączenia internetowe i telefoniczne", "", 15},
      {"Pulpit1", "Pulpit", "", 13},
      {"Pulpitwszyscyuytkownicy1", "Pulpit (wszyscy użytkownicy)", "", 13},
      {"Szablony1", "Szablony", "", kNoImage},
      {"Tymczasoweplikiinternetowe1", "Tymczasowe pliki internetowe", "", kNoImage},
      {"Ulubione2", "Ulubione", "", 10},
      {"Windows1", "Windows", "", 17},
      {"WindowsSystem1", "Windows -> System", "", 17},
      {"Wylijdo1", "Wyślij do ...", "", 18},
      {"Zaplanowanezadania1", "Zaplanowane zadania", "", kNoImage},
  });
  // The recent-items scan shows both when it finds a folder.
  Hidden(menu.AddSeparator("NOstatniootwieranefoldery1"));
  Hidden(menu.Add("Ostatniootwieranefoldery1", "Ostatnio otwierane foldery"));
}

void FillDocuments(MenuItem& menu) {
  // Their pictures come from il_Dokumenty1, which only the documents builder fills.
  menu.Add("Mojedokumenty3", "Moje dokumenty");
  menu.Add("Mojeobrazy1", "Moje obrazy");
  menu.Add("Mojamuzyka1", "Moja muzyka");
  menu.Add("Mojewideo1", "Moje wideo");
  menu.Add("MojewitrynysieciWeb1", "Moje witryny sieci Web");
  Hidden(menu.AddSeparator("N18"));
  AddNumberedSlots(menu, "D", 15);
  Hidden(menu.AddSeparator("N19"));
  menu.Add("Dokumenty1", "Ostatnio otwierane dokumenty");
}

void FillQuickLaunch(MenuItem& menu) {
  menu.Add("Organizuj1", "Organizuj");
  menu.AddSeparator();
  AddNumberedSlots(menu, "U", 20);
}

void FillInternet(MenuItem& menu) {
  menu.Add("Telnet1", "Telnet");
  menu.AddSeparator();
  menu.Add("Przegldarkainternetowa1", "Przeglądarka internetowa", 7);
  menu.Add("Klientpocztowy1", "Klient pocztowy", 6);
  menu.AddSeparator();
  AddNumberedSlots(menu, "Url", 10);
  menu.Add("WindowsUpdate1", "Windows Update", 36);
  menu.Add("wwwBrenvald1", "Brenvald", 9);
  Hidden(menu.AddSeparator("N10"));
  MenuItem& favourites = Hidden(menu.Add("Ulubione", "Ulubione", 10));
  favourites.Add("Organizuj2", "Organizuj", kOrganizeImage);
  Hidden(favourites.AddSeparator("N15"));
  // Filled from lista.txt, and shown only when that file exists.
  Hidden(menu.Add("MenuInne", "Inne", 7));
  menu.Add("Wyszukajwinternecie1", "Wyszukaj w internecie ...", 24);
}

void FillExit(MenuItem& menu) {
  menu.Add("Wyloguj1", "Wyloguj");
  menu.Add("Uruchomponownie1", "Uruchom ponownie");
  menu.Add("Zamknijsystem1", "Zamknij system");
}

bool Holds(const MenuItem& menu, const MenuItem& item) {
  if (&menu == &item) return true;
  for (const auto& child : menu.Items())
    if (Holds(*child, item)) return true;
  return false;
}

}  // namespace

ToolbarMenus::ToolbarMenus() {
  AboutPM.Name = "AboutPM";
  PanelPM.Name = "PanelPM";
  UslugiPM.Name = "UslugiPM";
  ProgramyPM.Name = "ProgramyPM";
  GryPM.Name = "GryPM";
  DyskiPM.Name = "DyskiPM";
  FolderyPM.Name = "FolderyPM";
  DokumentyPM.Name = "DokumentyPM";
  UlubionePM.Name = "UlubionePM";
  InternetPM.Name = "InternetPM";
  ExitPM.Name = "ExitPM";
  // The RSS feature goes no further than a button that is never shown, so its menu
  // stays empty.
  RSSMP.Name = "RSSMP";

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
