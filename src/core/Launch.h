#pragma once

// The four ways the menus hand something to the platform. Fire and forget: nothing the
// platform answers is examined, except that EndSession says whether it was accepted.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/ports/ShellLauncher.h"
#include "core/ports/ShellFolders.h"

namespace kromelik {

namespace exit_flags {
inline constexpr std::uint32_t kLogOff = 0;
inline constexpr std::uint32_t kReboot = 2;
inline constexpr std::uint32_t kForce = 4;
inline constexpr std::uint32_t kPowerOff = 8;
inline constexpr std::uint32_t kForceIfHung = 0x10;
}  // namespace exit_flags

// What is asked of the platform for `requested`: programs are asked to close and only
// those that hang are forced, so nobody's unsaved work in another program is thrown
// away without a question.
std::uint32_t SessionEndFlags(std::uint32_t requested);

class Launcher {
 public:
  Launcher(ShellLauncher& shell, const ShellFolders& folders) : shell_(shell), folders_(folders) {}

  // The toolbar's window, owner of whatever the shell shows while it opens a target.
  void SetOwner(WindowHandle owner) { owner_ = owner; }

  void OpenWithShell(std::string_view target, std::optional<std::string_view> parameters = std::nullopt,
                     ShowCommand show = ShowCommand::ShowNormal);
  void RunCommandLine(std::string_view commandLine, ShowCommand show = ShowCommand::ShowNormal);
  // The special folder's path followed by `subFolder` (which starts with "\").
  void OpenSpecialFolder(int csidl, std::string_view subFolder = {});
  bool EndSession(std::uint32_t requested);

 private:
  ShellLauncher& shell_;
  const ShellFolders& folders_;
  WindowHandle owner_ = 0;
};

}  // namespace kromelik
