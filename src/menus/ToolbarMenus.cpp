#include "menus/ToolbarMenus.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "core/ComponentNames.h"
#include "menus/FixedPictures.h"

namespace kromelik {

namespace {

using P = SharedPicture;

// One fixed item as the tables below give it. Items that builders walk in table order
// (applets, tools, games) keep an empty name: their hint already tells them apart.
struct FixedItem {
  const char* name;
  const char* caption;
  const char* hint;
  SharedPicture image;
};

MenuItem& Hidden(MenuItem& item) {
  item.Visible = false;
  return item;
}

MenuItem& AddFixed(MenuItem& menu, const FixedItem& fixed) {
  MenuItem& item = menu.Add(fixed.name, fixed.caption, ImageOf(fixed.image));
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
  menu.Add(names::kPomoc1, "Pomoc", ImageOf(AboutPicture::Help));
  menu.AddSeparator();
  menu.Add(names::kWylijemaildoautroa1, "Wyślij e-maila do autora ...",
           ImageOf(AboutPicture::Mail));
  menu.Add(names::kStronaWWW1, "Strona WWW", ImageOf(AboutPicture::WebSite));
  menu.AddSeparator();
  menu.Add(names::kOprogramie1, "O programie ...", ImageOf(AboutPicture::About));
  menu.AddSeparator();
  menu.Add(names::kOpcje1, "Opcje", ImageOf(AboutPicture::Options));
  // The maker's programs are appended after this one at every opening.
  menu.AddSeparator(names::kN6);
}

void FillApplets(MenuItem& menu) {
  menu.Add(names::kPanelsterowania1, "Panel sterowania", ImageOf(P::ControlPanel));
  menu.AddSeparator();
  AddFixed(menu, {
      {"", "AC3 Filter", "ac3filter.cpl", P::Ac3Filter},
      {"", "Aktualizacje automatyczne", "wuaucpl.cpl", P::AutomaticUpdates},
      {"", "Data/Godzina", "timedate.cpl", P::DateTime},
      {"", "DirectX", "directx.cpl", P::DirectX},
      {"", "Dodaj/Usuń programy", "appwiz.cpl", P::AddRemovePrograms},
      {"", "Dodaj/Usuń sprzęt", "hdwwiz.cpl", P::AddHardware},
      {"", "Dźwięki i multimedia", "mmsys.cpl", P::SoundRecorder},
      {"", "Ekran", "desk.cpl", P::Display},
      {"", "Java Plug-in", "jpicpl32.cpl", P::JavaPlugIn},
      {"", "Klawiatura", "keyboard.cpl", P::Keyboard},
      {"", "Konta użytkowników", "nusrmgr.cpl", P::UserAccounts},
      {"", "Mowa", "sapi.cpl", P::Speech},
      {"", "Mysz", "main.cpl", P::Mouse},
      {"", "NVIDIA nView Desktop Manager", "nvtuicpl.cpl", P::NView},
      {"", "Opcje folderów", "folders.cpl", P::FolderOptions},
      {"", "Opcje gier", "joy.cpl", P::GameControllers},
      {"", "Opcje internetowe", "inetcpl.cpl", P::InternetOptions},
      {"", "Opcje regionalne", "intl.cpl", P::RegionalOptions},
      {"", "Opcje telefonu i modemu", "telephon.cpl", P::PhoneAndModem},
      {"", "Opcje ułatwień dostępu", "access.cpl", P::Accessibility},
      {"", "Opcje zasilania", "powercfg.cpl", P::PowerOptions},
      {"", "QuickTime", "QuickTime.cpl", P::QuickTime},
      {"", "Skanery i aparaty fotograficzne", "sticpl.cpl", P::ScannersAndCameras},
      {"", "System", "sysdm.cpl", P::System},
      {"", "Tweak UI", "TWEAKUI.CPL", P::TweakUi},
      {"", "Usługi tekstowe", "input.cpl", P::TextInput},
      {"", "Użytkownicy i hasła", "userpasswords.cpl", P::UserAccounts},
  });
}

void FillTools(MenuItem& menu) {
  AddFixed(menu, {
      {"", "Usługi", "services.msc", P::Services},
      {"", "Wiersz poleceń", "cmd.exe", P::PlainProgram},
  });
  menu.AddSeparator();
  AddFixed(menu, {
      {"", "Defragmentator dysków", "dfrg.msc", P::None},
      {"", "Edytor rejestru", "regedit.exe", P::None},
      {"", "Klawiatura ekranowa", "osk.exe", P::None},
      {"", "Kompozycje pulpitu", "themes.exe", P::Display},
      {"", "Konsola", "mmc.exe", P::None},
      {"", "Kopia zapasowa", "NTBACKUP.exe", P::None},
      {"", "Lokalni użytkownicy i grupy", "lusrmgr.msc", P::UserAccounts},
      {"", "Magazyn wymienny", "ntmsmgr.msc", P::None},
      {"", "Menedżer urządzeń", "devmgmt.msc", P::DeviceManager},
      {"", "Menadżer weryfikatora sterowników", "verifier.exe", P::None},
      {"", "Menedżer zadań", "taskmgr.exe", P::None},
      {"", "Narzędzie raportujące systemu Windows", "winrep.exe", P::None},
      {"", "Oczyszczanie dysków", "cleanmgr.exe", P::None},
      {"", "Omówienie certyfikatów", "certmgr.msc", P::None},
      {"", "Podgląd zdarzeń", "eventvwr.msc", P::None},
      {"", "Przystawka \"Foldery udostępnione\"", "fsmgmt.msc", P::FolderOptions},
      {"", "Usługa indeksowania", "ciadv.msc", P::None},
      {"", "Usługa uwierzytelnień internetowych", "ias.msc", P::None},
      {"", "Ustawienia zabezpieczeń lokalnych", "secpol.msc", P::None},
      {"", "Wydajność", "perfmon.exe", P::None},
      {"", "Zarządzanie dyskami", "diskmgmt.msc", P::DiskManagement},
      {"", "Zarządzanie komputerem", "compmgmt.msc", P::System},
      {"", "Zarządzanie usługą faksowania", "faxserv.msc", P::None},
      {"", "Zasady grupy", "gpedit.msc", P::None},
      {"", "Żądania operatora magazynu wymiennego", "ntmsoprq.msc", P::None},
  });
}

void FillPrograms(MenuItem& menu) {
  // The accessories start fixed commands of their own, so they carry no hint.
  menu.Add(names::kEksploratorWindows1, "Eksplorator Windows", ImageOf(P::Explorer));
  menu.AddSeparator();
  AddFixed(menu, {
      {names::kCDPlayer1, "CD Player", "", P::CdPlayer},
      {names::kDrWatson1, "Dr. Watson", "", P::DrWatson},
      {names::kEdytorznakwprywatnych1, "Edytor znaków prywatnych", "", P::PrivateCharacterEditor},
      {names::kDVDPlayer1, "DVD Player", "", P::DvdPlayer},
      {names::kKalkulator1, "Kalkulator", "", P::Calculator},
      {names::kLupasystemowa1, "Lupa systemowa", "", P::Magnifier},
      {names::kNarrator1, "Narrator", "", P::Narrator},
      {names::kNotatnik1, "Notatnik", "", P::Notepad},
      {names::kOdtwarzaczmultimedialny1, "Odtwarzacz multimedialny", "", P::MediaPlayer},
      {names::kPaint1, "Paint", "", P::Paint},
      {names::kPodgldschowka1, "Podgląd schowka", "", P::ClipboardViewer},
      {names::kRegulacjagonoci1, "Regulacja głośności", "", P::VolumeControl},
      {names::kRejestratordwiku1, "Rejestrator dźwięku", "", P::SoundRecorder},
      {names::kTablicaznakw1, "Tablica znaków", "", P::CharacterMap},
      {names::kWordPad1, "WordPad", "", P::WordPad},
  });

  // The lower part exists only once the recent-items scan or the programs builder
  // has something to put into it.
  Hidden(menu.AddSeparator(names::kN13));
  Hidden(menu.Add(names::kOstatniouruchamianeprogramy1, "Ostatnio uruchamiane programy"));
  Hidden(menu.Add(names::kTwojeprogramy1, "Twoje programy"));
  MenuItem& own = Hidden(menu.Add(names::kProgramyUzytkownika, "Programy użytkownika"));
  own.Add(names::kOrganizuj3, "Organizuj", ImageOf(P::Organize));
  Hidden(own.AddSeparator(names::kN16));
}

void FillGames(MenuItem& menu) {
  menu.Add(names::kOrganizuj4, "Organizuj", ImageOf(P::Organize));
  Hidden(menu.AddSeparator(names::kN2));
  // Shown at start-up only when the game is installed; the user's games follow them.
  for (const BuiltInGame& game : kBuiltInGames) {
    MenuItem& item = Hidden(menu.Add("", std::string(game.caption), ImageOf(game.image)));
    item.Hint = game.file;
  }
}

void FillDrives(MenuItem& menu) {
  menu.Add(names::kMjkomputer1, "Mój komputer", ImageOf(P::Computer));
  // Shown by the drives builder once it has looked at every letter.
  Hidden(menu.AddSeparator());
}

void FillFolders(MenuItem& menu) {
  AddFixed(menu, {
      {names::kAutostart1, "Autostart", "", P::None},
      {names::kCiasteczka1, "Ciasteczka", "", P::None},
      {names::kCzcionki1, "Czcionki", "", P::Fonts},
      {names::kDaneAplikacji1, "Dane Aplikacji", "", P::None},
      {names::kDrukarki1, "Drukarki", "", P::Printers},
      {names::kHistoria1, "Historia", "", P::History},
      {names::kMenuSTART1, "Menu START", "", P::StartMenu},
      {names::kMenuSTARTwszyscyuytkownicy1, "Menu START (wszyscy użytkownicy)", "", P::StartMenu},
      {names::kMenuSTARTProgramy1, "Menu START -> Programy", "", P::StartMenu},
      {names::kMenuSTARTProgramywszyscyuytkownicy1, "Menu START -> Programy (wszyscy użytkownicy)",
       "", P::StartMenu},
      {names::kMojedokumenty2, "Moje dokumenty", "", P::Documents},
      {names::kMojeorazy2, "Moje obrazy", "", P::Pictures},
      {names::kNarzdziaadministracyjne1, "Narzędzia administracyjne", "", P::AdministrativeTools},
      {names::kNetHood1, "NetHood", "", P::None},
      {names::kOstatniootwartepliki1, "Ostatnio otwarte pliki (Dokumenty)", "", P::Documents},
      {names::kPoczeniainternetoweitelefoniczne1, "Połączenia internetowe i telefoniczne", "",
       P::NetworkConnections},
      {names::kPulpit1, "Pulpit", "", P::Desktop},
      {names::kPulpitwszyscyuytkownicy1, "Pulpit (wszyscy użytkownicy)", "", P::Desktop},
      {names::kSzablony1, "Szablony", "", P::None},
      {names::kTymczasoweplikiinternetowe1, "Tymczasowe pliki internetowe", "", P::None},
      {names::kUlubione2, "Ulubione", "", P::Favourites},
      {names::kWindows1, "Windows", "", P::WindowsFolder},
      {names::kWindowsSystem1, "Windows -> System", "", P::WindowsFolder},
      {names::kWylijdo1, "Wyślij do ...", "", P::SendTo},
      {names::kZaplanowanezadania1, "Zaplanowane zadania", "", P::None},
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
  menu.Add(names::kPrzegldarkainternetowa1, "Przeglądarka internetowa", ImageOf(P::Browser));
  menu.Add(names::kKlientpocztowy1, "Klient pocztowy", ImageOf(P::MailClient));
  menu.AddSeparator();
  AddNumberedSlots(menu, names::kRecentPageSlot, names::kRecentPageSlots);
  menu.Add(names::kWindowsUpdate1, "Windows Update", ImageOf(P::AutomaticUpdates));
  menu.Add(names::kWwwBrenvald1, "Brenvald", ImageOf(P::Brenvald));
  Hidden(menu.AddSeparator(names::kN10));
  MenuItem& favourites = Hidden(menu.Add(names::kUlubione, "Ulubione", ImageOf(P::Favourites)));
  favourites.Add(names::kOrganizuj2, "Organizuj", ImageOf(P::Organize));
  Hidden(favourites.AddSeparator(names::kN15));
  // Filled from lista.txt, and shown only when that file exists.
  Hidden(menu.Add(names::kMenuInne, "Inne", ImageOf(P::Browser)));
  menu.Add(names::kWyszukajwinternecie1, "Wyszukaj w internecie ...", ImageOf(P::Magnifier));
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
