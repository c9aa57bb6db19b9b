#pragma once

// What the shell and a file's version resource tell about one file, and where a
// shortcut points.

#include <string>
#include <string_view>

#include "core/ports/FileInformation.h"
#include "core/ports/FileSystem.h"
#include "core/ports/Shortcuts.h"
#include "core/ports/TextServices.h"

namespace kromelik {

// The file type of the fixed version information.
enum class FileKind { Unknown, Application, Library, Driver, Font, VirtualDevice, StaticLibrary };

// All texts empty and all flags false where the information is not there.
struct FileDetails {
  std::string TypeName;
  std::string CompanyName;
  std::string FileDescription;
  std::string FileVersion;
  std::string InternalName;
  std::string LegalCopyright;
  std::string LegalTrademarks;
  std::string OriginalFilename;
  std::string ProductName;
  std::string ProductVersion;
  std::string Comments;
  std::string SpecialBuild;
  std::string PrivateBuild;
  FileKind Kind = FileKind::Unknown;
  bool IsDebug = false;
  bool IsPreRelease = false;
  bool IsSpecialBuild = false;
  bool IsPrivateBuild = false;
  bool IsPatched = false;
  bool IsInfoInferred = false;

  bool operator==(const FileDetails&) const = default;
};

class TFileInfo {
 public:
  TFileInfo(FileInformation& files, std::string path);

  // Kind 1: large icon, 2: open icon, anything else: small icon. 0 when the shell has
  // none; the caller owns the icon.
  IconHandle GetIcon(int kind) const;
  FileDetails GetDetails() const;
  // The description from the version resource alone, empty where there is none: what a
  // menu of programs shows, without the type name and program check GetDetails pays
  // for on every file.
  std::string Description() const;

  const std::string& Path() const { return path_; }

 private:
  FileInformation& files_;
  std::string path_;
};

// The target of a ".lnk" or ".pif" file (either case); "" for anything else, for a
// missing file and for a link without a target. Throws ShellLinkUnavailable.
std::string ResolveShortcut(std::string_view path, const FileSystem& files, Shortcuts& shortcuts,
                            const TextServices& text);

}  // namespace kromelik
