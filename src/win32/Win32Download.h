#pragma once

#include <chrono>
#include <memory>
#include <string_view>
#include <vector>

#include "core/ports/Download.h"

namespace kromelik {

// URLDownloadToFileW, so the user's proxy settings and the system's cache apply. The
// transfer runs on a thread of its own that the caller never joins: a server that
// accepts and then says nothing holds the platform's call far longer than any timeout.
class Win32Download : public Download {
 public:
  Win32Download() = default;
  Win32Download(const Win32Download&) = delete;
  Win32Download& operator=(const Win32Download&) = delete;
  // Removes the files of transfers still hanging, which the end of the process would
  // otherwise leave behind when it ends their threads.
  ~Win32Download() override;

  DownloadResult ToFile(std::string_view url, std::string_view localPath,
                        std::chrono::milliseconds timeout) override;

  struct Transfer;  // shared with the transfer's thread; nothing for callers

 private:
  std::vector<std::weak_ptr<Transfer>> givenUp_;
};

}  // namespace kromelik
