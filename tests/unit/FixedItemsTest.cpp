// Every fixed menu item that does something, chosen once on fakes: what reaches the
// shell, the command line, the session or a message box, and whether the pressed button
// came up before it. The table below is written out by hand from what each item is meant
// to do, never derived from the menus' own tables, so that a slip in either shows.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeToolbarPorts.h"
#include "menus/LaunchCommands.h"
#include "menus/ToolbarMenus.h"

namespace kromelik {
namespace {

constexpr std::string_view kWindows = "C:\\OKNA";
constexpr std::string_view kSystem = "C:\\OKNA\\SYSTEM32";
constexpr WindowHandle kOwner = 0x4242;

// A path of its own for every special folder, so that asking for the wrong number opens
// a visibly wrong place.
std::string SpecialPath(int csidl) { return "C:\\Specjalny" + std::to_string(csidl); }
constexpr int kSpecialFolderNumbers = 64;

enum class Does {
  Open, CommandLine, SpecialFolder, EndSession, MessageBox, OpensDialog, NoActionYet
};
enum class Buttons { StayDown, ComeUpFirst };
// Visibility before any builder has run, or the file that decides it: applets and tools
// are refreshed before their menu opens; games start hidden and are shown once at start.
enum class Start { Shown, SystemFile, WindowsFile, HiddenUntilSystemFile };

struct Action {
  Does does = Does::NoActionYet;
  // What is opened or run, the sub-folder of a special folder, or a message box's text.
  std::string_view text{};
  std::optional<std::string_view> parameters{};
  ShowCommand show = ShowCommand::ShowNormal;
  int csidl = 0;
  std::uint32_t exitFlags = 0;
  std::string_view title{};
  MessageIcon icon = MessageIcon::Information;
  ToolbarDialog dialog = ToolbarDialog::About;
};

Action Opens(std::string_view target, std::optional<std::string_view> parameters = std::nullopt,
             ShowCommand show = ShowCommand::ShowNormal) {
  return {.does = Does::Open, .text = target, .parameters = parameters, .show = show};
}
Action Runs(std::string_view line, ShowCommand show = ShowCommand::ShowNormal) {
  return {.does = Does::CommandLine, .text = line, .show = show};
}
Action Folder(int csidl, std::string_view subFolder = {}) {
  return {.does = Does::SpecialFolder, .text = subFolder, .csidl = csidl};
}
Action Ends(std::uint32_t exitFlags) { return {.does = Does::EndSession, .exitFlags = exitFlags}; }
Action Box(std::string_view text, std::string_view title, MessageIcon icon) {
  return {.does = Does::MessageBox, .text = text, .title = title, .icon = icon};
}
Action Dialog(ToolbarDialog dialog) { return {.does = Does::OpensDialog, .dialog = dialog}; }

struct Row {
  std::string_view menu;
  // The item's component name; items without one are found by caption in `menu`.
  std::string_view item;
  std::string_view caption;
  Start start;
  Action action;
  Buttons buttons = Buttons::StayDown;
  // The file that decides visibility (Start::...File) or that is in the system
  // directory when the item is chosen (`given`).
  std::string_view file{};
  std::string_view given{};
  // A special folder the platform knows no path for in this row.
  std::optional<int> withoutPath{};
  // Non-empty where the code does otherwise: the row keeps the intended behaviour and
  // runs apart, until it is settled which of the two is wrong.
  std::string_view disputed{};
};

constexpr auto kShow = ShowCommand::Show;
constexpr auto kUp = Buttons::ComeUpFirst;

Row Applet(std::string_view caption, std::string_view file, std::string_view line) {
  return {"PanelPM", caption, caption, Start::SystemFile, Runs(line), kUp, file};
}
Row Tool(std::string_view caption, std::string_view file, Start where = Start::SystemFile) {
  return {"UslugiPM", caption, caption, where, Opens(file), kUp, file};
}
Row Game(std::string_view caption, std::string_view file) {
  return {"GryPM", caption, caption, Start::HiddenUntilSystemFile, Opens(file), kUp, file};
}
Row Accessory(std::string_view name, std::string_view caption, std::string_view program) {
  return {"ProgramyPM", name, caption, Start::Shown, Opens(program)};
}
Row Place(std::string_view menu, std::string_view name, std::string_view caption, Action action) {
  return {menu, name, caption, Start::Shown, action};
}

constexpr std::string_view kMissingFiles =
    "Nie można odnaleźć plików potrzebnych do uruchomienia tego folderu !!!";
// The addresses are the implementer's choice; the rows hold the ones chosen.
constexpr std::string_view kMakerSite = "http://www.brenvald.pl/";
const std::vector<Row>& Rows() {
  static const std::vector<Row> rows{
      // The about menu.
      {"AboutPM", "Pomoc1", "Pomoc", Start::Shown,
       Box("Pomoc jak na razie jest niedostępna w tej wersji programu", "Brak pomocy !!!",
           MessageIcon::Information),
       kUp},
      {"AboutPM", "Wylijemaildoautroa1", "Wyślij e-maila do autora ...", Start::Shown,
       Opens("mailto:kromelik@brenvald.pl?Subject=Cześć&Body=Gratuluję zrobienia bardzo "
             "dobrego programu.",
             std::nullopt, kShow),
       kUp},
      {"AboutPM", "StronaWWW1", "Strona WWW", Start::Shown, Opens(kMakerSite), kUp},
      Place("AboutPM", "Oprogramie1", "O programie ...", Dialog(ToolbarDialog::About)),
      Place("AboutPM", "Opcje1", "Opcje", Dialog(ToolbarDialog::Options)),

      // The control panel and its applets.
      Place("PanelPM", "Panelsterowania1", "Panel sterowania",
            Runs("rundll32 shell32.dll,Control_RunDLL", kShow)),
      Applet("AC3 Filter", "ac3filter.cpl", "Control.exe ac3filter.cpl"),
      Applet("Aktualizacje automatyczne", "wuaucpl.cpl", "Control.exe wuaucpl.cpl"),
      Applet("Data/Godzina", "timedate.cpl", "Control.exe timedate.cpl"),
      Applet("DirectX", "directx.cpl", "Control.exe directx.cpl"),
      Applet("Dodaj/Usuń programy", "appwiz.cpl", "Control.exe appwiz.cpl"),
      Applet("Dodaj/Usuń sprzęt", "hdwwiz.cpl", "Control.exe hdwwiz.cpl"),
      Applet("Dźwięki i multimedia", "mmsys.cpl", "Control.exe mmsys.cpl"),
      Applet("Ekran", "desk.cpl", "Control.exe desk.cpl"),
      Applet("Java Plug-in", "jpicpl32.cpl", "Control.exe jpicpl32.cpl"),
      Applet("Klawiatura", "keyboard.cpl", "Control.exe keyboard.cpl"),
      Applet("Konta użytkowników", "nusrmgr.cpl", "Control.exe nusrmgr.cpl"),
      Applet("Mowa", "sapi.cpl", "Control.exe sapi.cpl"),
      Applet("Mysz", "main.cpl", "Control.exe main.cpl"),
      Applet("NVIDIA nView Desktop Manager", "nvtuicpl.cpl", "Control.exe nvtuicpl.cpl"),
      Applet("Opcje folderów", "folders.cpl", "Control.exe folders.cpl"),
      Applet("Opcje gier", "joy.cpl", "Control.exe joy.cpl"),
      Applet("Opcje internetowe", "inetcpl.cpl", "Control.exe inetcpl.cpl"),
      Applet("Opcje regionalne", "intl.cpl", "Control.exe intl.cpl"),
      Applet("Opcje telefonu i modemu", "telephon.cpl", "Control.exe telephon.cpl"),
      Applet("Opcje ułatwień dostępu", "access.cpl", "Control.exe access.cpl"),
      Applet("Opcje zasilania", "powercfg.cpl", "Control.exe powercfg.cpl"),
      Applet("QuickTime", "QuickTime.cpl", "Control.exe QuickTime.cpl"),
      Applet("Skanery i aparaty fotograficzne", "sticpl.cpl", "Control.exe sticpl.cpl"),
      Applet("System", "sysdm.cpl", "Control.exe sysdm.cpl"),
      Applet("Tweak UI", "TWEAKUI.CPL", "Control.exe TWEAKUI.CPL"),
      Applet("Usługi tekstowe", "input.cpl", "Control.exe input.cpl"),
      Applet("Użytkownicy i hasła", "userpasswords.cpl", "Control.exe userpasswords.cpl"),

      // The administrative tools.
      Tool("Usługi", "services.msc"),
      Tool("Wiersz poleceń", "cmd.exe"),
      Tool("Defragmentator dysków", "dfrg.msc"),
      Tool("Edytor rejestru", "regedit.exe", Start::WindowsFile),
      Tool("Klawiatura ekranowa", "osk.exe"),
      Tool("Kompozycje pulpitu", "themes.exe"),
      Tool("Konsola", "mmc.exe"),
      Tool("Kopia zapasowa", "NTBACKUP.exe"),
      Tool("Lokalni użytkownicy i grupy", "lusrmgr.msc"),
      Tool("Magazyn wymienny", "ntmsmgr.msc"),
      Tool("Menedżer urządzeń", "devmgmt.msc"),
      Tool("Menadżer weryfikatora sterowników", "verifier.exe"),
      Tool("Menedżer zadań", "taskmgr.exe"),
      Tool("Narzędzie raportujące systemu Windows", "winrep.exe", Start::WindowsFile),
      Tool("Oczyszczanie dysków", "cleanmgr.exe"),
      Tool("Omówienie certyfikatów", "certmgr.msc"),
      Tool("Podgląd zdarzeń", "eventvwr.msc"),
      Tool("Przystawka \"Foldery udostępnione\"", "fsmgmt.msc"),
      Tool("Usługa indeksowania", "ciadv.msc"),
      Tool("Usługa uwierzytelnień internetowych", "ias.msc"),
      Tool("Ustawienia zabezpieczeń lokalnych", "secpol.msc"),
      Tool("Wydajność", "perfmon.exe"),
      Tool("Zarządzanie dyskami", "diskmgmt.msc"),
      Tool("Zarządzanie komputerem", "compmgmt.msc"),
      Tool("Zarządzanie usługą faksowania", "faxserv.msc"),
      Tool("Zasady grupy", "gpedit.msc"),
      Tool("Żądania operatora magazynu wymiennego", "ntmsoprq.msc"),

      // The accessories.
      Accessory("EksploratorWindows1", "Eksplorator Windows", "explorer"),
      Accessory("CDPlayer1", "CD Player", "cdplayer"),
      Accessory("DrWatson1", "Dr. Watson", "DRWTSN"),
      {"ProgramyPM", "DrWatson1", "Dr. Watson", Start::Shown, Opens("DRWTSN32"),
       Buttons::StayDown, {}, "DRWTSN32.EXE"},
      Accessory("Edytorznakwprywatnych1", "Edytor znaków prywatnych", "eudcedit.exe"),
      Accessory("DVDPlayer1", "DVD Player", "dvdplay"),
      Accessory("Kalkulator1", "Kalkulator", "calc"),
      Accessory("Lupasystemowa1", "Lupa systemowa", "magnify"),
      Accessory("Narrator1", "Narrator", "narrator"),
      Accessory("Notatnik1", "Notatnik", "notepad"),
      Accessory("Odtwarzaczmultimedialny1", "Odtwarzacz multimedialny", "mplay32"),
      Accessory("Paint1", "Paint", "MSPAINT"),
      Accessory("Podgldschowka1", "Podgląd schowka", "clipbrd"),
      Accessory("Regulacjagonoci1", "Regulacja głośności", "sndvol32"),
      Accessory("Rejestratordwiku1", "Rejestrator dźwięku", "sndrec32"),
      Accessory("Tablicaznakw1", "Tablica znaków", "charmap"),
      Accessory("WordPad1", "WordPad", "write"),
      Place("ProgramyPM", "Organizuj3", "Organizuj", Dialog(ToolbarDialog::Programs)),

      // The built-in games.
      Place("GryPM", "Organizuj4", "Organizuj", Dialog(ToolbarDialog::Games)),
      Game("FreeCell", "FreeCell.exe"),
      Game("Kierki", "mshearts.exe"),
      Game("Pasjans", "sol.exe"),
      Game("Pasjans - Pająk", "spider.exe"),
      Game("Saper", "winmine.exe"),

      // The drives menu: "Mój komputer" has no path on the platform, which the second
      // row plays.
      Place("DyskiPM", "Mjkomputer1", "Mój komputer", Folder(17)),
      // Without a path the shell's own name opens it: an empty target would open nothing.
      {"DyskiPM", "Mjkomputer1", "Mój komputer", Start::Shown,
       Opens("::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"), Buttons::StayDown, {}, {}, 17},

      // The folders menu.
      Place("FolderyPM", "Autostart1", "Autostart", Folder(7)),
      Place("FolderyPM", "Ciasteczka1", "Ciasteczka", Folder(33)),
      Place("FolderyPM", "Czcionki1", "Czcionki", Folder(20)),
      Place("FolderyPM", "DaneAplikacji1", "Dane Aplikacji", Folder(26)),
      Place("FolderyPM", "Drukarki1", "Drukarki", Opens("control", "printers")),
      Place("FolderyPM", "Historia1", "Historia", Folder(34)),
      Place("FolderyPM", "MenuSTART1", "Menu START", Folder(11)),
      Place("FolderyPM", "MenuSTARTwszyscyuytkownicy1", "Menu START (wszyscy użytkownicy)",
            Folder(22)),
      Place("FolderyPM", "MenuSTARTProgramy1", "Menu START -> Programy", Folder(2)),
      Place("FolderyPM", "MenuSTARTProgramywszyscyuytkownicy1",
            "Menu START -> Programy (wszyscy użytkownicy)", Folder(23)),
      Place("FolderyPM", "Mojedokumenty2", "Moje dokumenty", Folder(5)),
      Place("FolderyPM", "Mojeorazy2", "Moje obrazy", Folder(5, "\\Moje obrazy")),
      Place("FolderyPM", "Narzdziaadministracyjne1", "Narzędzia administracyjne",
            Opens("control", "admintools")),
      Place("FolderyPM", "NetHood1", "NetHood", Folder(19)),
      Place("FolderyPM", "Ostatniootwartepliki1", "Ostatnio otwarte pliki (Dokumenty)", Folder(8)),
      Place("FolderyPM", "Poczeniainternetoweitelefoniczne1",
            "Połączenia internetowe i telefoniczne",
            Box(kMissingFiles, "Błąd !!!", MessageIcon::Error)),
      {"FolderyPM", "Poczeniainternetoweitelefoniczne1", "Połączenia internetowe i telefoniczne",
       Start::Shown, Runs("Control.exe ncpa.cpl"), Buttons::StayDown, {}, "ncpa.cpl"},
      Place("FolderyPM", "Pulpit1", "Pulpit", Folder(16)),
      Place("FolderyPM", "Pulpitwszyscyuytkownicy1", "Pulpit (wszyscy użytkownicy)", Folder(25)),
      Place("FolderyPM", "Szablony1", "Szablony", Folder(21)),
      Place("FolderyPM", "Tymczasoweplikiinternetowe1", "Tymczasowe pliki internetowe", Folder(32)),
      Place("FolderyPM", "Ulubione2", "Ulubione", Folder(6)),
      Place("FolderyPM", "Windows1", "Windows", Opens(kWindows)),
      Place("FolderyPM", "WindowsSystem1", "Windows -> System", Opens(kSystem)),
      Place("FolderyPM", "Wylijdo1", "Wyślij do ...", Folder(9)),
      Place("FolderyPM", "Zaplanowanezadania1", "Zaplanowane zadania",
            Opens("control", "schedtasks")),

      // The documents menu's fixed folders.
      Place("DokumentyPM", "Mojedokumenty3", "Moje dokumenty", Folder(5)),
      Place("DokumentyPM", "Mojeobrazy1", "Moje obrazy", Folder(5, "\\Moje obrazy")),
      Place("DokumentyPM", "Mojamuzyka1", "Moja muzyka", Folder(5, "\\Moja muzyka")),
      Place("DokumentyPM", "Mojewideo1", "Moje wideo", Folder(5, "\\Moje wideo")),
      Place("DokumentyPM", "MojewitrynysieciWeb1", "Moje witryny sieci Web",
            Folder(5, "\\Moje witryny sieci Web")),

      // The quick-launch menu.
      Place("UlubionePM", "Organizuj1", "Organizuj", Dialog(ToolbarDialog::QuickLaunch)),

      // The Internet menu.
      Place("InternetPM", "Telnet1", "Telnet", Opens("telnet")),
      Place("InternetPM", "Przegldarkainternetowa1", "Przeglądarka internetowa", Opens("http://")),
      Place("InternetPM", "Klientpocztowy1", "Klient pocztowy",
            Opens("mailto:", std::nullopt, kShow)),
      Place("InternetPM", "WindowsUpdate1", "Windows Update",
            Opens("http://windowsupdate.microsoft.com/")),
      Place("InternetPM", "wwwBrenvald1", "Brenvald", Opens(kMakerSite)),
      Place("InternetPM", "Organizuj2", "Organizuj", Dialog(ToolbarDialog::Favourites)),
      Place("InternetPM", "Wyszukajwinternecie1", "Wyszukaj w internecie ...",
            Dialog(ToolbarDialog::Search)),

      // The shutdown menu: EWX_FORCE (4) with log-off (0), reboot (2) and power-off (8).
      // Programs are asked to close and only those that hang are forced, so nobody's
      // unsaved work in another program is thrown away unasked.
      {"ExitPM", "Wyloguj1", "Wyloguj", Start::Shown, Ends(0x10), Buttons::StayDown, {}, {}, {}},
      {"ExitPM", "Uruchomponownie1", "Uruchom ponownie", Start::Shown, Ends(0x12), Buttons::StayDown,
       {}, {}, {}},
      {"ExitPM", "Zamknijsystem1", "Zamknij system", Start::Shown, Ends(0x18), Buttons::StayDown, {},
       {}, {}},
  };
  return rows;
}

ToolbarButton ButtonOf(std::string_view menu) {
  for (const ButtonInfo& info : ToolbarButtons())
    if (info.menu == menu) return info.button;
  throw std::out_of_range("no button opens " + std::string(menu));
}

// How the pressed button stood when the platform was asked.
std::string ButtonsThen(ToolbarButton down, ToolbarButton pressed) {
  if (down == ToolbarButton::Kromelik) return "buttons up";
  return down == pressed ? "button still down" : "another button down";
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string OpenText(WindowHandle owner, std::string_view verb, std::string_view target,
                     std::optional<std::string_view> parameters, ShowCommand show,
                     const std::string& buttons) {
  std::ostringstream out;
  out << "shell: owner 0x" << std::hex << owner << std::dec << ", verb " << Quoted(verb)
      << ", target " << Quoted(target)
      << ", parameters " << (parameters ? Quoted(*parameters) : std::string("none")) << ", show "
      << static_cast<int>(show) << ", " << buttons;
  return out.str();
}
std::string RunText(std::string_view line, ShowCommand show, const std::string& buttons) {
  return "command line: " + Quoted(line) + ", show " + std::to_string(static_cast<int>(show)) +
         ", " + buttons;
}
std::string EndText(std::uint32_t flags, const std::string& buttons) {
  return "session end: flags " + std::to_string(flags) + ", " + buttons;
}
std::string DialogText(ToolbarDialog dialog, const std::string& buttons) {
  return "dialog " + std::to_string(static_cast<int>(dialog)) + ", " + buttons;
}
std::string BoxText(std::string_view text, std::string_view title, MessageIcon icon,
                    const std::string& buttons) {
  return "message box: " + Quoted(text) + ", title " + Quoted(title) + ", icon " +
         std::to_string(static_cast<int>(icon)) + ", " + buttons;
}

// Notes, for every request, how the toolbar's buttons stood at that moment.
class WatchingShell : public fakes::FakeShellLauncher {
 public:
  WatchingShell(const Toolbar& toolbar, ToolbarButton pressed)
      : toolbar_(toolbar), pressed_(pressed) {}
  void Open(WindowHandle owner, std::string_view verb, std::string_view target,
            std::optional<std::string_view> parameters, ShowCommand show) override {
    requests.push_back(OpenText(owner, verb, target, parameters, show, Buttons()));
  }
  void RunCommandLine(std::string_view line, ShowCommand show) override {
    requests.push_back(RunText(line, show, Buttons()));
  }
  bool EndSession(std::uint32_t flags) override {
    requests.push_back(EndText(flags, Buttons()));
    return true;
  }
  std::string Buttons() const { return ButtonsThen(toolbar_.DownButton(), pressed_); }

  std::vector<std::string> requests;

 private:
  const Toolbar& toolbar_;
  ToolbarButton pressed_;
};

class FixedItemTest : public ::testing::TestWithParam<std::size_t>, protected fakes::FakeToolbar {
 protected:
  FixedItemTest() {
    for (int number = 0; number < kSpecialFolderNumbers; ++number)
      folders.folders[number] = SpecialPath(number);
    if (row.withoutPath) folders.folders.erase(*row.withoutPath);
    folders.windowsDirectory = kWindows;
    folders.systemDirectory = kSystem;
    launcher.SetOwner(kOwner);
    menus.BindCommands(context);
    messages.onShow = [this] { boxButtons = shell.Buttons(); };
  }

  MenuItem* Find() {
    MenuItem* menu = menus.FindMenu(row.menu);
    if (menu == nullptr) return nullptr;
    if (MenuItem* named = menu->Find(row.item)) return named;
    for (const auto& child : menu->Items())
      if (child->Caption == row.item) return child.get();
    return nullptr;
  }

  std::string InDirectory(std::string_view directory, std::string_view file) {
    return std::string(directory) + "\\" + std::string(file);
  }

  // Puts the deciding file in the wrong directory, then the right one, and runs the
  // builder that decides after each; the item must follow the file.
  void CheckVisibilityByFile(const MenuItem& item) {
    const bool inWindows = row.start == Start::WindowsFile;
    const std::string right = InDirectory(inWindows ? kWindows : kSystem, row.file);
    const std::string wrong = InDirectory(inWindows ? kSystem : kWindows, row.file);
    const auto decide = [&] {
      if (row.start == Start::HiddenUntilSystemFile) {
        ShowBuiltInGames(menus, files, kSystem);
      } else {
        RefreshBeforePopup(ButtonOf(row.menu), menus, context);
      }
    };
    files.AddFile(wrong);
    decide();
    EXPECT_FALSE(item.Visible) << "shown with " << row.file << " only in " << wrong;
    files.Remove(wrong);
    files.AddFile(right);
    decide();
    EXPECT_TRUE(item.Visible) << "hidden with " << right << " in place";
  }

  std::vector<std::string> Expected(ToolbarButton pressed) {
    const Action& action = row.action;
    const ToolbarButton down =
        row.buttons == Buttons::ComeUpFirst ? ToolbarButton::Kromelik : pressed;
    const std::string buttons = ButtonsThen(down, pressed);
    switch (action.does) {
      case Does::Open:
        return {OpenText(kOwner, "open", action.text, action.parameters, action.show, buttons)};
      case Does::SpecialFolder:
        return {OpenText(kOwner, "open", SpecialPath(action.csidl) + std::string(action.text),
                         std::nullopt, ShowCommand::ShowNormal, buttons)};
      case Does::CommandLine:
        return {RunText(action.text, action.show, buttons)};
      case Does::EndSession:
        return {EndText(action.exitFlags, buttons)};
      case Does::MessageBox:
        return {BoxText(action.text, action.title, action.icon, buttons)};
      case Does::OpensDialog:
        return {DialogText(action.dialog, buttons)};
      case Does::NoActionYet:
        return {};
    }
    return {};
  }

  const Row& row = Rows().at(GetParam());
  WatchingShell shell{toolbar, ButtonOf(row.menu)};
  fakes::FakeShellFolders folders;
  fakes::FakeFileSystem files;
  fakes::FakeMessageBoxes messages;
  fakes::FakeDialogs dialogs;
  std::string boxButtons;
  Launcher launcher{shell, folders};
  ToolbarMenus menus;
  CommandContext context{launcher, toolbar, files, messages, std::string(kSystem),
                         std::string(kWindows), dialogs, "C:\\Kromelik\\help\\kromelik.html"};
};

TEST_P(FixedItemTest, ChoosingItDoesWhatItIsMeantTo) {
  if (!row.disputed.empty()) RecordProperty("disputed", std::string(row.disputed));
  SCOPED_TRACE(std::string(row.menu) + " / " + std::string(row.item) +
               (row.disputed.empty() ? "" : " [disputed: " + std::string(row.disputed) + "]"));
  MenuItem* found = Find();
  ASSERT_NE(found, nullptr) << "no item " << row.item << " in " << row.menu;
  MenuItem& item = *found;

  EXPECT_EQ(item.Caption, row.caption);
  switch (row.start) {
    case Start::Shown:
      EXPECT_TRUE(item.Visible) << "hidden at start";
      break;
    case Start::HiddenUntilSystemFile:
      EXPECT_FALSE(item.Visible) << "shown at start";
      CheckVisibilityByFile(item);
      break;
    case Start::SystemFile:
    case Start::WindowsFile:
      CheckVisibilityByFile(item);
      break;
  }
  if (!row.given.empty()) files.AddFile(InDirectory(kSystem, row.given));

  const ToolbarButton pressed = ButtonOf(row.menu);
  toolbar.Press(pressed);
  timers.changes.clear();
  window.events.clear();
  if (item.OnClick) item.OnClick(item);

  std::vector<std::string> seen = shell.requests;
  for (const auto& box : messages.shown)
    seen.push_back(BoxText(box.text, box.title, box.icon, boxButtons));
  for (const ToolbarDialog dialog : dialogs.opened)
    seen.push_back(DialogText(dialog, ButtonsThen(toolbar.DownButton(), pressed)));
  EXPECT_EQ(seen, Expected(pressed));

  const bool comesUp = row.buttons == Buttons::ComeUpFirst;
  EXPECT_EQ(ButtonInfoOf(toolbar.DownButton()).name,
            ButtonInfoOf(comesUp ? ToolbarButton::Kromelik : pressed).name)
      << (comesUp ? "the pressed button stayed down" : "the pressed button came up");
  if (row.action.does == Does::NoActionYet) {
    EXPECT_TRUE(timers.changes.empty() && window.events.empty())
        << "the item now does something: give its row what it does";
  }
}

std::string RowName(const ::testing::TestParamInfo<std::size_t>& info) {
  const Row& row = Rows().at(info.param);
  std::string name = std::to_string(info.param) + "_";
  for (const char c : row.item) {
    const auto byte = static_cast<unsigned char>(c);
    name += byte < 0x80 && std::isalnum(byte) != 0 ? c : '_';
  }
  if (!row.given.empty()) name += "_given_file";
  if (row.withoutPath) name += "_without_path";
  return name;
}

std::vector<std::size_t> RowsWhere(bool disputed) {
  std::vector<std::size_t> chosen;
  for (std::size_t i = 0; i < Rows().size(); ++i)
    if (Rows()[i].disputed.empty() != disputed) chosen.push_back(i);
  return chosen;
}

INSTANTIATE_TEST_SUITE_P(FixedItems, FixedItemTest, ::testing::ValuesIn(RowsWhere(false)), RowName);

}  // namespace
}  // namespace kromelik
