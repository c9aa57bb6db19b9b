#include "core/FileInfo.h"

#include <array>
#include <cstdio>
#include <utility>

namespace kromelik {

namespace {

constexpr std::uint32_t kDebug = 0x1;
constexpr std::uint32_t kPreRelease = 0x2;
constexpr std::uint32_t kPatched = 0x4;
constexpr std::uint32_t kPrivateBuild = 0x8;
constexpr std::uint32_t kInfoInferred = 0x10;
constexpr std::uint32_t kSpecialBuild = 0x20;

FileKind KindOfFileType(std::uint32_t fileType) {
  switch (fileType) {
    case 1: return FileKind::Application;
    case 2: return FileKind::Library;
    case 3: return FileKind::Driver;
    case 4: return FileKind::Font;
    case 5: return FileKind::VirtualDevice;
    case 7: return FileKind::StaticLibrary;
    default: return FileKind::Unknown;
  }
}

std::string StringPath(const VersionTranslation& translation, std::string_view key) {
  std::array<char, 32> hex{};
  std::snprintf(hex.data(), hex.size(), "%.4x%.4x", translation.language, translation.codePage);
  return "\\StringFileInfo\\" + std::string(hex.data()) + "\\" + std::string(key);
}

std::string Extension(std::string_view path) {
  const auto dot = path.find_last_of('.');
  const auto slash = path.find_last_of("\\/");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    return {};
  return std::string(path.substr(dot));
}

}  // namespace

TFileInfo::TFileInfo(FileInformation& files, std::string path)
    : files_(files), path_(std::move(path)) {}

IconHandle TFileInfo::GetIcon(int kind) const {
  const IconSize size = kind == 1 ? IconSize::Large : kind == 2 ? IconSize::Open : IconSize::Small;
  return files_.ShellIcon(path_, size);
}

std::string TFileInfo::Description() const {
  const auto resource = files_.ReadVersion(path_);
  if (!resource) return {};
  const auto translation = resource->FirstTranslation();
  if (!translation) return {};
  return resource->QueryString(StringPath(*translation, "FileDescription")).value_or("");
}

FileDetails TFileInfo::GetDetails() const {
  FileDetails details;
  if (auto typeName = files_.TypeName(path_)) details.TypeName = std::move(*typeName);

  // Documents, shortcuts and libraries get their type name only.
  if (!files_.IsProgram(path_)) return details;
  const auto resource = files_.ReadVersion(path_);
  if (!resource) return details;

  // The keys are spelled as the first version of the program looked them up; the
  // platform matches them without regard to case.
  const std::array<std::pair<std::string_view, std::string FileDetails::*>, 12> strings{{
      {"CompanyName", &FileDetails::CompanyName},
      {"FileDescription", &FileDetails::FileDescription},
      {"FileVersion", &FileDetails::FileVersion},
      {"InternalName", &FileDetails::InternalName},
      {"LegalCopyRight", &FileDetails::LegalCopyright},
      {"LegalTradeMarks", &FileDetails::LegalTrademarks},
      {"OriginalFileName", &FileDetails::OriginalFilename},
      {"ProductName", &FileDetails::ProductName},
      {"ProductVersion", &FileDetails::ProductVersion},
      {"Comments", &FileDetails::Comments},
      {"SpecialBuild", &FileDetails::SpecialBuild},
      {"PrivateBuild", &FileDetails::PrivateBuild},
  }};
  if (const auto translation = resource->FirstTranslation()) {
    for (const auto& [key, field] : strings) {
      if (auto found = resource->QueryString(StringPath(*translation, key)))
        details.*field = std::move(*found);
    }
  }

  if (const auto fixed = resource->Fixed()) {
    const std::uint32_t set = fixed->flags & fixed->flagsMask;
    details.IsDebug = (set & kDebug) != 0;
    details.IsPreRelease = (set & kPreRelease) != 0;
    details.IsPatched = (set & kPatched) != 0;
    details.IsPrivateBuild = (set & kPrivateBuild) != 0;
    details.IsInfoInferred = (set & kInfoInferred) != 0;
    details.IsSpecialBuild = (set & kSpecialBuild) != 0;
    details.Kind = KindOfFileType(fixed->fileType);
  }
  return details;
}

std::string ResolveShortcut(std::string_view path, const FileSystem& files, Shortcuts& shortcuts,
                            const TextServices& text) {
  if (!files.FileExists(path)) return {};
  const std::string extension = text.Upper(Extension(path));
  if (extension != ".LNK" && extension != ".PIF") return {};
  return shortcuts.LinkTarget(path);
}

}  // namespace kromelik
