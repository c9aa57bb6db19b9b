// Downloads over http from a server the test runs itself on the loopback interface.

#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "LoopbackServer.h"
#include "TestFolder.h"
#include "win32/Win32Download.h"
#include "win32/Win32FileSystem.h"

namespace kromelik {
namespace {

using namespace std::chrono_literals;

std::string HttpResponse(const std::string& body) {
  return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}

class Win32DownloadTest : public ::testing::Test {
 protected:
  // Whether the transfer's own file beside the target is gone, which it is once the
  // transfer thread has finished one way or the other.
  bool TransferFilesGone(std::chrono::milliseconds wait) const {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!files_.FindEntries(folder_.PathOf("krm*.tmp")).empty()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(50ms);
    }
    return true;
  }

  wine::TestFolder folder_;
  wine::LoopbackServer server_;
  Win32FileSystem files_;
  Win32Download download_;
};

TEST_F(Win32DownloadTest, FetchesAFileOverHttp) {
  const std::string body = "[Kromelik]\r\nversion=2.0.0.43\r\nurl=http://example.invalid/\r\n";
  std::thread answering([&] { EXPECT_TRUE(server_.Answer(HttpResponse(body))); });

  const DownloadResult result =
      download_.ToFile(server_.Url("/version.ini"), folder_.PathOf("dane.ini"), 20s);
  answering.join();

  EXPECT_EQ(result, DownloadResult::Done);
  EXPECT_EQ(files_.ReadWholeFile(folder_.PathOf("dane.ini")).bytes, body);
}

TEST_F(Win32DownloadTest, WaitsOutTheTimeoutAndAnAnswerAfterItNeverReachesTheFile) {
  const auto started = std::chrono::steady_clock::now();
  const DownloadResult result =
      download_.ToFile(server_.Url("/version.ini"), folder_.PathOf("dane.ini"), 1s);
  const auto waited = std::chrono::steady_clock::now() - started;
  ASSERT_EQ(result, DownloadResult::TimedOut);
  EXPECT_GE(waited, 900ms) << "gave up before the timeout";

  // The request is still waiting in the server; answering it now lets the transfer finish.
  ASSERT_TRUE(server_.Answer(HttpResponse("[Kromelik]\r\nversion=9.9.9.9\r\n")));

  ASSERT_TRUE(TransferFilesGone(20s)) << "the transfer did not finish after the answer";
  EXPECT_FALSE(files_.FileExists(folder_.PathOf("dane.ini")));
}

TEST_F(Win32DownloadTest, ATransferStillHangingLeavesNoFileOnceTheDownloaderIsGone) {
  {
    Win32Download ending;
    ASSERT_EQ(ending.ToFile(server_.Url("/version.ini"), folder_.PathOf("dane.ini"), 200ms),
              DownloadResult::TimedOut);
    ASSERT_FALSE(files_.FindEntries(folder_.PathOf("krm*.tmp")).empty())
        << "the hanging transfer has no file of its own to leave";
  }
  // Checked at once, with the request still unanswered: the end of a process ends the
  // transfer's thread before it could tidy up.
  EXPECT_TRUE(files_.FindEntries(folder_.PathOf("krm*.tmp")).empty());
  ASSERT_TRUE(server_.Answer(HttpResponse("late")));
  EXPECT_TRUE(TransferFilesGone(20s));
  EXPECT_FALSE(files_.FileExists(folder_.PathOf("dane.ini")));
}

}  // namespace
}  // namespace kromelik
