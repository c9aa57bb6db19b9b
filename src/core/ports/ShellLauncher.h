#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kromelik {

// An opaque window handle handed through the core; 0 is no window.
using WindowHandle = std::uintptr_t;

// The platform's show commands, by their Windows numbers.
enum class ShowCommand : int { Hide = 0, ShowNormal = 1, ShowMaximized = 3, Show = 5 };

// Fire-and-forget requests to the shell: nothing the platform answers is examined.
class ShellLauncher {
 public:
  virtual ~ShellLauncher() = default;

  // Opens `target` with its registered handler (programs are searched on the path).
  virtual void Open(WindowHandle owner, std::string_view verb, std::string_view target,
                    std::optional<std::string_view> parameters, ShowCommand show) = 0;
  // Starts a command line as the platform would from its Run box.
  virtual void RunCommandLine(std::string_view commandLine, ShowCommand show) = 0;
  // Ends the Windows session; `exitFlags` are the platform's ExitWindowsEx flags.
  // Returns whether the platform accepted the request.
  virtual bool EndSession(std::uint32_t exitFlags) = 0;
};

}  // namespace kromelik
