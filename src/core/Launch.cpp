#include "core/Launch.h"

#include <string>

#include "core/Csidl.h"
#include "core/WspolneFunkcje.h"

namespace kromelik {

std::uint32_t SessionEndFlags(std::uint32_t requested) {
  if ((requested & exit_flags::kForce) == 0) return requested;
  return (requested & ~exit_flags::kForce) | exit_flags::kForceIfHung;
}

void Launcher::OpenWithShell(std::string_view target, std::optional<std::string_view> parameters,
                             ShowCommand show) {
  shell_.Open(owner_, "open", target, parameters, show);
}

void Launcher::RunCommandLine(std::string_view commandLine, ShowCommand show) {
  shell_.RunCommandLine(commandLine, show);
}

namespace {

// The shell's own names of the virtual folders the menus open, which have no path.
std::string_view VirtualFolderName(int csidl) {
  if (csidl == csidl::kDrives) return "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
  return {};
}

}  // namespace

void Launcher::OpenSpecialFolder(int csidl, std::string_view subFolder) {
  std::string path = SpecialFolderPath(folders_, csidl);
  // An empty target would open nothing at all: a folder without a path is opened by
  // the name the shell knows it by.
  if (path.empty()) path = VirtualFolderName(csidl);
  OpenWithShell(path + std::string(subFolder));
}

bool Launcher::EndSession(std::uint32_t requested) {
  return shell_.EndSession(SessionEndFlags(requested));
}

}  // namespace kromelik
