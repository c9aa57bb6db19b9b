#include "menus/LaunchCommands.h"

#include <array>
#include <utility>

#include "core/Addresses.h"
#include "core/Csidl.h"

namespace kromelik {

namespace {

constexpr std::size_t kFirstApplet = 2;  // after "Panel sterowania" and its separator
constexpr std::size_t kToolsSeparator = 2;

std::string InDirectory(std::string_view directory, std::string_view file) {
  return std::string(directory) + "\\" + std::string(file);
}

bool Exists(const FileSystem& files, std::string_view directory, std::string_view file) {
  return files.FileExists(InDirectory(directory, file));
}

bool IsWindowsDirectoryTool(std::string_view file) {
  return file == "regedit.exe" || file == "winrep.exe";
}

// The built-in games, by the bare file names they carry; the user's own games, which
// follow them in the same menu, carry full paths.
template <typename Each>
void ForEachBuiltInGame(MenuItem& games, Each each) {
  for (const auto& item : games.Items())
    for (const BuiltInGame& game : kBuiltInGames)
      if (item->Hint == game.file) each(*item);
}

void OnClick(MenuItem& item, std::function<void()> action) {
  item.OnClick = [action = std::move(action)](const MenuItem&) { action(); };
}

void WireAccessories(ToolbarMenus& menus, LaunchContext& context) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kAccessories{{
      {"EksploratorWindows1", "explorer"}, {"CDPlayer1", "cdplayer"},
      {"Edytorznakwprywatnych1", "eudcedit.exe"}, {"DVDPlayer1", "dvdplay"},
      {"Kalkulator1", "calc"}, {"Lupasystemowa1", "magnify"}, {"Narrator1", "narrator"},
      {"Notatnik1", "notepad"}, {"Odtwarzaczmultimedialny1", "mplay32"}, {"Paint1", "MSPAINT"},
      {"Podgldschowka1", "clipbrd"}, {"Regulacjagonoci1", "sndvol32"},
      {"Rejestratordwiku1", "sndrec32"}, {"Tablicaznakw1", "charmap"}, {"WordPad1", "write"},
  }};
  for (const auto& [name, program] : kAccessories)
    OnClick(menus.Item(name), [&context, program = program] { context.launcher.OpenWithShell(program); });
  // Which Dr. Watson the system has is decided when it is asked for.
  OnClick(menus.Item("DrWatson1"), [&context] {
    const bool nt = Exists(context.files, context.systemDirectory, "DRWTSN32.EXE");
    context.launcher.OpenWithShell(nt ? "DRWTSN32" : "DRWTSN");
  });
}

void WireAppletsToolsAndGames(ToolbarMenus& menus, LaunchContext& context) {
  OnClick(menus.Item("Panelsterowania1"), [&context] {
    context.launcher.RunCommandLine("rundll32 shell32.dll,Control_RunDLL", ShowCommand::Show);
  });
  for (std::size_t i = kFirstApplet; i < menus.PanelPM.Count(); ++i) {
    MenuItem& applet = menus.PanelPM[i];
    if (applet.IsSeparator()) continue;
    applet.OnClick = [&context](const MenuItem& item) {
      context.toolbar.ReleaseButtons();
      context.launcher.RunCommandLine("Control.exe " + item.Hint);
    };
  }
  const auto openHint = [&context](const MenuItem& item) {
    context.toolbar.ReleaseButtons();
    context.launcher.OpenWithShell(item.Hint);
  };
  for (const auto& tool : menus.UslugiPM.Items())
    if (!tool->IsSeparator()) tool->OnClick = openHint;
  ForEachBuiltInGame(menus.GryPM, [&](MenuItem& game) { game.OnClick = openHint; });
}

void WireFolders(ToolbarMenus& menus, LaunchContext& context) {
  struct Folder {
    std::string_view item;
    int csidl;
    std::string_view subFolder;
  };
  static constexpr std::array<Folder, 25> kFolders{{
      {"Autostart1", csidl::kStartup, ""},
      {"Ciasteczka1", csidl::kCookies, ""},
      {"Czcionki1", csidl::kFonts, ""},
      {"DaneAplikacji1", csidl::kAppData, ""},
      {"Historia1", csidl::kHistory, ""},
      {"MenuSTART1", csidl::kStartMenu, ""},
      {"MenuSTARTwszyscyuytkownicy1", csidl::kCommonStartMenu, ""},
      {"MenuSTARTProgramy1", csidl::kPrograms, ""},
      {"MenuSTARTProgramywszyscyuytkownicy1", csidl::kCommonPrograms, ""},
      {"Mojedokumenty2", csidl::kPersonal, ""},
      {"Mojedokumenty3", csidl::kPersonal, ""},
      {"Mojeorazy2", csidl::kPersonal, "\\Moje obrazy"},
      {"Mojeobrazy1", csidl::kPersonal, "\\Moje obrazy"},
      {"Mojamuzyka1", csidl::kPersonal, "\\Moja muzyka"},
      {"Mojewideo1", csidl::kPersonal, "\\Moje wideo"},
      {"MojewitrynysieciWeb1", csidl::kPersonal, "\\Moje witryny sieci Web"},
      {"NetHood1", csidl::kNetHood, ""},
      {"Ostatniootwartepliki1", csidl::kRecent, ""},
      {"Pulpit1", csidl::kDesktopDirectory, ""},
      {"Pulpitwszyscyuytkownicy1", csidl::kCommonDesktopDirectory, ""},
      {"Szablony1", csidl::kTemplates, ""},
      {"Tymczasoweplikiinternetowe1", csidl::kInternetCache, ""},
      {"Ulubione2", csidl::kFavorites, ""},
      {"Wylijdo1", csidl::kSendTo, ""},
      {"Mjkomputer1", csidl::kDrives, ""},
  }};
  for (const Folder& folder : kFolders)
    OnClick(menus.Item(folder.item), [&context, folder] {
      context.launcher.OpenSpecialFolder(folder.csidl, folder.subFolder);
    });

  static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kControlFolders{{
      {"Drukarki1", "printers"}, {"Narzdziaadministracyjne1", "admintools"},
      {"Zaplanowanezadania1", "schedtasks"},
  }};
  for (const auto& [name, parameters] : kControlFolders)
    OnClick(menus.Item(name), [&context, parameters = parameters] {
      context.launcher.OpenWithShell("control", parameters);
    });

  OnClick(menus.Item("Windows1"), [&context] { context.launcher.OpenWithShell(context.windowsDirectory); });
  OnClick(menus.Item("WindowsSystem1"), [&context] { context.launcher.OpenWithShell(context.systemDirectory); });
  OnClick(menus.Item("Poczeniainternetoweitelefoniczne1"), [&context] {
    if (Exists(context.files, context.systemDirectory, "ncpa.cpl")) {
      context.launcher.RunCommandLine("Control.exe ncpa.cpl");
    } else {
      context.messages.Show(kMissingFolderFilesText, kMissingFolderFilesTitle, MessageIcon::Error);
    }
  });
}

void WireInternetAboutAndExit(ToolbarMenus& menus, LaunchContext& context) {
  OnClick(menus.Item("Telnet1"), [&context] { context.launcher.OpenWithShell("telnet"); });
  OnClick(menus.Item("Przegldarkainternetowa1"), [&context] { context.launcher.OpenWithShell("http://"); });
  OnClick(menus.Item("Klientpocztowy1"), [&context] {
    context.launcher.OpenWithShell("mailto:", std::nullopt, ShowCommand::Show);
  });
  OnClick(menus.Item("WindowsUpdate1"), [&context] {
    context.launcher.OpenWithShell(addresses::kWindowsUpdate);
  });
  MenuItem& maker = menus.Item("wwwBrenvald1");
  maker.Hint = addresses::kMakerSite;
  maker.OnClick = [&context](const MenuItem& item) { context.launcher.OpenWithShell(item.Hint); };

  OnClick(menus.Item("Wylijemaildoautroa1"), [&context] {
    context.toolbar.ReleaseButtons();
    context.launcher.OpenWithShell("mailto:" + std::string(addresses::kMakerMail) +
                                       std::string(addresses::kMailSubjectAndBody),
                                   std::nullopt, ShowCommand::Show);
  });
  OnClick(menus.Item("StronaWWW1"), [&context] {
    context.toolbar.ReleaseButtons();
    context.launcher.OpenWithShell(addresses::kMakerSite);
  });

  static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 3> kSessionEnds{{
      {"Wyloguj1", exit_flags::kLogOff | exit_flags::kForce},
      {"Uruchomponownie1", exit_flags::kReboot | exit_flags::kForce},
      {"Zamknijsystem1", exit_flags::kPowerOff | exit_flags::kForce},
  }};
  for (const auto& [name, flags] : kSessionEnds)
    OnClick(menus.Item(name), [&context, flags = flags] { context.launcher.EndSession(flags); });
}

}  // namespace

void WireLaunchCommands(ToolbarMenus& menus, LaunchContext& context) {
  WireAccessories(menus, context);
  WireAppletsToolsAndGames(menus, context);
  WireFolders(menus, context);
  WireInternetAboutAndExit(menus, context);
}

void RefreshAppletsMenu(ToolbarMenus& menus, const FileSystem& files, std::string_view systemDirectory) {
  for (std::size_t i = kFirstApplet; i < menus.PanelPM.Count(); ++i) {
    MenuItem& applet = menus.PanelPM[i];
    if (!applet.IsSeparator()) applet.Visible = Exists(files, systemDirectory, applet.Hint);
  }
}

void RefreshToolsMenu(ToolbarMenus& menus, const FileSystem& files, std::string_view systemDirectory,
                      std::string_view windowsDirectory) {
  for (const auto& tool : menus.UslugiPM.Items()) {
    if (tool->IsSeparator()) continue;
    const std::string_view directory = IsWindowsDirectoryTool(tool->Hint) ? windowsDirectory : systemDirectory;
    tool->Visible = Exists(files, directory, tool->Hint);
  }
  menus.UslugiPM[kToolsSeparator].Visible =
      Exists(files, systemDirectory, "cmd.exe") || Exists(files, systemDirectory, "services.msc");
}

void ShowBuiltInGames(ToolbarMenus& menus, const FileSystem& files, std::string_view systemDirectory) {
  bool any = false;
  ForEachBuiltInGame(menus.GryPM, [&](MenuItem& game) {
    if (!Exists(files, systemDirectory, game.Hint)) return;
    game.Visible = true;
    any = true;
  });
  if (any) menus.Item("N2").Visible = true;
}

void RefreshBeforePopup(ToolbarButton button, ToolbarMenus& menus, const LaunchContext& context) {
  switch (button) {
    case ToolbarButton::Panel:
      RefreshAppletsMenu(menus, context.files, context.systemDirectory);
      break;
    case ToolbarButton::Uslugi:
      RefreshToolsMenu(menus, context.files, context.systemDirectory, context.windowsDirectory);
      break;
    default:
      break;
  }
}

}  // namespace kromelik
