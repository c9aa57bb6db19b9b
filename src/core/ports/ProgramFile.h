#pragma once

#include <string>

namespace kromelik {

// Where the running program's file is.
class ProgramFile {
 public:
  virtual ~ProgramFile() = default;

  virtual std::string Path() const = 0;  // full path, as the platform reports it
};

}  // namespace kromelik
