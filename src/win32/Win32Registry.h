#pragma once

#include <memory>
#include <string_view>

#include "core/ports/Registry.h"

namespace kromelik {

// The registry of the signed-in user. Keys open for reading and writing where the user
// may write, and for reading alone where not (much of HKEY_CLASSES_ROOT belongs to the
// machine), so a read never fails for want of write access.
class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, std::string_view path,
                                       bool createIfMissing) override;
};

}  // namespace kromelik
