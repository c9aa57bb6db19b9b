#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kromelik {

// An icon owned by whoever received it; 0 is no icon. Opaque to the core, which only
// hands it on to a menu or an image list.
using IconHandle = std::uintptr_t;

enum class IconSize { Small, Large, Open };

// The fixed part of a version resource, as the platform stores it.
struct FixedVersionInfo {
  std::uint32_t fileVersionMS = 0;
  std::uint32_t fileVersionLS = 0;
  std::uint32_t productVersionMS = 0;
  std::uint32_t productVersionLS = 0;
  std::uint32_t flagsMask = 0;
  std::uint32_t flags = 0;
  std::uint32_t fileType = 0;
  std::uint32_t fileSubtype = 0;
};

struct VersionTranslation {
  std::uint16_t language = 0;
  std::uint16_t codePage = 0;
};

// A file's version block, read once.
class VersionResource {
 public:
  virtual ~VersionResource() = default;

  virtual std::optional<VersionTranslation> FirstTranslation() const = 0;
  // `subBlock` as the platform's query takes it, e.g. "\StringFileInfo\041504e2\ProductName";
  // the text up to its NUL, nullopt when the block has no such entry.
  virtual std::optional<std::string> QueryString(std::string_view subBlock) const = 0;
  virtual std::optional<FixedVersionInfo> Fixed() const = 0;
};

class FileInformation {
 public:
  virtual ~FileInformation() = default;

  // The shell's icon for the file; 0 when it gives none. The caller owns the icon.
  virtual IconHandle ShellIcon(std::string_view path, IconSize size) = 0;
  // Icon number `index` stored in the file itself (a program, library or icon file), at
  // the platform's large size; 0 when the file holds none. The caller owns the icon.
  virtual IconHandle FileIcon(std::string_view path, int index) = 0;
  virtual void DestroyIcon(IconHandle icon) = 0;
  // The shell's type name of the file, such as the description of its file type.
  virtual std::optional<std::string> TypeName(std::string_view path) const = 0;
  // Whether the shell takes the file for a program.
  virtual bool IsProgram(std::string_view path) const = 0;
  // nullptr when the file has no version block.
  virtual std::unique_ptr<VersionResource> ReadVersion(std::string_view path) const = 0;
};

}  // namespace kromelik
