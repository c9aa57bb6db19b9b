#pragma once

#include <chrono>
#include <string_view>

#include "core/ports/Download.h"

namespace kromelik {

// URLDownloadToFileW, so the user's proxy settings and the system's cache apply. The
// transfer runs on a thread of its own that the caller never joins: a server that
// accepts and then says nothing holds the platform's call far longer than any timeout.
class Win32Download : public Download {
 public:
  DownloadResult ToFile(std::string_view url, std::string_view localPath,
                        std::chrono::milliseconds timeout) override;
};

}  // namespace kromelik
