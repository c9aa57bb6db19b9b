#pragma once

#include <string>
#include <vector>

namespace kromelik {

// The kinds of drive the platform tells apart, by its own numbers.
enum class DriveType : int {
  Unknown = 0,
  NoRootDirectory = 1,  // the letter is taken but leads nowhere, such as a lost mapping
  Removable = 2,
  Fixed = 3,
  Remote = 4,
  CdRom = 5,
  RamDisk = 6,
};

struct Drive {
  char letter = 'A';  // 'A' to 'Z'
  DriveType type = DriveType::Unknown;
  // Empty when the volume has no label, and when it could not be asked: no medium in the
  // drive, or a type without a root to ask.
  std::string label;
};

class Drives {
 public:
  virtual ~Drives() = default;

  // Every letter from A to Z, in order, each once, with the type the platform gives its
  // root: a letter not in use is NoRootDirectory (or Unknown), and which letters count
  // as drives is the caller's to decide. Asking a drive without a medium for its label
  // fails at once, with no box asking for a disc.
  virtual std::vector<Drive> List() const = 0;
};

}  // namespace kromelik
