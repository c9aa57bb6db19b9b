#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/ports/FileInformation.h"

namespace kromelik {

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
