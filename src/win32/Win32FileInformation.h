#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports/FileInformation.h"

namespace kromelik {

// The answers a version block as GetFileVersionInfoW gives it holds.
std::unique_ptr<VersionResource> VersionResourceOfBlock(std::vector<std::byte> block);

class Win32FileInformation : public FileInformation {
 public:
  IconHandle ShellIcon(std::string_view path, IconSize size) override;
  IconHandle FileIcon(std::string_view path, int index) override;
  void DestroyIcon(IconHandle icon) override;
  std::optional<std::string> TypeName(std::string_view path) const override;
  bool IsProgram(std::string_view path) const override;
  std::unique_ptr<VersionResource> ReadVersion(std::string_view path) const override;
};

}  // namespace kromelik
