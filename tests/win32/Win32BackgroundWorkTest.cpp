#include "win32/Win32BackgroundWork.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace kromelik {
namespace {

// Waits for `message` to reach `window`, at most `timeoutMs`.
bool WaitForMessage(HWND window, UINT message, ULONGLONG timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline) {
    MSG msg;
    if (PeekMessageW(&msg, window, message, message, PM_REMOVE)) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_POSTMESSAGE);
  }
  return false;
}

// The menus' reading of a thousand shortcuts relies on this: the work leaves the
// window's thread, what it found comes back to that thread only when the window asks,
// in the order posted, and the program's end stops work under way rather than waiting
// for it or leaving it to reach what has ended.
TEST(Win32BackgroundWork, WorkRunsElsewhereAndComesBackToTheWindowWhenItAsks) {
  const HWND window =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const DWORD here = GetCurrentThreadId();
  std::vector<int> order;
  std::atomic<DWORD> workThread{0};
  std::atomic<bool> started{false};
  std::atomic<bool> stopped{false};
  {
    Win32BackgroundWork background;
    for (int piece = 1; piece <= 2; ++piece) {
      background.Post([&](std::stop_token) { workThread = GetCurrentThreadId(); },
                      [&, piece] {
                        EXPECT_EQ(GetCurrentThreadId(), here);
                        order.push_back(piece);
                      });
    }
    background.SetWindow(window);
    ASSERT_TRUE(WaitForMessage(window, Win32BackgroundWork::FinishedMessage(), 10000));
    EXPECT_TRUE(order.empty()) << "shown only when the window asks";
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (order.size() < 2 && GetTickCount64() < deadline) {
      background.RunFinished();
      if (order.size() < 2) WaitForMessage(window, Win32BackgroundWork::FinishedMessage(), 100);
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_NE(workThread.load(), 0U);
    EXPECT_NE(workThread.load(), here);

    // Work that would go on for a minute, ended with the program.
    background.Post(
        [&](std::stop_token stop) {
          started = true;
          const ULONGLONG end = GetTickCount64() + 60000;
          while (!stop.stop_requested() && GetTickCount64() < end) Sleep(5);
          stopped = stop.stop_requested();
        },
        [&] { order.push_back(3); });
    const ULONGLONG begun = GetTickCount64() + 10000;
    while (!started && GetTickCount64() < begun) Sleep(5);
    ASSERT_TRUE(started);
  }
  EXPECT_TRUE(stopped) << "the end asks the work to stop and waits for it";
  EXPECT_EQ(order.size(), 2U);
  DestroyWindow(window);
}

}  // namespace
}  // namespace kromelik
