#pragma once

#include <chrono>
#include <string_view>

namespace kromelik {

enum class DownloadResult {
  Done,      // the whole file is at the local path
  Failed,    // the transfer ended without a file; the local path is as it was
  TimedOut,  // the caller stopped waiting; the local path is as it was, and stays so
};

class Download {
 public:
  virtual ~Download() = default;

  // Fetches `url` into the file at `localPath`, replacing what is there, and waits about
  // `timeout` at most. The local file is replaced only by a finished transfer, never by
  // a part of one, and a transfer that finishes after the caller stopped waiting is
  // thrown away, so the caller may read, delete or reuse the path as soon as this returns.
  virtual DownloadResult ToFile(std::string_view url, std::string_view localPath,
                                std::chrono::milliseconds timeout) = 0;
};

}  // namespace kromelik
