#include "contract/DownloadContract.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace kromelik::contract {

namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

// An INI file with what a text-mode copy would spoil.
const std::string kVersionFile = "[Kromelik]\r\nversion=2.0.0.43\r\n\0\x1A\xFF"s;

}  // namespace

std::vector<std::string> DownloadContract::LocalNames() const {
  std::vector<std::string> names;
  for (const auto& entry : harness_->Files().FindEntries(Local("*"))) names.push_back(entry.name);
  std::sort(names.begin(), names.end());
  return names;
}

TEST_P(DownloadContract, PutsTheWholeFileInPlaceOfTheLocalOne) {
  harness_->WriteLocalFile("dane.ini", "stara wersja");

  EXPECT_EQ(harness_->Subject().ToFile(harness_->Published(kVersionFile), Local("dane.ini"), 10s),
            DownloadResult::Done);

  EXPECT_EQ(harness_->Files().ReadWholeFile(Local("dane.ini")).bytes, kVersionFile);
  EXPECT_EQ(LocalNames(), std::vector<std::string>{"dane.ini"}) << "nothing left beside it";
}

TEST_P(DownloadContract, AMissingSourceFailsAndLeavesTheLocalFileAsItWas) {
  harness_->WriteLocalFile("dane.ini", "stara wersja");

  EXPECT_EQ(harness_->Subject().ToFile(harness_->Missing(), Local("dane.ini"), 10s),
            DownloadResult::Failed);

  EXPECT_EQ(harness_->Files().ReadWholeFile(Local("dane.ini")).bytes, "stara wersja");
  EXPECT_EQ(LocalNames(), std::vector<std::string>{"dane.ini"}) << "nothing left beside it";
}

TEST_P(DownloadContract, ALocalPathInAMissingFolderFails) {
  const std::string url = harness_->Published(kVersionFile);

  EXPECT_EQ(harness_->Subject().ToFile(url, Local("brak\\dane.ini"), 10s), DownloadResult::Failed);

  EXPECT_FALSE(harness_->Files().DirectoryExists(Local("brak")));
}

TEST_P(DownloadContract, ASilentServerTimesOutWithinAboutTheTimeoutAndWritesNothing) {
  const std::string url = harness_->Silent();
  const auto started = std::chrono::steady_clock::now();

  const DownloadResult result = harness_->Subject().ToFile(url, Local("dane.ini"), 1s);

  const auto waited = std::chrono::steady_clock::now() - started;
  EXPECT_EQ(result, DownloadResult::TimedOut);
  EXPECT_LT(waited, 3s);
  EXPECT_FALSE(harness_->Files().FileExists(Local("dane.ini")));
}

}  // namespace kromelik::contract
