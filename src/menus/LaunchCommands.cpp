#include "menus/LaunchCommands.h"

#include "core/ComponentNames.h"

namespace kromelik {

namespace {

constexpr std::size_t kFirstApplet = 2;  // after "Panel sterowania" and its separator

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

}  // namespace

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
}

void ShowBuiltInGames(ToolbarMenus& menus, const FileSystem& files, std::string_view systemDirectory) {
  ForEachBuiltInGame(menus.GryPM, [&](MenuItem& game) {
    if (Exists(files, systemDirectory, game.Hint)) game.Visible = true;
  });
}

void RefreshBeforePopup(ToolbarButton button, ToolbarMenus& menus, const CommandContext& context) {
  switch (ButtonInfoOf(button).rebuild) {
    case RebuildBeforePopup::Applets:
      RefreshAppletsMenu(menus, context.files, context.systemDirectory);
      break;
    case RebuildBeforePopup::Tools:
      RefreshToolsMenu(menus, context.files, context.systemDirectory, context.windowsDirectory);
      break;
    default:  // the lists' menus, which their builders make again
      break;
  }
}

}  // namespace kromelik
