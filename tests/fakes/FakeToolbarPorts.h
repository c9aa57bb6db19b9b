#pragma once

// Fakes of the toolbar's window, cursor, timers and clock, recording what the toolbar
// asked of them.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/ports/Clock.h"
#include "core/ports/Cursor.h"
#include "core/ports/Dialogs.h"
#include "core/ports/ToolbarTimers.h"
#include "core/ports/ToolbarWindow.h"

namespace kromelik::fakes {

class FakeToolbarWindow : public ToolbarWindow {
 public:
  void Show() override { visible = true; events.push_back("show"); }
  void Hide() override { visible = false; events.push_back("hide"); }
  void SetOrigin(ScreenPoint corner) override { origin = corner; }
  void MoveToTop(int newTop) override { top = newTop; tops.push_back(newTop); }
  void Repaint() override { ++repaints; }
  bool IsActive() const override { return active; }
  bool FullScreenInFront(const Rect& area) const override {
    return fullScreenInFront && (!fullScreenOn || *fullScreenOn == area);
  }
  void SetEnabled(bool isEnabled) override { enabled = isEnabled; events.push_back(isEnabled ? "enable" : "disable"); }
  void HideTaskbarButton() override { ++taskbarHides; }
  void ShowButtonDown(ToolbarButton button) override { shownDown.push_back(button); }
  void Close() override { events.push_back("close"); }
  bool RegisterHotkey(std::uint16_t code) override {
    if (code != 0 && code == takenHotkey) return false;
    hotkey = code;
    return true;
  }
  void TakeKeyboard() override { events.push_back("take keyboard"); }
  void GiveKeyboardBack() override { events.push_back("give keyboard back"); }
  void ShowLook(const ToolbarLook& look, std::optional<std::uint8_t> opacity) override {
    looks.push_back({look, opacity});
  }

  bool visible = true;
  bool active = true;
  bool fullScreenInFront = false;
  std::optional<Rect> fullScreenOn;  // the monitor it fills; every one when not given
  ScreenPoint origin;
  bool enabled = true;
  int top = -45;
  int repaints = 0;
  int taskbarHides = 0;
  std::uint16_t hotkey = 0;
  std::uint16_t takenHotkey = 0;  // held by another program
  std::vector<int> tops;
  std::vector<ToolbarButton> shownDown;  // every change of the pressed button, in order
  std::vector<std::string> events;
  struct Look {
    ToolbarLook look;
    std::optional<std::uint8_t> opacity;
    bool operator==(const Look&) const = default;
  };
  std::vector<Look> looks;
};

class FakeCursor : public Cursor {
 public:
  ScreenPoint Position() const override { return position; }
  ScreenPoint position{500, 300};
};

class FakeToolbarTimers : public ToolbarTimers {
 public:
  void SetEnabled(ToolbarTimer timer, bool enabled) override {
    (timer == ToolbarTimer::Slide ? slide : buttonWatch) = enabled;
    changes.push_back({timer, enabled});
  }
  struct Change {
    ToolbarTimer timer;
    bool enabled;
    bool operator==(const Change&) const = default;
  };
  bool slide = false;  // as the platform's timers are before the toolbar starts
  bool buttonWatch = false;
  std::vector<Change> changes;
};

// Records which dialogs the menus asked to open.
class FakeDialogs : public Dialogs {
 public:
  void Open(ToolbarDialog dialog) override { opened.push_back(dialog); }
  std::vector<ToolbarDialog> opened;
};

class FakeClock : public Clock {
 public:
  std::uint64_t NowMilliseconds() const override { return now; }
  void Sleep(int milliseconds) override {
    sleeps.push_back(milliseconds);
    now += static_cast<std::uint64_t>(raised > 0 ? milliseconds : 16);
  }
  void RaiseResolution() override { ++raised; ++raises; }
  void RestoreResolution() override { --raised; }

  std::uint64_t now = 0;
  int raised = 0;  // how many raises are outstanding
  int raises = 0;
  std::vector<int> sleeps;
};

}  // namespace kromelik::fakes

#include "core/Toolbar.h"
#include "core/ports/MessageBoxes.h"

namespace kromelik::fakes {

class FakeMessageBoxes : public MessageBoxes {
 public:
  struct Shown {
    std::string text;
    std::string title;
    MessageIcon icon;
    bool operator==(const Shown&) const = default;
  };
  void Show(std::string_view text, std::string_view title, MessageIcon icon) override {
    shown.push_back({std::string(text), std::string(title), icon});
    if (onShow) onShow();
  }
  std::vector<Shown> shown;
  std::function<void()> onShow;  // runs while the box would be open

  struct Asked {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
    bool operator==(const Asked&) const = default;
  };
  // Takes the next of `answers`; with none left the user pressed Escape.
  MessageAnswer Ask(std::string_view text, std::string_view title, MessageIcon icon,
                    MessageButtons buttons) override {
    asked.push_back({std::string(text), std::string(title), icon, buttons});
    if (onShow) onShow();
    if (answers.empty()) return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<Asked> asked;
  std::deque<MessageAnswer> answers;
};

}  // namespace kromelik::fakes

namespace kromelik::fakes {

// A toolbar on a 1024-pixel-wide screen over the fakes above, for the tests of whatever
// borrows, holds or releases it.
struct FakeToolbar {
  ToolbarLayout layout{1024};
  FakeToolbarWindow window;
  FakeCursor cursor;
  FakeToolbarTimers timers;
  FakeClock clock;
  Toolbar toolbar{layout, window, cursor, timers, clock};
};

}  // namespace kromelik::fakes
