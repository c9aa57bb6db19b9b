#include "menus/MenuCommands.h"

#include "core/Addresses.h"
#include "menus/MenuItem.h"

namespace kromelik {

namespace {

bool InSystemDirectory(const CommandContext& context, std::string_view file) {
  return context.files.FileExists(context.systemDirectory + "\\" + std::string(file));
}

}  // namespace

namespace commands {

void OpenDrWatson(CommandContext& context, const MenuItem&) {
  // Which Dr. Watson the system has is decided when it is asked for.
  const bool nt = InSystemDirectory(context, "DRWTSN32.EXE");
  context.launcher.OpenWithShell(nt ? "DRWTSN32" : "DRWTSN");
}

void OpenNetworkConnections(CommandContext& context, const MenuItem&) {
  if (InSystemDirectory(context, "ncpa.cpl")) {
    context.launcher.RunCommandLine("Control.exe ncpa.cpl");
  } else {
    context.messages.Show(kMissingFolderFilesText, kMissingFolderFilesTitle, MessageIcon::Error);
  }
}

void OpenWindowsDirectory(CommandContext& context, const MenuItem&) {
  context.launcher.OpenWithShell(context.windowsDirectory);
}

void OpenSystemDirectory(CommandContext& context, const MenuItem&) {
  context.launcher.OpenWithShell(context.systemDirectory);
}

void MailTheAuthor(CommandContext& context, const MenuItem&) {
  context.launcher.OpenWithShell("mailto:" + std::string(addresses::kMakerMail) +
                                     std::string(addresses::kMailSubjectAndBody),
                                 std::nullopt, ShowCommand::Show);
}

void ShowHelp(CommandContext& context, const MenuItem&) {
  if (context.files.FileExists(context.helpPage)) {
    context.toolbar.ReleaseButtons();
    context.launcher.OpenWithShell(context.helpPage, std::nullopt, ShowCommand::ShowMaximized);
    return;
  }
  context.toolbar.WithMessageBox([&context] {
    context.messages.Show(kHelpUnavailableText, kHelpUnavailableTitle, MessageIcon::Information);
  });
}

}  // namespace commands

void RunCommand(const Command& command, CommandContext& context, const MenuItem& item) {
  using Kind = Command::Kind;
  if (command.kind == Kind::None) return;
  if (command.releaseButtons) context.toolbar.ReleaseButtons();
  Launcher& launcher = context.launcher;
  switch (command.kind) {
    case Kind::None:
      break;
    case Kind::Open:
      launcher.OpenWithShell(command.target, command.parameters, command.show);
      break;
    case Kind::OpenHint:
      launcher.OpenWithShell(item.Hint, std::nullopt, command.show);
      break;
    case Kind::CommandLine:
      launcher.RunCommandLine(command.target, command.show);
      break;
    case Kind::ControlApplet:
      launcher.RunCommandLine("Control.exe " + item.Hint, command.show);
      break;
    case Kind::SpecialFolder:
      launcher.OpenSpecialFolder(command.csidl, command.target);
      break;
    case Kind::EndSession:
      launcher.EndSession(command.exitFlags);
      break;
    case Kind::OpenDialog:
      context.dialogs.Open(command.dialog);
      break;
    case Kind::Custom:
      if (command.custom != nullptr) command.custom(context, item);
      break;
  }
}

}  // namespace kromelik
