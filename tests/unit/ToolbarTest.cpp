#include "core/Toolbar.h"

#include <gtest/gtest.h>

#include "fakes/FakeToolbarPorts.h"

namespace kromelik {
namespace {

class ToolbarTest : public ::testing::Test, protected fakes::FakeToolbar {
 protected:
  ToolbarTest() { toolbar.Start(); }

  void CursorAt(int y) { cursor.position.y = y; }
  // Brings the strip past its start and into view.
  void SlideInOnce() {
    CursorAt(300);
    toolbar.OnSlideTimer();
    CursorAt(0);
    toolbar.OnSlideTimer();
  }

};

TEST_F(ToolbarTest, StartsVisibleAboveTheScreenAndIgnoresTheTopEdgeUntilTheCursorWasBelow) {
  EXPECT_EQ(toolbar.State(), ToolbarState::Starting);
  EXPECT_EQ(toolbar.DownButton(), ToolbarButton::Kromelik);

  CursorAt(0);
  toolbar.OnSlideTimer();
  CursorAt(45);
  toolbar.OnSlideTimer();
  EXPECT_TRUE(window.tops.empty()) << "no slide while starting";
  EXPECT_EQ(toolbar.State(), ToolbarState::Starting);

  CursorAt(46);
  toolbar.OnSlideTimer();
  EXPECT_EQ(toolbar.State(), ToolbarState::Hidden);
  EXPECT_EQ(window.tops.front(), 0) << "the first slide out starts from the top edge";
  EXPECT_EQ(window.events.back(), "hide");
}

TEST_F(ToolbarTest, SlidesInInFortySixPaintedOnePixelStepsAndStaysWhileTheCursorIsOnIt) {
  CursorAt(300);
  toolbar.OnSlideTimer();
  window.tops.clear();
  window.repaints = 0;
  clock.sleeps.clear();

  cursor.position = {777, 0};
  toolbar.OnSlideTimer();
  ASSERT_EQ(window.tops.size(), 46u);
  for (int i = 0; i <= 45; ++i) EXPECT_EQ(window.tops[static_cast<std::size_t>(i)], i - 45);
  EXPECT_EQ(window.repaints, 46);
  EXPECT_EQ(clock.sleeps, std::vector<int>(46, 1));
  EXPECT_EQ(toolbar.State(), ToolbarState::Shown);
  EXPECT_EQ(toolbar.Top(), 0);

  for (int y : {0, 10, 45}) {
    CursorAt(y);
    toolbar.OnSlideTimer();
  }
  EXPECT_EQ(window.tops.size(), 46u) << "no movement anywhere within the strip";

  toolbar.LayoutChanged();
  EXPECT_EQ(window.tops.size(), 46u) << "a new bevel leaves the strip in view where it is";
  EXPECT_EQ(toolbar.Top(), 0);
}

TEST_F(ToolbarTest, SlidesOutUnpaintedAndHidesOnceTheCursorIsBelowTheStrip) {
  SlideInOnce();
  window.tops.clear();
  window.repaints = 0;

  CursorAt(46);
  toolbar.OnSlideTimer();
  ASSERT_EQ(window.tops.size(), 46u);
  EXPECT_EQ(window.tops.front(), 0);
  EXPECT_EQ(window.tops.back(), -45);
  EXPECT_EQ(window.repaints, 0);
  EXPECT_FALSE(window.visible);
  EXPECT_EQ(toolbar.State(), ToolbarState::Hidden);
}

TEST_F(ToolbarTest, SlidesHoldAFinerTimerResolutionOnlyWhileTheyRun) {
  SlideInOnce();
  EXPECT_EQ(clock.raised, 0);
  EXPECT_EQ(clock.raises, 2) << "one slide out at start, one slide in";
  EXPECT_EQ(clock.now, 2u * 46u) << "46 pauses of 1 ms each way";
  toolbar.OnSlideTimer();
  EXPECT_EQ(clock.raises, 2) << "nothing raised while the strip rests";
}

TEST_F(ToolbarTest, APressedButtonHoldsTheStripUntilTheButtonsAreReleased) {
  SlideInOnce();
  toolbar.Press(ToolbarButton::Dyski);
  toolbar.OnButtonWatchTimer();
  EXPECT_FALSE(timers.slide);
  EXPECT_EQ(toolbar.State(), ToolbarState::Held);

  toolbar.Press(ToolbarButton::Panel);
  EXPECT_FALSE(toolbar.IsDown(ToolbarButton::Dyski)) << "one button of the group at a time";

  toolbar.ReleaseButtons();
  toolbar.OnButtonWatchTimer();
  EXPECT_TRUE(timers.slide);
  EXPECT_EQ(toolbar.State(), ToolbarState::Shown);
}

TEST_F(ToolbarTest, LosingActivationReleasesTheButtons) {
  SlideInOnce();
  toolbar.Press(ToolbarButton::Wylacz);
  window.active = false;
  toolbar.OnButtonWatchTimer();
  EXPECT_EQ(toolbar.DownButton(), ToolbarButton::Kromelik);
  EXPECT_TRUE(timers.slide);
}

TEST_F(ToolbarTest, TheCloseButtonIsNotWatched) {
  toolbar.Press(ToolbarButton::Close);
  toolbar.OnButtonWatchTimer();
  EXPECT_TRUE(timers.slide);
}

TEST_F(ToolbarTest, ADialogBorrowsTheToolbarUntilItCloses) {
  SlideInOnce();
  toolbar.Press(ToolbarButton::About);
  bool shownWhileTimersStopped = false;
  toolbar.OpenDialog([&] {
    shownWhileTimersStopped = !timers.slide && !timers.buttonWatch &&
                              toolbar.DownButton() == ToolbarButton::Kromelik && window.enabled;
  });
  EXPECT_TRUE(shownWhileTimersStopped) << "timers off and buttons up before the dialog shows";
  EXPECT_FALSE(window.enabled);
  EXPECT_EQ(toolbar.State(), ToolbarState::LentToDialog);

  toolbar.Resume();
  EXPECT_TRUE(timers.slide && timers.buttonWatch && window.enabled);
  EXPECT_EQ(toolbar.State(), ToolbarState::Shown);
}

TEST_F(ToolbarTest, AMessageBoxStopsBothTimersWhileItIsOpen) {
  SlideInOnce();
  toolbar.Press(ToolbarButton::About);
  timers.changes.clear();
  ToolbarState during = ToolbarState::Shown;
  toolbar.WithMessageBox([&] { during = toolbar.State(); });
  EXPECT_EQ(during, ToolbarState::MessageBox);
  EXPECT_EQ(timers.changes,
            (std::vector<fakes::FakeToolbarTimers::Change>{{ToolbarTimer::Slide, false},
                                                           {ToolbarTimer::ButtonWatch, false},
                                                           {ToolbarTimer::Slide, true},
                                                           {ToolbarTimer::ButtonWatch, true}}));
  EXPECT_TRUE(window.enabled) << "a message box does not disable the toolbar";
}

// An idle strip wakes the system only for its slide timer: the button watch's ticks come
// while a button is down, and until the first tick after one that released it; a tick
// that finds every button up and the slide running would change nothing.
TEST_F(ToolbarTest, TheButtonWatchTicksOnlyWhileItMayChangeSomething) {
  SlideInOnce();
  EXPECT_TRUE(timers.slide);
  EXPECT_FALSE(timers.buttonWatch) << "nothing down at rest";

  toolbar.Press(ToolbarButton::Dyski);
  ASSERT_TRUE(timers.buttonWatch);
  toolbar.OnButtonWatchTimer();
  EXPECT_FALSE(timers.slide) << "a pressed button holds the strip";
  toolbar.ReleaseButtons();
  EXPECT_TRUE(timers.buttonWatch) << "the slide timer is still to be started again";
  toolbar.OnButtonWatchTimer();
  EXPECT_TRUE(timers.slide);
  EXPECT_FALSE(timers.buttonWatch);

  toolbar.OpenDialog(nullptr);
  toolbar.Resume();
  toolbar.OnButtonWatchTimer();
  EXPECT_FALSE(timers.buttonWatch) << "back at rest after the dialog";
  toolbar.WithMessageBox(nullptr);
  toolbar.Press(ToolbarButton::Panel);
  EXPECT_TRUE(timers.buttonWatch);
}

TEST(ToolbarLayoutTest, ButtonsAtTheRightEdgeFollowTheScreenWidth) {
  const ToolbarLayout layout(1024);
  EXPECT_EQ(layout.ButtonRect(ToolbarButton::Close).left, 978);
  EXPECT_EQ(layout.ButtonRect(ToolbarButton::Wylacz).left, 938);
  EXPECT_EQ(ToolbarLayout(1920).ButtonRect(ToolbarButton::Close).left, 1874);
}

TEST(ToolbarLayoutTest, MenusOpenUnderTheirButtonsAtTheWidthOffset) {
  const ToolbarLayout layout(1024);
  EXPECT_EQ(layout.PopupPoint(ToolbarButton::Panel, 0), (ScreenPoint{76, 44}));
  EXPECT_EQ(layout.PopupPoint(ToolbarButton::Programy, 0), (ScreenPoint{164, 44}));
  EXPECT_EQ(layout.PopupPoint(ToolbarButton::Wylacz, 0), (ScreenPoint{938 + 36, 44}));
  EXPECT_EQ(layout.PopupPoint(ToolbarButton::Internet, -10), (ScreenPoint{420, 34}))
      << "the toolbar's own top takes part";
}

TEST(ToolbarLayoutTest, OnlyTheRssButtonAndTheGroupHolderAreHidden) {
  for (const ButtonInfo& entry : ToolbarButtons()) {
    const bool hidden = entry.button == ToolbarButton::RSS || entry.button == ToolbarButton::Kromelik;
    EXPECT_EQ(entry.visible, !hidden) << entry.name;
    EXPECT_EQ(&ButtonInfoOf(entry.button), &entry) << "entries are indexed by their button";
  }
}

}  // namespace
}  // namespace kromelik

namespace kromelik {
namespace {

// The window repaints its buttons at every change it hears of: the button watch, which
// releases every 10 ms while another window is active, must tell it once.
TEST_F(ToolbarTest, TheWindowHearsOfEachChangeOfThePressedButtonOnce) {
  toolbar.Press(ToolbarButton::Panel);
  toolbar.Press(ToolbarButton::Panel);
  window.active = false;
  for (int tick = 0; tick < 5; ++tick) toolbar.OnButtonWatchTimer();
  EXPECT_EQ(window.shownDown,
            (std::vector<ToolbarButton>{ToolbarButton::Panel, ToolbarButton::Kromelik}));
}

TEST_F(ToolbarTest, ARevealSlidesTheStripInAndHoldsItAMomentButNeverOverAFullScreenProgram) {
  CursorAt(300);
  toolbar.OnSlideTimer();
  ASSERT_EQ(toolbar.State(), ToolbarState::Hidden);

  window.fullScreenInFront = true;
  toolbar.Reveal();
  EXPECT_EQ(toolbar.State(), ToolbarState::Hidden);
  window.fullScreenInFront = false;

  toolbar.Reveal();
  EXPECT_EQ(toolbar.Top(), 0);
  EXPECT_EQ(window.events.back(), "show");
  // The cursor is far below the strip, which stays until its moment is over.
  clock.now += 1000;
  toolbar.OnSlideTimer();
  EXPECT_EQ(toolbar.State(), ToolbarState::Shown);
  clock.now += 1000;
  toolbar.OnSlideTimer();
  EXPECT_EQ(toolbar.State(), ToolbarState::Hidden);

  SlideInOnce();
  toolbar.OpenDialog(nullptr);
  CursorAt(300);
  toolbar.Reveal();
  toolbar.Resume();
  toolbar.OnSlideTimer();
  EXPECT_EQ(toolbar.State(), ToolbarState::Hidden) << "a reveal while lent holds nothing";
}

TEST_F(ToolbarTest, ARenewalPutsTheStripBackWithItsTimersAsTheyWereAndShowsNothing) {
  CursorAt(300);
  toolbar.OnSlideTimer();
  window.events.clear();
  window.top = 200;
  timers.slide = false;
  toolbar.Renew();
  EXPECT_EQ(window.top, -45);
  EXPECT_TRUE(timers.slide);
  EXPECT_TRUE(window.events.empty()) << "nothing shows";

  SlideInOnce();
  toolbar.OpenDialog(nullptr);
  toolbar.Renew();
  EXPECT_EQ(window.top, 0);
  EXPECT_FALSE(timers.slide) << "the dialog still has the toolbar";
}

}  // namespace
}  // namespace kromelik
