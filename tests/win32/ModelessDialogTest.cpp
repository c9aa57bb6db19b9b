// A dialog borrows the toolbar and gives it back however it is closed.

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "core/Toolbar.h"
#include "fakes/FakeToolbarPorts.h"
#include "win32/ModelessDialog.h"

namespace kromelik {
namespace {

class ModelessDialogTest : public ::testing::Test, protected fakes::FakeToolbar {
 protected:
  ModelessDialogTest() {
    toolbar.Start();
    EXPECT_TRUE(dialog.Create(GetModuleHandleW(nullptr), nullptr, "Próbne okno", 200, 100));
  }

  // Delivers what is queued, as the program's message loop would.
  static void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (ModelessDialog::PreTranslate(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  void ExpectLent() {
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(toolbar.State(), ToolbarState::LentToDialog);
    EXPECT_FALSE(window.enabled);
    EXPECT_FALSE(timers.slide || timers.buttonWatch);
  }
  void ExpectGivenBack() {
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_NE(toolbar.State(), ToolbarState::LentToDialog);
    EXPECT_TRUE(window.enabled);
    EXPECT_TRUE(timers.slide && timers.buttonWatch);
  }

  ModelessDialog dialog{toolbar};
};

TEST_F(ModelessDialogTest, TheCloseBoxGivesTheToolbarBack) {
  toolbar.Press(ToolbarButton::About);
  dialog.Open();
  ExpectLent();
  EXPECT_EQ(toolbar.DownButton(), ToolbarButton::Kromelik) << "the buttons come up";

  SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
  ExpectGivenBack();
}

TEST_F(ModelessDialogTest, EscapeGivesTheToolbarBack) {
  dialog.Open();
  ExpectLent();
  PostMessageW(dialog.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  Pump();
  ExpectGivenBack();
}

TEST_F(ModelessDialogTest, DestroyingAnOpenDialogGivesTheToolbarBack) {
  dialog.Open();
  DestroyWindow(dialog.Handle());
  EXPECT_FALSE(dialog.IsOpen());
  EXPECT_TRUE(window.enabled);
  EXPECT_TRUE(timers.slide && timers.buttonWatch);
}

TEST_F(ModelessDialogTest, OpeningTwiceLendsOnceAndTheDialogCanBeReused) {
  dialog.Open();
  dialog.Open();
  EXPECT_EQ(std::count(window.events.begin(), window.events.end(), "disable"), 1);
  dialog.Close();
  dialog.Close();
  ExpectGivenBack();

  dialog.Open();
  ExpectLent();
  dialog.Close();
  ExpectGivenBack();
}

}  // namespace
}  // namespace kromelik
