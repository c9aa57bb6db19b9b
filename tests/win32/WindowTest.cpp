// Whatever the core throws stops at the window procedure: the program keeps running and
// the window keeps answering.

#include <windows.h>

#include <gtest/gtest.h>

#include "core/SettingsStore.h"
#include "core/ports/Shortcuts.h"
#include "win32/Window.h"

namespace kromelik {
namespace {

constexpr UINT kThrowSettings = WM_APP + 1;
constexpr UINT kThrowShortcut = WM_APP + 2;
constexpr UINT kThrowTimer = WM_APP + 3;
constexpr UINT kAnswer = WM_APP + 4;

class ThrowingWindow : public Window {
 public:
  bool Create() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    return RegisterClassOnce(L"KromelikThrowingWindow", instance, nullptr) &&
           CreateHandle(0, L"KromelikThrowingWindow", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                        instance) != nullptr;
  }
  int ticks = 0;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case kThrowSettings: throw SettingsError("a value of the wrong kind");
      case kThrowShortcut: throw ShellLinkUnavailable("no shell link object");
      case kThrowTimer:
        SetTimer(Handle(), 1, 1, nullptr);
        return 0;
      case WM_TIMER:
        ++ticks;
        throw std::runtime_error("a tick that fails");
      case kAnswer: return 42;
      default: return Window::HandleMessage(message, wParam, lParam);
    }
  }
};

TEST(WindowTest, AnExceptionOfAHandlerOrATickEndsThereAndTheWindowAnswersOn) {
  ThrowingWindow window;
  ASSERT_TRUE(window.Create());
  SendMessageW(window.Handle(), kThrowSettings, 0, 0);
  SendMessageW(window.Handle(), kThrowShortcut, 0, 0);
  SendMessageW(window.Handle(), kThrowTimer, 0, 0);
  MSG message;
  const DWORD deadline = GetTickCount() + 10000;
  while (window.ticks < 2 && GetTickCount() < deadline) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) break;
    DispatchMessageW(&message);
  }
  EXPECT_GE(window.ticks, 2) << "the timer goes on ticking after a tick threw";
  EXPECT_EQ(SendMessageW(window.Handle(), kAnswer, 0, 0), 42);
  EXPECT_TRUE(IsWindow(window.Handle()));
}

}  // namespace
}  // namespace kromelik
