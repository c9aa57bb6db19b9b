#pragma once

// The parts of the toolbar's menus that come from the machine and the user: the drives,
// the Recent folder, the stored documents, the user's lists, the registered and the
// maker's programs. Each builder fills the fixed slots and submenus that ToolbarMenus
// made, and gives the items it makes their click actions; the recency lists are moved
// on here too when such an item is opened.

#include <array>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "core/Launch.h"
#include "core/Settings.h"
#include "core/Toolbar.h"
#include "core/ToolbarButtons.h"
#include "core/ports/BackgroundWork.h"
#include "core/ports/Drives.h"
#include "core/ports/FileInformation.h"
#include "core/ports/FileSystem.h"
#include "core/ports/MessageBoxes.h"
#include "core/ports/PathChecks.h"
#include "core/ports/ProgramFile.h"
#include "core/ports/Registry.h"
#include "core/ports/ShellFolders.h"
#include "core/ports/Shortcuts.h"
#include "core/ports/TextServices.h"
#include "lists/MruList.h"
#include "menus/ToolbarMenus.h"

namespace kromelik {

// What the builders read and reach; everything must outlive the menus.
struct MenuSources {
  Registry& registry;
  const FileSystem& files;
  // Whether a path is there, for every path that may lie on a slow drive.
  PathChecks& paths;
  const ShellFolders& folders;
  FileInformation& fileInformation;
  Shortcuts& shortcuts;
  const TextServices& text;
  const Drives& drives;
  const ProgramFile& program;
  MessageBoxes& messages;
  Launcher& launcher;
  Toolbar& toolbar;
  // ShowFileExtensions is looked at by every build, so a change shows at the next one.
  const StartupOptions& options;
  // The Recent folder's shortcuts and the programs' descriptions are read here.
  BackgroundWork& background;
};

class MenuBuilders {
 public:
  MenuBuilders(ToolbarMenus& menus, MenuSources sources) : menus_(menus), sources_(sources) {}
  MenuBuilders(const MenuBuilders&) = delete;
  MenuBuilders& operator=(const MenuBuilders&) = delete;

  // Everything that is built once, at the toolbar's creation, in this order: the
  // Recent-folder scan puts programs into ImageListPM before the programs builder does,
  // and the games come last. The start runs them one at a time (BuildNextAtStart), and a
  // click that comes meanwhile runs first those its menu shows (BuildAtStartFor).
  void BuildAtStart();
  // Runs the next of the start's builds that has not run; false when none is left.
  bool BuildNextAtStart();
  // Runs those of the start's builds that fill `menu` and have not run, in their order.
  void BuildAtStartFor(const MenuItem& menu);
  // The lists' part of what the button table says a button's menu needs before it pops
  // up (quick launch, documents, the maker's programs); RefreshBeforePopup does the
  // fixed menus' part.
  void BeforePopup(ToolbarButton button);

  // Drives and folders.
  void BuildDrivesMenu();
  void ScanRecentFolder();
  void BuildDocumentsMenu();
  void RememberDocument(std::string_view path);

  // The user's lists and the registered programs.
  void BuildQuickLaunchMenu();
  void BuildInternetMenu();
  void RememberWebPage(std::string_view caption, std::string_view address);
  void BuildProgramsMenu();
  void BuildUserGames();
  void BuildMakerProgramsMenu();
  // The user's own menu from "lista.txt" beside the program, under "Inne".
  void LoadCustomMenuFile();

  // The click actions of the items built here; a link of the custom menu file opens
  // with OpenWebItem too.
  void OpenItemTarget(const MenuItem& item);
  void OpenWebItem(const MenuItem& item);
  void OpenDocumentItem(const MenuItem& item);

 private:
  struct RecentShortcut {
    std::string caption;
    std::string target;
  };
  // Reads the Recent folder's shortcuts, in the background; nothing when the shell's
  // link object is unavailable.
  std::vector<RecentShortcut> ReadRecentShortcuts(const std::string& folder,
                                                  std::stop_token stop) const;
  void ShowRecentShortcuts(const std::vector<RecentShortcut>& shortcuts);
  struct RegisteredProgram {
    std::string caption;
    std::string target;
    bool local = false;
  };
  struct RegisteredPrograms {
    std::size_t applications = 0;  // every one registered, whether it makes an item or not
    std::vector<RegisteredProgram> programs;
  };
  // Looks through the applications registered with the shell, in the background.
  RegisteredPrograms ReadRegisteredPrograms(std::stop_token stop) const;
  void ShowRegisteredPrograms(const RegisteredPrograms& found);
  // Reads the descriptions of `programs`, in the background, and puts them as the
  // captions of the registered programs' items.
  void DescribeRegisteredPrograms(std::vector<std::string> programs);
  void FillRecentPages();
  std::size_t AppendNamedPrograms(const MruListKind& list, MenuItem& menu);
  std::string CaptionOfFile(std::string_view path) const;

  MenuAction ItemTargetAction();
  MenuAction WebItemAction();
  MenuAction DocumentItemAction();

  enum class StartBuild {
    Drives, QuickLaunch, Internet, Recent, Programs, Documents, UserGames, CustomMenu, Count
  };
  void RunStartBuild(StartBuild build);
  bool Fills(StartBuild build, const MenuItem& menu) const;

  ToolbarMenus& menus_;
  MenuSources sources_;
  std::optional<std::size_t> fixedDriveItems_;  // the drives menu's own items, before the drives
  std::array<bool, static_cast<std::size_t>(StartBuild::Count)> startBuilt_{};
};

// The file's own icon appended to `images`, to be fetched when it is first shown, with
// picture `standBy` standing in until then and where the file gives none; its index.
int AppendIcon(ImageList& images, std::string_view path, FileIconKind kind, int standBy);
// The file name of a path: what follows its last "\" or ":".
std::string FileNameOf(std::string_view path);
// The extension with its dot, or "" where the file name has none.
std::string ExtensionOf(std::string_view path);
// The file name without its extension (the last "." and what follows it).
std::string WithoutExtension(std::string_view fileName);

// What the user is told of a "lista.txt" that is there but will not be read in full.
inline constexpr std::string_view kCustomMenuUnreadableText =
    "Nie można odczytać pliku z menu użytkownika:";
inline constexpr std::string_view kCustomMenuUnreadableTitle = "Błąd pliku !!!";
// A file that would make more entries than a menu may hold; shown with the same title.
inline constexpr std::string_view kCustomMenuTooLargeText =
    "Plik z menu użytkownika ma zbyt wiele pozycji:";
// Names the bound and what became of the entries beyond it.
std::string CustomMenuTooLargeDetail();

// A registered application's program, from its command line as the shell stores it:
// up to and including the first ".EXE" (letter case aside), without the opening quote
// of a quoted path; nothing when the line names no ".EXE".
std::optional<std::string> ProgramOfCommandLine(std::string_view upperCaseCommandLine);

}  // namespace kromelik
