#pragma once

#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/ports/Drives.h"

namespace kromelik::fakes {

// Drives by letter: whatever order a test adds them in, they are listed from A to Z with
// every letter not added as one without a root, and adding a letter again replaces it,
// as one letter can name only one drive.
class FakeDrives : public Drives {
 public:
  void Add(char letter, DriveType type, std::string label = {}) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    drives_[upper] = Drive{upper, type, std::move(label)};
  }

  std::vector<Drive> List() const override {
    std::vector<Drive> listed;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      const auto added = drives_.find(letter);
      listed.push_back(added != drives_.end() ? added->second
                                              : Drive{letter, DriveType::NoRootDirectory, {}});
    }
    return listed;
  }

 private:
  std::map<char, Drive> drives_;
};

}  // namespace kromelik::fakes
