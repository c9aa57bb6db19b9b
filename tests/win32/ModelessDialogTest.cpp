// A dialog borrows the toolbar and gives it back however it is closed; its controls
// share one font, sit at their 96-DPI places scaled to its DPI and answer the dialog
// manager's keys.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "core/Toolbar.h"
#include "fakes/FakeToolbarPorts.h"
#include "win32/ModelessDialog.h"

namespace kromelik {
namespace {

// Delivers what is queued, as the program's message loop would.
void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (ModelessDialog::PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

class ModelessDialogTest : public ::testing::Test, protected fakes::FakeToolbar {
 protected:
  ModelessDialogTest() {
    toolbar.Start();
    EXPECT_TRUE(dialog.Create(GetModuleHandleW(nullptr), nullptr, "Próbne okno", 200, 100));
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

TEST_F(ModelessDialogTest, DestroyingTheObjectOfAnOpenDialogGivesTheToolbarBack) {
  auto another = std::make_unique<ModelessDialog>(toolbar);
  ASSERT_TRUE(another->Create(GetModuleHandleW(nullptr), nullptr, "Drugie okno", 100, 50));
  another->Open();
  HWND handle = another->Handle();
  another.reset();
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_TRUE(window.enabled);
  EXPECT_TRUE(timers.slide && timers.buttonWatch);
}

// A dialog is made hidden when first asked for, while another window may be in front.
TEST_F(ModelessDialogTest, MakingADialogLeavesTheActivationWhereItWas) {
  HWND front = CreateWindowExW(0, WC_STATICW, L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SetActiveWindow(front);
  ASSERT_EQ(GetActiveWindow(), front);
  ModelessDialog another{toolbar};
  ASSERT_TRUE(another.Create(GetModuleHandleW(nullptr), nullptr, "Drugie okno", 100, 50));
  EXPECT_EQ(GetActiveWindow(), front);
  EXPECT_FALSE(IsWindowVisible(another.Handle()));
  DestroyWindow(front);
}

// A dialog with most kinds of control, made from a table in its tab order. OK is not
// IDOK, so Enter can reach it only as the default button, never by the IDOK fallback.
// The last tab stop is a push button that Enter does not press, as a browse button.
constexpr int kNameId = 101;
constexpr int kRememberId = 102;
constexpr int kOkId = 103;
constexpr int kBrowseId = 107;

struct SampleControl {
  ControlKind kind;
  int id;
  const char* caption;
  Rect96 at;
};

constexpr SampleControl kSample[] = {
    {ControlKind::Label, 100, "&Nazwa:", {8, 11, 60, 13}},
    {ControlKind::Edit, kNameId, "Kromelik", {72, 8, 121, 21}},
    {ControlKind::CheckBox, kRememberId, "Za&pamiętaj", {72, 35, 121, 17}},
    {ControlKind::DefaultButton, kOkId, "OK", {41, 161, 75, 25}},
    {ControlKind::Button, IDCANCEL, "Anuluj", {121, 161, 75, 25}},
    {ControlKind::GroupBox, 104, "Inne", {8, 58, 185, 97}},
    {ControlKind::ListView, 105, "", {15, 73, 171, 45}},
    {ControlKind::TrackBar, 106, "", {15, 123, 171, 25}},
    {ControlKind::Button, kBrowseId, "...", {8, 161, 28, 25}},
};
constexpr int kSampleWidth = 201;
constexpr int kSampleHeight = 193;

class SampleDialog : public ModelessDialog {
 public:
  using ModelessDialog::ModelessDialog;
  std::vector<int> clicks;  // ids of the buttons pressed, in order

 protected:
  void OnCreateControls() override {
    for (const SampleControl& control : kSample)
      EXPECT_NE(AddControl(control.kind, control.id, control.caption, control.at), nullptr);
  }
  bool OnCommand(int id, int code, HWND control) override {
    if (code == BN_CLICKED) clicks.push_back(id);
    return ModelessDialog::OnCommand(id, code, control);
  }
  bool EnterPresses(HWND button) const override { return GetDlgCtrlID(button) != kBrowseId; }
};

class ModelessDialogControlsTest : public ::testing::Test, protected fakes::FakeToolbar {
 protected:
  ModelessDialogControlsTest() {
    EXPECT_TRUE(dialog.Create(GetModuleHandleW(nullptr), nullptr, "Próbne okno", kSampleWidth,
                              kSampleHeight));
  }

  HWND Control(int id) const { return GetDlgItem(dialog.Handle(), id); }

  // Into the control with the focus, as the keyboard would put it.
  static void Key(UINT message, WPARAM key) {
    PostMessageW(GetFocus(), message, key, 1);
    Pump();
  }

  // Left, top, width and height in the dialog's client area.
  std::vector<LONG> PlaceOf(int id) const {
    RECT place{};
    GetWindowRect(Control(id), &place);
    MapWindowPoints(nullptr, dialog.Handle(), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right - place.left, place.bottom - place.top};
  }
  void ExpectPlacedAt(int dpi) const {
    for (const SampleControl& control : kSample) {
      const Rect96& at = control.at;
      EXPECT_EQ(PlaceOf(control.id),
                (std::vector<LONG>{MulDiv(at.left, dpi, 96), MulDiv(at.top, dpi, 96),
                                   MulDiv(at.width, dpi, 96), MulDiv(at.height, dpi, 96)}))
          << control.caption;
    }
  }

  // Unaware of DPI, the test program's windows are at the screen's DPI, and so is the
  // message font as SystemParametersInfoW reports it.
  static int ScreenDpi() {
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSX);
  }

  // The system's message font and the dialog's, as their descriptions.
  static LOGFONTW MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    EXPECT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    return metrics.lfMessageFont;
  }
  LOGFONTW DialogFont() const {
    LOGFONTW font{};
    EXPECT_EQ(GetObjectW(dialog.Font(), sizeof font, &font), int{sizeof font});
    return font;
  }

  void ExpectEveryControlHasTheDialogsFont() const {
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(dialog.Handle(), WM_GETFONT, 0, 0)),
              dialog.Font());
    for (const SampleControl& control : kSample) {
      // A track bar draws no text; Wine's keeps no font and answers WM_GETFONT with null.
      if (control.kind == ControlKind::TrackBar) continue;
      EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(Control(control.id), WM_GETFONT, 0, 0)),
                dialog.Font())
          << control.caption;
    }
  }

  static LONG ButtonType(HWND button) { return GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK; }

  SampleDialog dialog{toolbar};
};

// The dialog manager reads Shift from the thread's key state, not from the message.
class HeldShift {
 public:
  HeldShift() { Set(0x80); }
  ~HeldShift() { Set(0); }
  HeldShift(const HeldShift&) = delete;
  HeldShift& operator=(const HeldShift&) = delete;

 private:
  static void Set(BYTE state) {
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = state;
    SetKeyboardState(keys);
  }
};

TEST_F(ModelessDialogControlsTest, EveryShowingFocusesTheFirstTabStop) {
  dialog.Open();
  EXPECT_EQ(GetFocus(), Control(kNameId)) << "the label before it is no tab stop";
  SetFocus(Control(kRememberId));
  dialog.Close();
  dialog.Open();
  EXPECT_EQ(GetFocus(), Control(kNameId));
}

// The default look is on the focused push button, else on the default button.
TEST_F(ModelessDialogControlsTest, TabMovesInCreationOrderAndTheDefaultLookFollows) {
  dialog.Open();
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kRememberId));
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kOkId));
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), Control(IDCANCEL));
  EXPECT_EQ(ButtonType(Control(kOkId)), BS_PUSHBUTTON);
  const HeldShift shift;
  Key(WM_KEYDOWN, VK_TAB);
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kRememberId));
  EXPECT_EQ(ButtonType(Control(kOkId)), BS_DEFPUSHBUTTON);
  EXPECT_EQ(ButtonType(Control(IDCANCEL)), BS_PUSHBUTTON);
  Key(WM_KEYDOWN, VK_TAB);
  EXPECT_EQ(GetFocus(), Control(kNameId));
}

TEST_F(ModelessDialogControlsTest, EnterInTheEditPressesTheDefaultButton) {
  dialog.Open();
  Key(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(dialog.clicks, std::vector<int>{kOkId});
}

// The dialog manager gives the default look to any push button that takes the focus.
TEST_F(ModelessDialogControlsTest, AButtonThatEnterDoesNotPressNeverLooksDefault) {
  dialog.Open();
  {
    const HeldShift shift;
    Key(WM_KEYDOWN, VK_TAB);
  }
  ASSERT_EQ(GetFocus(), Control(kBrowseId));
  EXPECT_EQ(ButtonType(Control(kBrowseId)), BS_PUSHBUTTON);
  EXPECT_EQ(ButtonType(Control(kOkId)), BS_DEFPUSHBUTTON);
  Key(WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(dialog.clicks, std::vector<int>{IDOK}) << "Enter is the dialog's OK";
}

TEST_F(ModelessDialogControlsTest, ALabelsMnemonicFocusesTheControlAfterIt) {
  dialog.Open();
  SetFocus(Control(kRememberId));
  Key(WM_SYSCHAR, 'n');
  EXPECT_EQ(GetFocus(), Control(kNameId));
}

TEST_F(ModelessDialogControlsTest, ComingBackToTheDialogGivesItsControlTheFocusAgain) {
  dialog.Open();
  Key(WM_KEYDOWN, VK_TAB);
  ASSERT_EQ(GetFocus(), Control(kRememberId));
  HWND other = CreateWindowExW(0, WC_STATICW, L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SetActiveWindow(other);
  EXPECT_NE(GetFocus(), Control(kRememberId));
  SetActiveWindow(dialog.Handle());
  EXPECT_EQ(GetFocus(), Control(kRememberId));
  DestroyWindow(other);
}

TEST_F(ModelessDialogControlsTest, EveryControlHasTheSystemsMessageFont) {
  ASSERT_NE(dialog.Font(), nullptr) << "without a font a control shows the system font";
  ExpectEveryControlHasTheDialogsFont();
  EXPECT_STREQ(DialogFont().lfFaceName, MessageFont().lfFaceName);
  ASSERT_EQ(dialog.Dpi(), ScreenDpi());
  EXPECT_EQ(DialogFont().lfHeight, MessageFont().lfHeight);
}

TEST_F(ModelessDialogControlsTest, ControlsAndClientAreaAreThe96DpiMeasuresAtTheDialogsDpi) {
  ASSERT_EQ(dialog.Dpi(), ScreenDpi());
  RECT client{};
  GetClientRect(dialog.Handle(), &client);
  EXPECT_EQ(client.right, MulDiv(kSampleWidth, dialog.Dpi(), 96));
  EXPECT_EQ(client.bottom, MulDiv(kSampleHeight, dialog.Dpi(), 96));
  ExpectPlacedAt(dialog.Dpi());
}

TEST_F(ModelessDialogControlsTest, ADpiChangeMovesTheControlsAndRemakesTheFont) {
  const HFONT before = dialog.Font();
  RECT suggested{100, 80, 420, 400};
  SendMessageW(dialog.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(dialog.Dpi(), 144);
  // 72, 8, 121, 21 by one and a half, halves rounded away from zero.
  EXPECT_EQ(PlaceOf(kNameId), (std::vector<LONG>{108, 12, 182, 32}));
  ExpectPlacedAt(144);
  RECT frame{};
  GetWindowRect(dialog.Handle(), &frame);
  EXPECT_TRUE(EqualRect(&frame, &suggested));

  ExpectEveryControlHasTheDialogsFont();
  EXPECT_EQ(DialogFont().lfHeight, MulDiv(MessageFont().lfHeight, 144, ScreenDpi()));
  EXPECT_EQ(GetObjectType(before), 0u) << "the old font is deleted";
}

}  // namespace
}  // namespace kromelik
