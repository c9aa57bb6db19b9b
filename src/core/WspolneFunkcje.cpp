#include "core/WspolneFunkcje.h"

#include <array>
#include <optional>

#include "core/Csidl.h"

namespace kromelik {

namespace {

// The parent of a folder path, without its final "\"; "" when there is none.
std::string ParentFolder(std::string_view path) {
  const auto slash = path.find_last_of('\\');
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash));
}

std::string UserProfileFolder(const ShellFolders& folders) {
  if (auto profile = folders.FolderPath(csidl::kProfile); profile && !profile->empty())
    return *profile;
  // Where the platform knows no profile folder, it is the parent of the application
  // data folder, as on the systems this program first ran on.
  return ParentFolder(SpecialFolderPath(folders, csidl::kAppData));
}

}  // namespace

std::string SpecialFolderPath(const ShellFolders& folders, int csidl) {
  return folders.FolderPath(csidl).value_or(std::string{});
}

std::string SystemFolderPath(const ShellFolders& folders, const TextServices& text,
                             std::string_view which) {
  const std::string upper = text.Upper(which);
  if (upper == "WIN") return folders.WindowsDirectory();
  if (upper == "SYS") return folders.SystemDirectory();
  return {};
}

std::string ExpandPathVariables(std::string_view path, const ShellFolders& folders,
                                const TextServices& text) {
  const std::string lowered = text.Lower(path);

  enum class Marker { SystemRoot, WinDir, UserProfile, ProgramFiles };
  struct Candidate {
    std::string_view marker;
    Marker which;
  };
  static constexpr std::array<Candidate, 4> kMarkers{{
      {"%systemroot%", Marker::SystemRoot},
      {"%windir%", Marker::WinDir},
      {"%userprofile%", Marker::UserProfile},
      {"%programfiles%", Marker::ProgramFiles},
  }};

  for (const auto& candidate : kMarkers) {
    const auto at = lowered.find(candidate.marker);
    if (at == std::string::npos) continue;
    std::string replacement;
    switch (candidate.which) {
      case Marker::SystemRoot:
      case Marker::WinDir:
        replacement = SystemFolderPath(folders, text, "WIN");
        break;
      case Marker::UserProfile:
        replacement = UserProfileFolder(folders);
        break;
      case Marker::ProgramFiles:
        // Fixed on purpose: stored command lines were written for this folder.
        replacement = "C:\\Program Files";
        break;
    }
    // Replaced where it stands, so a marker behind a quote or a program name still
    // yields a whole path.
    return lowered.substr(0, at) + replacement + lowered.substr(at + candidate.marker.size());
  }
  return lowered;
}

std::string VersionText(const FixedVersionInfo* fixed) {
  const std::uint32_t ms = fixed ? fixed->fileVersionMS : 0;
  const std::uint32_t ls = fixed ? fixed->fileVersionLS : 0;
  return std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFFu) + "." +
         std::to_string(ls >> 16) + "." + std::to_string(ls & 0xFFFFu);
}

std::string ProgramVersionText(const ProgramFile& program, const FileInformation& files) {
  const auto resource = files.ReadVersion(program.Path());
  const auto fixed = resource ? resource->Fixed() : std::nullopt;
  return VersionText(fixed ? &*fixed : nullptr);
}

std::string BesideProgram(const ProgramFile& program, std::string_view name) {
  const std::string path = program.Path();
  const auto folderEnd = path.find_last_of("\\:");
  return (folderEnd == std::string::npos ? std::string{} : path.substr(0, folderEnd + 1)) +
         std::string(name);
}

std::string HelpPagePath(const ProgramFile& program) {
  return BesideProgram(program, "help\\kromelik.html");
}

std::string TempFolderPath(const TempFolder& temp, const FileSystem& files) {
  std::string path = temp.PlatformTempPath();
  if (!path.empty() && path.back() != '\\' && files.DirectoryExists(path)) path += '\\';
  return path;
}

bool IsInternetConnected(const Connectivity& connectivity) { return connectivity.IsConnected(); }

}  // namespace kromelik
