#pragma once

// Real files for the adapter tests: a folder of its own under the platform's temporary
// folder, with Polish letters in its name so every path crosses the UTF-16 boundary,
// removed with all its content when the test ends.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace kromelik::wine {

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string PathOf(std::string_view name) const { return path_ + "\\" + std::string(name); }

  void WriteFile(std::string_view name, std::string_view bytes) const;
  void MakeDirectory(std::string_view name) const;
  // A shell link saved by the shell's own link object, pointing at `target`.
  void WriteShellLink(std::string_view name, std::string_view target) const;

 private:
  std::string path_;
};

// The program with the known version resource, built next to the test program.
std::string VersionedFixturePath();

// The file's content once it exists and is no longer being written, or nullopt when it
// does not appear in time. For programs started without waiting for them.
std::optional<std::string> WaitForFile(const std::string& path,
                                       std::chrono::milliseconds timeout = std::chrono::seconds(20));

}  // namespace kromelik::wine
