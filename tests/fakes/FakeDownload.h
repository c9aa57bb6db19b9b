#pragma once

#include <chrono>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ports/Download.h"
#include "fakes/FakeFileSystem.h"

namespace kromelik::fakes {

// Addresses and what they serve; a finished transfer lands in the fake file system, so
// the code under test reads it back as it would a real one. Unknown addresses fail.
class FakeDownload : public Download {
 public:
  explicit FakeDownload(FakeFileSystem& files) : files_(files) {}

  void Publish(std::string url, std::string bytes) {
    published_[std::move(url)] = std::move(bytes);
  }
  // The server takes the request and never answers.
  void Silence(std::string url) { silent_.insert(std::move(url)); }

  DownloadResult ToFile(std::string_view url, std::string_view localPath,
                        std::chrono::milliseconds timeout) override {
    requests.push_back({std::string(url), std::string(localPath), timeout});
    if (silent_.count(std::string(url)) != 0) return DownloadResult::TimedOut;
    const auto source = published_.find(std::string(url));
    const auto slash = localPath.find_last_of('\\');
    // The transfer is written beside its target first, so a missing folder fails it.
    const bool folderExists =
        slash != std::string_view::npos && files_.DirectoryExists(localPath.substr(0, slash));
    if (source == published_.end() || !folderExists) return DownloadResult::Failed;
    files_.AddFile(localPath, source->second);
    return DownloadResult::Done;
  }

  struct Request {
    std::string url;
    std::string localPath;
    std::chrono::milliseconds timeout;
  };
  std::vector<Request> requests;

 private:
  FakeFileSystem& files_;
  std::map<std::string, std::string> published_;
  std::set<std::string> silent_;
};

}  // namespace kromelik::fakes
