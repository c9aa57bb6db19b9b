#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/ports/ShellLauncher.h"

namespace kromelik {

class Win32ShellLauncher : public ShellLauncher {
 public:
  void Open(WindowHandle owner, std::string_view verb, std::string_view target,
            std::optional<std::string_view> parameters, ShowCommand show) override;
  void RunCommandLine(std::string_view commandLine, ShowCommand show) override;
  // Under Wine this ends every process of the prefix, whoever asked.
  bool EndSession(std::uint32_t exitFlags) override;
};

// Turns on the right to shut the system down in this process's token, without which
// ExitWindowsEx refuses to restart or power off. Whether the privilege is now enabled.
bool EnableShutdownPrivilege();

}  // namespace kromelik
