#include "menus/LaunchCommands.h"

#include <array>
#include <utility>

#include "core/Addresses.h"
#include "core/ComponentNames.h"
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
      {names::kEksploratorWindows1, "explorer"},
      {names::kCDPlayer1, "cdplayer"},
      {names::kEdytorznakwprywatnych1, "eudcedit.exe"},
      {names::kDVDPlayer1, "dvdplay"},
      {names::kKalkulator1, "calc"},
      {names::kLupasystemowa1, "magnify"},
      {names::kNarrator1, "narrator"},
      {names::kNotatnik1, "notepad"},
      {names::kOdtwarzaczmultimedialny1, "mplay32"},
      {names::kPaint1, "MSPAINT"},
      {names::kPodgldschowka1, "clipbrd"},
      {names::kRegulacjagonoci1, "sndvol32"},
      {names::kRejestratordwiku1, "sndrec32"},
      {names::kTablicaznakw1, "charmap"},
      {names::kWordPad1, "write"},
  }};
  for (const auto& [name, program] : kAccessories)
    OnClick(menus.Item(name), [&context, program = program] { context.launcher.OpenWithShell(program); });
  // Which Dr. Watson the system has is decided when it is asked for.
  OnClick(menus.Item(names::kDrWatson1), [&context] {
    const bool nt = Exists(context.files, context.systemDirectory, "DRWTSN32.EXE");
    context.launcher.OpenWithShell(nt ? "DRWTSN32" : "DRWTSN");
  });
}

void WireAppletsToolsAndGames(ToolbarMenus& menus, LaunchContext& context) {
  OnClick(menus.Item(names::kPanelsterowania1), [&context] {
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
      {names::kAutostart1, csidl::kStartup, ""},
      {names::kCiasteczka1, csidl::kCookies, ""},
      {names::kCzcionki1, csidl::kFonts, ""},
      {names::kDaneAplikacji1, csidl::kAppData, ""},
      {names::kHistoria1, csidl::kHistory, ""},
      {names::kMenuSTART1, csidl::kStartMenu, ""},
      {names::kMenuSTARTwszyscyuytkownicy1, csidl::kCommonStartMenu, ""},
      {names::kMenuSTARTProgramy1, csidl::kPrograms, ""},
      {names::kMenuSTARTProgramywszyscyuytkownicy1, csidl::kCommonPrograms, ""},
      {names::kMojedokumenty2, csidl::kPersonal, ""},
      {names::kMojedokumenty3, csidl::kPersonal, ""},
      {names::kMojeorazy2, csidl::kPersonal, "\\Moje obrazy"},
      {names::kMojeobrazy1, csidl::kPersonal, "\\Moje obrazy"},
      {names::kMojamuzyka1, csidl::kPersonal, "\\Moja muzyka"},
      {names::kMojewideo1, csidl::kPersonal, "\\Moje wideo"},
      {names::kMojewitrynysieciWeb1, csidl::kPersonal, "\\Moje witryny sieci Web"},
      {names::kNetHood1, csidl::kNetHood, ""},
      {names::kOstatniootwartepliki1, csidl::kRecent, ""},
      {names::kPulpit1, csidl::kDesktopDirectory, ""},
      {names::kPulpitwszyscyuytkownicy1, csidl::kCommonDesktopDirectory, ""},
      {names::kSzablony1, csidl::kTemplates, ""},
      {names::kTymczasoweplikiinternetowe1, csidl::kInternetCache, ""},
      {names::kUlubione2, csidl::kFavorites, ""},
      {names::kWylijdo1, csidl::kSendTo, ""},
      {names::kMjkomputer1, csidl::kDrives, ""},
  }};
  for (const Folder& folder : kFolders)
    OnClick(menus.Item(folder.item), [&context, folder] {
      context.launcher.OpenSpecialFolder(folder.csidl, folder.subFolder);
    });

  static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kControlFolders{{
      {names::kDrukarki1, "printers"}, {names::kNarzdziaadministracyjne1, "admintools"},
      {names::kZaplanowanezadania1, "schedtasks"},
  }};
  for (const auto& [name, parameters] : kControlFolders)
    OnClick(menus.Item(name), [&context, parameters = parameters] {
      context.launcher.OpenWithShell("control", parameters);
    });

  OnClick(menus.Item(names::kWindows1),
          [&context] { context.launcher.OpenWithShell(context.windowsDirectory); });
  OnClick(menus.Item(names::kWindowsSystem1),
          [&context] { context.launcher.OpenWithShell(context.systemDirectory); });
  OnClick(menus.Item(names::kPoczeniainternetoweitelefoniczne1), [&context] {
    if (Exists(context.files, context.systemDirectory, "ncpa.cpl")) {
      context.launcher.RunCommandLine("Control.exe ncpa.cpl");
    } else {
      context.messages.Show(kMissingFolderFilesText, kMissingFolderFilesTitle, MessageIcon::Error);
    }
  });
}

void WireInternetAboutAndExit(ToolbarMenus& menus, LaunchContext& context) {
  OnClick(menus.Item(names::kTelnet1), [&context] { context.launcher.OpenWithShell("telnet"); });
  OnClick(menus.Item(names::kPrzegldarkainternetowa1),
          [&context] { context.launcher.OpenWithShell("http://"); });
  OnClick(menus.Item(names::kKlientpocztowy1), [&context] {
    context.launcher.OpenWithShell("mailto:", std::nullopt, ShowCommand::Show);
  });
  OnClick(menus.Item(names::kWindowsUpdate1), [&context] {
    context.launcher.OpenWithShell(addresses::kWindowsUpdate);
  });
  MenuItem& maker = menus.Item(names::kWwwBrenvald1);
  maker.Hint = addresses::kMakerSite;
  maker.OnClick = [&context](const MenuItem& item) { context.launcher.OpenWithShell(item.Hint); };

  OnClick(menus.Item(names::kWylijemaildoautroa1), [&context] {
    context.toolbar.ReleaseButtons();
    context.launcher.OpenWithShell("mailto:" + std::string(addresses::kMakerMail) +
                                       std::string(addresses::kMailSubjectAndBody),
                                   std::nullopt, ShowCommand::Show);
  });
  OnClick(menus.Item(names::kStronaWWW1), [&context] {
    context.toolbar.ReleaseButtons();
    context.launcher.OpenWithShell(addresses::kMakerSite);
  });

  static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 3> kSessionEnds{{
      {names::kWyloguj1, exit_flags::kLogOff | exit_flags::kForce},
      {names::kUruchomponownie1, exit_flags::kReboot | exit_flags::kForce},
      {names::kZamknijsystem1, exit_flags::kPowerOff | exit_flags::kForce},
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
  if (any) menus.Item(names::kN2).Visible = true;
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
