#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kromelik {

// The platform's shell-link object could not be created.
class ShellLinkUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Shortcuts {
 public:
  virtual ~Shortcuts() = default;

  // Target path stored in a shell link file; empty when the link has none or the file
  // cannot be read as a link. Throws ShellLinkUnavailable.
  virtual std::string LinkTarget(std::string_view linkPath) = 0;
};

}  // namespace kromelik
