#pragma once

// Fakes of the small read-only ports: whatever a test puts into their fields is what
// the platform would have answered.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/ports/Connectivity.h"
#include "core/ports/CurrentProcess.h"
#include "core/ports/FileInformation.h"
#include "core/ports/ProgramFile.h"
#include "core/ports/Shortcuts.h"
#include "core/ports/ShellFolders.h"
#include "core/ports/TempFolder.h"
#include "fakes/FakeText.h"

namespace kromelik::fakes {

class FakeShellFolders : public ShellFolders {
 public:
  std::optional<std::string> FolderPath(int csidl) const override {
    const auto it = folders.find(csidl);
    if (it == folders.end()) return std::nullopt;
    return it->second;
  }
  std::string WindowsDirectory() const override { return windowsDirectory; }
  std::string SystemDirectory() const override { return systemDirectory; }

  std::map<int, std::string> folders;
  std::string windowsDirectory = "C:\\Windows";
  std::string systemDirectory = "C:\\Windows\\system32";
};

// A version block: `strings` by the whole query path, compared without regard to case
// as the platform's query does.
struct FakeVersion {
  std::optional<VersionTranslation> translation;
  std::map<std::string, std::string> strings;
  std::optional<FixedVersionInfo> fixed;
};

struct FakeFile {
  IconHandle icon = 0;      // the shell's icon of the file
  IconHandle fileIcon = 0;  // the first icon stored in the file itself
  std::optional<std::string> typeName;
  bool isProgram = false;
  std::optional<FakeVersion> version;
};

class FakeFileInformation : public FileInformation {
 public:
  IconHandle ShellIcon(std::string_view path, IconSize size) override {
    requestedSizes.push_back(size);
    const FakeFile* file = Find(path);
    return file ? file->icon : 0;
  }
  IconHandle FileIcon(std::string_view path, int index) override {
    const FakeFile* file = Find(path);
    return file && index == 0 ? file->fileIcon : 0;
  }
  void DestroyIcon(IconHandle icon) override { destroyed.push_back(icon); }
  std::optional<std::string> TypeName(std::string_view path) const override {
    const FakeFile* file = Find(path);
    return file ? file->typeName : std::nullopt;
  }
  bool IsProgram(std::string_view path) const override {
    const FakeFile* file = Find(path);
    return file && file->isProgram;
  }
  std::unique_ptr<VersionResource> ReadVersion(std::string_view path) const override;

  std::map<std::string, FakeFile> files;  // by upper-cased path
  std::vector<IconSize> requestedSizes;
  std::vector<IconHandle> destroyed;

  FakeFile& Add(std::string_view path) { return files[UpperCase(path)]; }

 private:
  const FakeFile* Find(std::string_view path) const {
    const auto it = files.find(UpperCase(path));
    return it == files.end() ? nullptr : &it->second;
  }
};

class FakeShortcuts : public Shortcuts {
 public:
  std::string LinkTarget(std::string_view linkPath) override {
    if (unavailable) throw ShellLinkUnavailable("no shell link object");
    const auto it = targets.find(UpperCase(linkPath));
    return it == targets.end() ? std::string{} : it->second;
  }

  void Add(std::string_view linkPath, std::string target) { targets[UpperCase(linkPath)] = std::move(target); }

  std::map<std::string, std::string> targets;
  bool unavailable = false;
};

class FakeProgramFile : public ProgramFile {
 public:
  std::string Path() const override { return path; }
  std::string path = "C:\\Program Files\\Kromelik\\kromelik.exe";
};

class FakeTempFolder : public TempFolder {
 public:
  std::string PlatformTempPath() const override { return path; }
  std::string path = "C:\\Temp\\";
};

class FakeCurrentProcess : public CurrentProcess {
 public:
  std::uint32_t Id() const override { return id; }
  std::uint32_t id = 4242;
};

class FakeConnectivity : public Connectivity {
 public:
  bool IsConnected() const override { return connected; }
  bool connected = true;
};

}  // namespace kromelik::fakes
