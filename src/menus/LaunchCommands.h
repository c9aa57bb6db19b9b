#pragma once

// What the fixed items of the toolbar's menus start, and which of them are offered on
// this machine: an applet, tool or game only where its file exists.

#include <string>
#include <string_view>

#include "core/Launch.h"
#include "core/Toolbar.h"
#include "core/ToolbarLayout.h"
#include "core/ports/FileSystem.h"
#include "core/ports/MessageBoxes.h"
#include "menus/ToolbarMenus.h"

namespace kromelik {

inline constexpr std::string_view kMissingFolderFilesText =
    "Nie można odnaleźć plików potrzebnych do uruchomienia tego folderu !!!";
inline constexpr std::string_view kMissingFolderFilesTitle = "Błąd !!!";

// Everything the commands need; it must live as long as the menus.
struct LaunchContext {
  Launcher& launcher;
  Toolbar& toolbar;
  const FileSystem& files;
  MessageBoxes& messages;
  std::string systemDirectory;
  std::string windowsDirectory;
};

void WireLaunchCommands(ToolbarMenus& menus, LaunchContext& context);

// Applets whose file is in the system directory; the control panel itself always.
void RefreshAppletsMenu(ToolbarMenus& menus, const FileSystem& files, std::string_view systemDirectory);
// Tools whose file is in the system directory (the registry editor and the Windows
// report tool: the Windows directory), and the separator under the first two.
void RefreshToolsMenu(ToolbarMenus& menus, const FileSystem& files, std::string_view systemDirectory,
                      std::string_view windowsDirectory);
// The built-in games found in the system directory, and the separator above them when
// there is any; nothing is hidden, since the games start hidden.
void ShowBuiltInGames(ToolbarMenus& menus, const FileSystem& files, std::string_view systemDirectory);

// The builder a button runs before its menu pops up, if it has one.
void RefreshBeforePopup(ToolbarButton button, ToolbarMenus& menus, const LaunchContext& context);

}  // namespace kromelik
