// Whatever the core throws stops at the window procedure: the program keeps running, the
// window keeps answering, and what was swallowed is told in the log.

#include <windows.h>

#include <string>

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
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring log = std::wstring(folder) + L"kromelik-window-test.log";
  DeleteFileW(log.c_str());
  SetEnvironmentVariableW(L"KROMELIK_LOG", log.c_str());

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

  SetEnvironmentVariableW(L"KROMELIK_LOG", nullptr);
  std::string told;
  const HANDLE file = CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "nothing was told";
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
    told.append(buffer, read);
  CloseHandle(file);
  DeleteFileW(log.c_str());
  for (const char* expected :
       {"message 0x8001 of window KromelikThrowingWindow: a value of the wrong kind",
        "message 0x8002 of window KromelikThrowingWindow: no shell link object",
        "message 0x0113 of window KromelikThrowingWindow: a tick that fails"})
    EXPECT_NE(told.find(expected), std::string::npos) << expected << " not in:\n" << told;
}

}  // namespace
}  // namespace kromelik
