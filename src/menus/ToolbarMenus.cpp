#include "menus/ToolbarMenus.h"

#include <span>
#include <stdexcept>
#include <string>

#include "core/Addresses.h"
#include "core/ComponentNames.h"
#include "core/Csidl.h"
#include "menus/FixedPictures.h"

namespace kromelik {

namespace {

using P = SharedPicture;
using namespace commands;

// A row's picture: one of the shared pictures, one of the about menu's, or none. The
// constructors are implicit so that a table cell names the picture alone.
struct RowPicture {
  int index = -1;
  constexpr RowPicture() = default;
  constexpr RowPicture(SharedPicture picture) : index(ImageOf(picture)) {}
  constexpr RowPicture(AboutPicture picture) : index(ImageOf(picture)) {}
};

// One fixed item of a menu, as its table gives it. Items that builders walk in table
// order (applets, tools, games) keep an empty name: their hint already tells them apart.
struct MenuRow {
  std::string_view name = {};
  std::string_view caption = {};
  std::string_view hint = {};
  RowPicture picture = {};
  Command command = {};
  bool hidden = false;
  // Slots that the list builders fill by number: `slots` hidden items named `name` and
  // their number, which stay hidden until an entry lands in them.
  int slots = 0;
  const MenuRow* submenu = nullptr;
  std::size_t submenuSize = 0;
};

constexpr MenuRow Hidden(MenuRow row) {
  row.hidden = true;
  return row;
}
constexpr MenuRow Separator(std::string_view name = {}) {
  return {.name = name, .caption = MenuItem::kSeparatorCaption};
}
constexpr MenuRow Slots(std::string_view prefix, int count) {
  return {.name = prefix, .slots = count};
}
template <std::size_t N>
constexpr MenuRow Submenu(std::string_view name, std::string_view caption, RowPicture picture,
                          const MenuRow (&rows)[N]) {
  return {.name = name, .caption = caption, .picture = picture, .submenu = rows, .submenuSize = N};
}

// Tools and games open their file by the name in their hint.
constexpr Command kOpenTool = Releasing(OpenHint());
constexpr Command kApplet = Releasing(ControlApplet());

constexpr MenuRow kAboutRows[] = {
    {names::kPomoc1, "Pomoc", "", AboutPicture::Help, Custom(ShowHelp)},
    Separator(),
    {names::kWylijemaildoautroa1, "Wyślij e-maila do autora ...", "", AboutPicture::Mail,
     Releasing(Custom(MailTheAuthor))},
    {names::kStronaWWW1, "Strona WWW", "", AboutPicture::WebSite,
     Releasing(Open(addresses::kMakerSite))},
    Separator(),
    {names::kOprogramie1, "O programie ...", "", AboutPicture::About,
     OpenDialog(ToolbarDialog::About)},
    Separator(),
    {names::kOpcje1, "Opcje", "", AboutPicture::Options, OpenDialog(ToolbarDialog::Options)},
    // The maker's programs are appended after this one at every opening.
    Separator(names::kN6),
};

// Each applet is offered only where its file is in the system directory.
constexpr MenuRow kAppletRows[] = {
    {names::kPanelsterowania1, "Panel sterowania", "", P::ControlPanel,
     CommandLine("rundll32 shell32.dll,Control_RunDLL", ShowCommand::Show)},
    Separator(),
    {"", "AC3 Filter", "ac3filter.cpl", P::Ac3Filter, kApplet},
    {"", "Aktualizacje automatyczne", "wuaucpl.cpl", P::AutomaticUpdates, kApplet},
    {"", "Data/Godzina", "timedate.cpl", P::DateTime, kApplet},
    {"", "DirectX", "directx.cpl", P::DirectX, kApplet},
    {"", "Dodaj/Usuń programy", "appwiz.cpl", P::AddRemovePrograms, kApplet},
    {"", "Dodaj/Usuń sprzęt", "hdwwiz.cpl", P::AddHardware, kApplet},
    {"", "Dźwięki i multimedia", "mmsys.cpl", P::SoundRecorder, kApplet},
    {"", "Ekran", "desk.cpl", P::Display, kApplet},
    {"", "Java Plug-in", "jpicpl32.cpl", P::JavaPlugIn, kApplet},
    {"", "Klawiatura", "keyboard.cpl", P::Keyboard, kApplet},
    {"", "Konta użytkowników", "nusrmgr.cpl", P::UserAccounts, kApplet},
    {"", "Mowa", "sapi.cpl", P::Speech, kApplet},
    {"", "Mysz", "main.cpl", P::Mouse, kApplet},
    {"", "NVIDIA nView Desktop Manager", "nvtuicpl.cpl", P::NView, kApplet},
    {"", "Opcje folderów", "folders.cpl", P::FolderOptions, kApplet},
    {"", "Opcje gier", "joy.cpl", P::GameControllers, kApplet},
    {"", "Opcje internetowe", "inetcpl.cpl", P::InternetOptions, kApplet},
    {"", "Opcje regionalne", "intl.cpl", P::RegionalOptions, kApplet},
    {"", "Opcje telefonu i modemu", "telephon.cpl", P::PhoneAndModem, kApplet},
    {"", "Opcje ułatwień dostępu", "access.cpl", P::Accessibility, kApplet},
    {"", "Opcje zasilania", "powercfg.cpl", P::PowerOptions, kApplet},
    {"", "QuickTime", "QuickTime.cpl", P::QuickTime, kApplet},
    {"", "Skanery i aparaty fotograficzne", "sticpl.cpl", P::ScannersAndCameras, kApplet},
    {"", "System", "sysdm.cpl", P::System, kApplet},
    {"", "Tweak UI", "TWEAKUI.CPL", P::TweakUi, kApplet},
    {"", "Usługi tekstowe", "input.cpl", P::TextInput, kApplet},
    {"", "Użytkownicy i hasła", "userpasswords.cpl", P::UserAccounts, kApplet},
};

// Each tool is offered only where its file is.
constexpr MenuRow kToolRows[] = {
    {"", "Usługi", "services.msc", P::Services, kOpenTool},
    {"", "Wiersz poleceń", "cmd.exe", P::PlainProgram, kOpenTool},
    Separator(),
    {"", "Defragmentator dysków", "dfrg.msc", P::None, kOpenTool},
    {"", "Edytor rejestru", "regedit.exe", P::None, kOpenTool},
    {"", "Klawiatura ekranowa", "osk.exe", P::None, kOpenTool},
    {"", "Kompozycje pulpitu", "themes.exe", P::Display, kOpenTool},
    {"", "Konsola", "mmc.exe", P::None, kOpenTool},
    {"", "Kopia zapasowa", "NTBACKUP.exe", P::None, kOpenTool},
    {"", "Lokalni użytkownicy i grupy", "lusrmgr.msc", P::UserAccounts, kOpenTool},
    {"", "Magazyn wymienny", "ntmsmgr.msc", P::None, kOpenTool},
    {"", "Menedżer urządzeń", "devmgmt.msc", P::DeviceManager, kOpenTool},
    {"", "Menadżer weryfikatora sterowników", "verifier.exe", P::None, kOpenTool},
    {"", "Menedżer zadań", "taskmgr.exe", P::None, kOpenTool},
    {"", "Narzędzie raportujące systemu Windows", "winrep.exe", P::None, kOpenTool},
    {"", "Oczyszczanie dysków", "cleanmgr.exe", P::None, kOpenTool},
    {"", "Omówienie certyfikatów", "certmgr.msc", P::None, kOpenTool},
    {"", "Podgląd zdarzeń", "eventvwr.msc", P::None, kOpenTool},
    {"", "Przystawka \"Foldery udostępnione\"", "fsmgmt.msc", P::FolderOptions, kOpenTool},
    {"", "Usługa indeksowania", "ciadv.msc", P::None, kOpenTool},
    {"", "Usługa uwierzytelnień internetowych", "ias.msc", P::None, kOpenTool},
    {"", "Ustawienia zabezpieczeń lokalnych", "secpol.msc", P::None, kOpenTool},
    {"", "Wydajność", "perfmon.exe", P::None, kOpenTool},
    {"", "Zarządzanie dyskami", "diskmgmt.msc", P::DiskManagement, kOpenTool},
    {"", "Zarządzanie komputerem", "compmgmt.msc", P::System, kOpenTool},
    {"", "Zarządzanie usługą faksowania", "faxserv.msc", P::None, kOpenTool},
    {"", "Zasady grupy", "gpedit.msc", P::None, kOpenTool},
    {"", "Żądania operatora magazynu wymiennego", "ntmsoprq.msc", P::None, kOpenTool},
};

constexpr MenuRow kUserProgramRows[] = {
    {names::kOrganizuj3, "Organizuj", "", P::Organize, OpenDialog(ToolbarDialog::Programs)},
    Hidden(Separator(names::kN16)),
};

// The accessories start fixed commands of their own, so they carry no hint.
constexpr MenuRow kProgramRows[] = {
    {names::kEksploratorWindows1, "Eksplorator Windows", "", P::Explorer, Open("explorer")},
    Separator(),
    {names::kCDPlayer1, "CD Player", "", P::CdPlayer, Open("cdplayer")},
    {names::kDrWatson1, "Dr. Watson", "", P::DrWatson, Custom(OpenDrWatson)},
    {names::kEdytorznakwprywatnych1, "Edytor znaków prywatnych", "", P::PrivateCharacterEditor,
     Open("eudcedit.exe")},
    {names::kDVDPlayer1, "DVD Player", "", P::DvdPlayer, Open("dvdplay")},
    {names::kKalkulator1, "Kalkulator", "", P::Calculator, Open("calc")},
    {names::kLupasystemowa1, "Lupa systemowa", "", P::Magnifier, Open("magnify")},
    {names::kNarrator1, "Narrator", "", P::Narrator, Open("narrator")},
    {names::kNotatnik1, "Notatnik", "", P::Notepad, Open("notepad")},
    {names::kOdtwarzaczmultimedialny1, "Odtwarzacz multimedialny", "", P::MediaPlayer,
     Open("mplay32")},
    {names::kPaint1, "Paint", "", P::Paint, Open("MSPAINT")},
    {names::kPodgldschowka1, "Podgląd schowka", "", P::ClipboardViewer, Open("clipbrd")},
    {names::kRegulacjagonoci1, "Regulacja głośności", "", P::VolumeControl, Open("sndvol32")},
    {names::kRejestratordwiku1, "Rejestrator dźwięku", "", P::SoundRecorder, Open("sndrec32")},
    {names::kTablicaznakw1, "Tablica znaków", "", P::CharacterMap, Open("charmap")},
    {names::kWordPad1, "WordPad", "", P::WordPad, Open("write")},
    // The lower part exists only once the recent-items scan or the programs builder has
    // something to put into it.
    Hidden(Separator(names::kN13)),
    Hidden({names::kOstatniouruchamianeprogramy1, "Ostatnio uruchamiane programy"}),
    Hidden({names::kTwojeprogramy1, "Twoje programy"}),
    Hidden(Submenu(names::kProgramyUzytkownika, "Programy użytkownika", {}, kUserProgramRows)),
};

// The built-in games follow, from kBuiltInGames.
constexpr MenuRow kGameRows[] = {
    {names::kOrganizuj4, "Organizuj", "", P::Organize, OpenDialog(ToolbarDialog::Games)},
    Hidden(Separator(names::kN2)),
};

constexpr MenuRow kDriveRows[] = {
    {names::kMjkomputer1, "Mój komputer", "", P::Computer, SpecialFolder(csidl::kDrives)},
    // Shown by the drives builder once it has looked at every letter.
    Hidden(Separator()),
};

constexpr MenuRow kFolderRows[] = {
    {names::kAutostart1, "Autostart", "", P::None, SpecialFolder(csidl::kStartup)},
    {names::kCiasteczka1, "Ciasteczka", "", P::None, SpecialFolder(csidl::kCookies)},
    {names::kCzcionki1, "Czcionki", "", P::Fonts, SpecialFolder(csidl::kFonts)},
    {names::kDaneAplikacji1, "Dane Aplikacji", "", P::None, SpecialFolder(csidl::kAppData)},
    {names::kDrukarki1, "Drukarki", "", P::Printers, Open("control", "printers")},
    {names::kHistoria1, "Historia", "", P::History, SpecialFolder(csidl::kHistory)},
    {names::kMenuSTART1, "Menu START", "", P::StartMenu, SpecialFolder(csidl::kStartMenu)},
    {names::kMenuSTARTwszyscyuytkownicy1, "Menu START (wszyscy użytkownicy)", "", P::StartMenu,
     SpecialFolder(csidl::kCommonStartMenu)},
    {names::kMenuSTARTProgramy1, "Menu START -> Programy", "", P::StartMenu,
     SpecialFolder(csidl::kPrograms)},
    {names::kMenuSTARTProgramywszyscyuytkownicy1, "Menu START -> Programy (wszyscy użytkownicy)",
     "", P::StartMenu, SpecialFolder(csidl::kCommonPrograms)},
    {names::kMojedokumenty2, "Moje dokumenty", "", P::Documents, SpecialFolder(csidl::kPersonal)},
    {names::kMojeorazy2, "Moje obrazy", "", P::Pictures,
     SpecialFolder(csidl::kPersonal, "\\Moje obrazy")},
    {names::kNarzdziaadministracyjne1, "Narzędzia administracyjne", "", P::AdministrativeTools,
     Open("control", "admintools")},
    {names::kNetHood1, "NetHood", "", P::None, SpecialFolder(csidl::kNetHood)},
    {names::kOstatniootwartepliki1, "Ostatnio otwarte pliki (Dokumenty)", "", P::Documents,
     SpecialFolder(csidl::kRecent)},
    {names::kPoczeniainternetoweitelefoniczne1, "Połączenia internetowe i telefoniczne", "",
     P::NetworkConnections, Custom(OpenNetworkConnections)},
    {names::kPulpit1, "Pulpit", "", P::Desktop, SpecialFolder(csidl::kDesktopDirectory)},
    {names::kPulpitwszyscyuytkownicy1, "Pulpit (wszyscy użytkownicy)", "", P::Desktop,
     SpecialFolder(csidl::kCommonDesktopDirectory)},
    {names::kSzablony1, "Szablony", "", P::None, SpecialFolder(csidl::kTemplates)},
    {names::kTymczasoweplikiinternetowe1, "Tymczasowe pliki internetowe", "", P::None,
     SpecialFolder(csidl::kInternetCache)},
    {names::kUlubione2, "Ulubione", "", P::Favourites, SpecialFolder(csidl::kFavorites)},
    {names::kWindows1, "Windows", "", P::WindowsFolder, Custom(OpenWindowsDirectory)},
    {names::kWindowsSystem1, "Windows -> System", "", P::WindowsFolder, Custom(OpenSystemDirectory)},
    {names::kWylijdo1, "Wyślij do ...", "", P::SendTo, SpecialFolder(csidl::kSendTo)},
    {names::kZaplanowanezadania1, "Zaplanowane zadania", "", P::None, Open("control", "schedtasks")},
    // The recent-items scan shows both when it finds a folder.
    Hidden(Separator(names::kNOstatniootwieranefoldery1)),
    Hidden({names::kOstatniootwieranefoldery1, "Ostatnio otwierane foldery"}),
};

// Their pictures come from il_Dokumenty1, which only the documents builder fills.
constexpr MenuRow kDocumentRows[] = {
    {names::kMojedokumenty3, "Moje dokumenty", "", {}, SpecialFolder(csidl::kPersonal)},
    {names::kMojeobrazy1, "Moje obrazy", "", {}, SpecialFolder(csidl::kPersonal, "\\Moje obrazy")},
    {names::kMojamuzyka1, "Moja muzyka", "", {}, SpecialFolder(csidl::kPersonal, "\\Moja muzyka")},
    {names::kMojewideo1, "Moje wideo", "", {}, SpecialFolder(csidl::kPersonal, "\\Moje wideo")},
    {names::kMojewitrynysieciWeb1, "Moje witryny sieci Web", "", {},
     SpecialFolder(csidl::kPersonal, "\\Moje witryny sieci Web")},
    Hidden(Separator(names::kN18)),
    Slots(names::kDocumentSlot, names::kDocumentSlots),
    Hidden(Separator(names::kN19)),
    {names::kDokumenty1, "Ostatnio otwierane dokumenty"},
};

constexpr MenuRow kQuickLaunchRows[] = {
    {names::kOrganizuj1, "Organizuj", "", {}, OpenDialog(ToolbarDialog::QuickLaunch)},
    Separator(),
    Slots(names::kQuickLaunchSlot, names::kQuickLaunchSlots),
};

constexpr MenuRow kFavouriteRows[] = {
    {names::kOrganizuj2, "Organizuj", "", P::Organize, OpenDialog(ToolbarDialog::Favourites)},
    Hidden(Separator(names::kN15)),
};

constexpr MenuRow kInternetRows[] = {
    {names::kTelnet1, "Telnet", "", {}, Open("telnet")},
    Separator(),
    {names::kPrzegldarkainternetowa1, "Przeglądarka internetowa", "", P::Browser, Open("http://")},
    {names::kKlientpocztowy1, "Klient pocztowy", "", P::MailClient,
     Open("mailto:", std::nullopt, ShowCommand::Show)},
    Separator(),
    Slots(names::kRecentPageSlot, names::kRecentPageSlots),
    {names::kWindowsUpdate1, "Windows Update", "", P::AutomaticUpdates,
     Open(addresses::kWindowsUpdate)},
    {names::kWwwBrenvald1, "Brenvald", addresses::kMakerSite, P::Brenvald, OpenHint()},
    Hidden(Separator(names::kN10)),
    Hidden(Submenu(names::kUlubione, "Ulubione", P::Favourites, kFavouriteRows)),
    // Filled from lista.txt, and shown only when that file exists.
    Hidden({names::kMenuInne, "Inne", "", P::Browser}),
    {names::kWyszukajwinternecie1, "Wyszukaj w internecie ...", "", P::Magnifier,
     OpenDialog(ToolbarDialog::Search)},
};

constexpr MenuRow kExitRows[] = {
    {names::kWyloguj1, "Wyloguj", "", {}, EndSession(exit_flags::kLogOff | exit_flags::kForce)},
    {names::kUruchomponownie1, "Uruchom ponownie", "", {},
     EndSession(exit_flags::kReboot | exit_flags::kForce)},
    {names::kZamknijsystem1, "Zamknij system", "", {},
     EndSession(exit_flags::kPowerOff | exit_flags::kForce)},
};

bool Holds(const MenuItem& menu, const MenuItem& item) {
  if (&menu == &item) return true;
  for (const auto& child : menu.Items())
    if (Holds(*child, item)) return true;
  return false;
}

using BoundCommands = std::vector<std::pair<MenuItem*, Command>>;

void AddRows(MenuItem& menu, std::span<const MenuRow> rows, BoundCommands& commands) {
  for (const MenuRow& row : rows) {
    if (row.slots > 0) {
      for (int number = 1; number <= row.slots; ++number)
        menu.Add(std::string(row.name) + std::to_string(number), "").Visible = false;
      continue;
    }
    MenuItem& item = menu.Add(std::string(row.name), std::string(row.caption), row.picture.index);
    item.Hint = row.hint;
    item.Visible = !row.hidden;
    if (row.command.kind != Command::Kind::None) commands.emplace_back(&item, row.command);
    if (row.submenu != nullptr) AddRows(item, {row.submenu, row.submenuSize}, commands);
  }
}

}  // namespace

std::string SlotName(std::string_view prefix, int number) {
  // Appended: GCC 12's -Wrestrict misreads a concatenation of a literal here at -O3.
  std::string name(prefix);
  name += std::to_string(number);
  return name;
}

ToolbarMenus::ToolbarMenus(const ImageList::IconRelease& release)
    : ImageListPM("ImageListPM", release),
      il_IkonyBrenvald("il_IkonyBrenvald", release),
      il_SzybkieUr("il_SzybkieUr", release),
      il_Dokumenty1("il_Dokumenty1", release),
      places_(AddFixedItems()) {}

ToolbarMenus::Places ToolbarMenus::AddFixedItems() {
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

  AddRows(AboutPM, kAboutRows, commands_);
  AddRows(PanelPM, kAppletRows, commands_);
  AddRows(UslugiPM, kToolRows, commands_);
  AddRows(ProgramyPM, kProgramRows, commands_);
  AddRows(GryPM, kGameRows, commands_);
  // Shown at start-up only when the game is installed; the user's games follow them.
  for (const BuiltInGame& game : kBuiltInGames) {
    const MenuRow row{"", game.caption, game.file, game.image, kOpenTool, true};
    AddRows(GryPM, {&row, 1}, commands_);
  }
  AddRows(DyskiPM, kDriveRows, commands_);
  AddRows(FolderyPM, kFolderRows, commands_);
  AddRows(DokumentyPM, kDocumentRows, commands_);
  AddRows(UlubionePM, kQuickLaunchRows, commands_);
  AddRows(InternetPM, kInternetRows, commands_);
  AddRows(ExitPM, kExitRows, commands_);

  AddFixedPictures(*this);

  const auto slots = [this]<std::size_t N>(std::string_view prefix,
                                           std::array<MenuItem*, N>& found) {
    for (std::size_t i = 0; i < N; ++i) found[i] = &Item(SlotName(prefix, static_cast<int>(i) + 1));
  };
  Places places{Item(names::kUlubione),
                Item(names::kMenuInne),
                Item(names::kTwojeprogramy1),
                Item(names::kProgramyUzytkownika),
                Item(names::kDokumenty1),
                Item(names::kOstatniouruchamianeprogramy1),
                Item(names::kOstatniootwieranefoldery1),
                Item(names::kMojedokumenty3),
                {&Item(names::kMojeobrazy1), &Item(names::kMojamuzyka1),
                 &Item(names::kMojewideo1), &Item(names::kMojewitrynysieciWeb1)},
                {},
                {},
                {}};
  slots(names::kQuickLaunchSlot, places.quickLaunch);
  slots(names::kRecentPageSlot, places.recentPages);
  slots(names::kDocumentSlot, places.documents);
  return places;
}

void ToolbarMenus::BindCommands(CommandContext& context) {
  for (const auto& [item, command] : commands_)
    item->OnClick = [&context, command = command](const MenuItem& chosen) {
      RunCommand(command, context, chosen);
    };
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
