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
  const std::string path = SpecialFolderPath(folders_, csidl);
  if (!path.empty()) {
    OpenWithShell(path + std::string(subFolder));
    return;
  }
  // A folder without a path is opened by the name the shell knows it by, where it has
  // one. Anything else would open the wrong place: an empty target, or the sub-folder's
  // name alone, which the shell takes from the root of the current drive.
  const std::string_view name = VirtualFolderName(csidl);
  if (!name.empty() && subFolder.empty()) OpenWithShell(name);
}

bool Launcher::EndSession(std::uint32_t requested) {
  return shell_.EndSession(SessionEndFlags(requested));
}

}  // namespace kromelik
