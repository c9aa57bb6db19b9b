#pragma once

// The toolbar window: a borderless, always-on-top strip across the top of the screen,
// whose behaviour the core's ToolbarController decides. This class presents and
// forwards: it moves and paints the window, runs the two timers, draws the panel and the
// buttons, tells the controller of presses and choices, and shows the menus it answers
// through the menu renderer.

#include <array>
#include <string>
#include <cstdint>
#include <optional>

#include "menus/ToolbarController.h"
#include "win32/FlatButton.h"
#include "win32/Handles.h"
#include "win32/MenuRenderer.h"
#include "win32/Win32BackgroundWork.h"
#include "win32/Window.h"

namespace kromelik {

class TForm1 : public Window, public ToolbarWindow, public ToolbarTimers {
 public:
  TForm1() = default;
  ~TForm1() override;

  // Makes the window from the strip's base, waiting hidden above the screen; nothing
  // runs in it yet. `base` outlives the window.
  bool Create(HINSTANCE instance, ToolbarBase& base, std::string systemDirectory);
  // Once the window and the controller are made: the window shows at its waiting place,
  // the controller takes the stored look and the strip starts waiting, the timers run, and
  // the button pictures and the menus follow as the first thing the message loop does.
  // What the menus read in `background` is shown as it finishes.
  void ShowAtStart(ToolbarController& controller, Win32BackgroundWork& background);

  // Another copy's strip, found by its class, slides in for a moment (Toolbar::Reveal).
  static void RevealRunningCopy();

  // ToolbarWindow
  void Show() override;
  void Hide() override;
  void SetOrigin(ScreenPoint origin) override;
  void MoveToTop(int top) override;
  void Repaint() override;
  bool IsActive() const override;
  bool FullScreenInFront(const Rect& area) const override;
  void SetEnabled(bool enabled) override;
  void HideTaskbarButton() override;
  void ShowButtonDown(ToolbarButton down) override;
  void ShowLook(const ToolbarLook& look, std::optional<std::uint8_t> opacity) override;
  void Close() override;
  bool RegisterHotkey(std::uint16_t code) override;
  void TakeKeyboard() override;
  void GiveKeyboardBack() override;
  // ToolbarTimers
  void SetEnabled(ToolbarTimer timer, bool enabled) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnCreate();
  void CreateButtons();
  void FinishStart();
  std::array<const ImageList*, 4> MenuImages() const;
  void CompleteStart();
  void StartWarming();
  void WarmSome();
  void ShowFinishedWork();
  void SetTips(bool shown);
  void PlaceWindows();
  void LoadPictures();
  void OnScreenChanged();
  void OnSessionBack();
  void OnButtonClick(ToolbarButton button, bool byKeyboard);
  void FocusButton(ToolbarButton button);
  void Paint(HDC dc);
  void ApplyTransparency();
  void SetOpacity(std::optional<std::uint8_t> opacity);
  COLORREF PanelColour() const;

  ToolbarBase* base_ = nullptr;          // from Create on
  ToolbarController* controller_ = nullptr;  // from ShowAtStart on: presses and choices
  Win32BackgroundWork* background_ = nullptr;  // from ShowAtStart on
  std::string systemDirectory_;
  MenuRenderer renderer_;
  std::array<UniqueIcon, kToolbarButtonCount> pictures_;
  std::array<FlatButton, kToolbarButtonCount> buttons_;
  HWND tooltips_ = nullptr;
  POINT origin_{};  // the top-left corner of the strip's monitor
  int logoDpi_ = 0;  // the DPI the logo's font and the pictures were made for
  bool picturesLoaded_ = false;
  std::array<std::wstring, kToolbarButtonCount> hints_;  // the tooltip text of each button
  UniqueFont logoFont_;
  struct WarmPlace {
    // The menus built, then the fixed pictures made before any file's icon is asked
    // for, then what the menus make of the pictures at their first opening.
    enum class Phase { Build, Fixed, Warm } phase = Phase::Warm;
    std::size_t list = 0;
    int next = 0;
  };
  std::optional<WarmPlace> warming_;  // while pictures are made ahead of the menus
  bool warmAgain_ = false;  // icons came during a pass
  bool warmingStep_ = false;  // a step runs, perhaps under a message box it shows
  bool fixedPrepared_ = false;  // and the files' icons asked for
  bool startBegun_ = false;
  bool menusBuilt_ = false;
  bool finishedWaiting_ = false;  // work finished while a menu was open
  HWND keyboardOwner_ = nullptr;  // the window the hotkey took the keyboard from
};

}  // namespace kromelik
