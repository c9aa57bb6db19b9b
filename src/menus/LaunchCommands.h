#pragma once

// Which fixed items of the toolbar's menus are offered on this machine: an applet, tool
// or game only where its file exists.

#include <string>
#include <string_view>

#include "core/ToolbarButtons.h"
#include "core/ports/FileSystem.h"
#include "menus/MenuCommands.h"
#include "menus/ToolbarMenus.h"

namespace kromelik {

// Applets whose file is in the system directory; the control panel itself always.
void RefreshAppletsMenu(ToolbarMenus& menus, const FileSystem& files, std::string_view systemDirectory);
// Tools whose file is in the system directory (the registry editor and the Windows
// report tool: the Windows directory), and the separator under the first two.
void RefreshToolsMenu(ToolbarMenus& menus, const FileSystem& files, std::string_view systemDirectory,
                      std::string_view windowsDirectory);
// The built-in games found in the system directory, and the separator above them when
// there is any; nothing is hidden, since the games start hidden.
void ShowBuiltInGames(ToolbarMenus& menus, const FileSystem& files, std::string_view systemDirectory);

// The fixed menus' part of what the button table says a button's menu needs before it
// pops up (the applets, the tools); MenuBuilders::BeforePopup does the lists' part.
void RefreshBeforePopup(ToolbarButton button, ToolbarMenus& menus, const CommandContext& context);

}  // namespace kromelik
