#pragma once

// What a fixed menu item does, written as data in its menu's table row beside its name,
// caption and picture. The rows are bound to the running toolbar once, at its creation;
// choosing the item then runs its command through RunCommand.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Launch.h"
#include "core/Toolbar.h"
#include "core/ports/Dialogs.h"
#include "core/ports/FileSystem.h"
#include "core/ports/MessageBoxes.h"

namespace kromelik {

class MenuItem;

inline constexpr std::string_view kMissingFolderFilesText =
    "Nie można odnaleźć plików potrzebnych do uruchomienia tego folderu !!!";
inline constexpr std::string_view kMissingFolderFilesTitle = "Błąd !!!";
inline constexpr std::string_view kHelpUnavailableText =
    "Pomoc jak na razie jest niedostępna w tej wersji programu";
inline constexpr std::string_view kHelpUnavailableTitle = "Brak pomocy !!!";

// Everything the commands reach; it must live as long as the menus it is bound to.
struct CommandContext {
  Launcher& launcher;
  Toolbar& toolbar;
  const FileSystem& files;
  MessageBoxes& messages;
  std::string systemDirectory;
  std::string windowsDirectory;
  Dialogs& dialogs;
  std::string helpPage;  // where the program's help page lies when it was installed
};

// For the few commands that decide something when they run.
using CustomCommand = void (*)(CommandContext& context, const MenuItem& item);

struct Command {
  enum class Kind : std::uint8_t {
    None,           // the item does nothing (yet)
    Open,           // the shell opens `target` with `parameters`
    OpenHint,       // the shell opens the item's hint
    CommandLine,    // `target` runs as a command line
    ControlApplet,  // the control panel runs the applet the item's hint names
    SpecialFolder,  // the special folder `csidl`, with `target` as a sub-folder
    EndSession,     // the session ends as `exitFlags` ask
    OpenDialog,     // `dialog` borrows the toolbar
    Custom,
  };
  Kind kind = Kind::None;
  std::string_view target{};
  std::optional<std::string_view> parameters{};
  ShowCommand show = ShowCommand::ShowNormal;
  int csidl = 0;
  std::uint32_t exitFlags = 0;
  ToolbarDialog dialog = ToolbarDialog::About;
  // The pressed button comes up before the launch, so the strip can slide away.
  bool releaseButtons = false;
  CustomCommand custom = nullptr;
};

namespace commands {

constexpr Command Open(std::string_view target,
                       std::optional<std::string_view> parameters = std::nullopt,
                       ShowCommand show = ShowCommand::ShowNormal) {
  return {.kind = Command::Kind::Open, .target = target, .parameters = parameters, .show = show};
}
constexpr Command OpenHint() { return {.kind = Command::Kind::OpenHint}; }
constexpr Command CommandLine(std::string_view line, ShowCommand show = ShowCommand::ShowNormal) {
  return {.kind = Command::Kind::CommandLine, .target = line, .show = show};
}
constexpr Command ControlApplet() { return {.kind = Command::Kind::ControlApplet}; }
constexpr Command SpecialFolder(int csidl, std::string_view subFolder = {}) {
  return {.kind = Command::Kind::SpecialFolder, .target = subFolder, .csidl = csidl};
}
constexpr Command EndSession(std::uint32_t exitFlags) {
  return {.kind = Command::Kind::EndSession, .exitFlags = exitFlags};
}
constexpr Command OpenDialog(ToolbarDialog dialog) {
  return {.kind = Command::Kind::OpenDialog, .dialog = dialog};
}
constexpr Command Custom(CustomCommand custom) {
  return {.kind = Command::Kind::Custom, .custom = custom};
}
constexpr Command Releasing(Command command) {
  command.releaseButtons = true;
  return command;
}

// The commands that look at the machine or the toolbar when they run.
void OpenDrWatson(CommandContext& context, const MenuItem& item);
void OpenNetworkConnections(CommandContext& context, const MenuItem& item);
void OpenWindowsDirectory(CommandContext& context, const MenuItem& item);
void OpenSystemDirectory(CommandContext& context, const MenuItem& item);
void MailTheAuthor(CommandContext& context, const MenuItem& item);
void ShowHelp(CommandContext& context, const MenuItem& item);

}  // namespace commands

void RunCommand(const Command& command, CommandContext& context, const MenuItem& item);

}  // namespace kromelik
