#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/ShellLauncher.h"

namespace kromelik::fakes {

// Records every request in order, so tests can see what would have been started.
class FakeShellLauncher : public ShellLauncher {
 public:
  struct Opened {
    WindowHandle owner;
    std::string verb;
    std::string target;
    std::optional<std::string> parameters;
    ShowCommand show;
    bool operator==(const Opened&) const = default;
  };
  struct Ran {
    std::string commandLine;
    ShowCommand show;
    bool operator==(const Ran&) const = default;
  };

  void Open(WindowHandle owner, std::string_view verb, std::string_view target,
            std::optional<std::string_view> parameters, ShowCommand show) override {
    opened.push_back({owner, std::string(verb), std::string(target),
                      parameters ? std::optional<std::string>(*parameters) : std::nullopt, show});
  }
  void RunCommandLine(std::string_view commandLine, ShowCommand show) override {
    ran.push_back({std::string(commandLine), show});
  }
  bool EndSession(std::uint32_t exitFlags) override {
    endSessionFlags.push_back(exitFlags);
    return endSessionAccepted;
  }

  std::vector<Opened> opened;
  std::vector<Ran> ran;
  std::vector<std::uint32_t> endSessionFlags;
  bool endSessionAccepted = true;
};

}  // namespace kromelik::fakes
