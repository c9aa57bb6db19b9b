#pragma once

// The toolbar window: a borderless, always-on-top strip across the top of the screen,
// whose behaviour the core's Toolbar decides. This class carries it out: it moves and
// paints the window, runs the two timers, draws the panel and the buttons, and pops the
// buttons' menus up through the menu renderer.

#include <array>
#include <memory>

#include "core/Launch.h"
#include "core/Platform.h"
#include "core/Settings.h"
#include "core/Toolbar.h"
#include "core/ToolbarLayout.h"
#include "menus/LaunchCommands.h"
#include "menus/ToolbarMenus.h"
#include "win32/FlatButton.h"
#include "win32/Handles.h"
#include "win32/MenuRenderer.h"
#include "win32/Win32ToolbarPorts.h"
#include "win32/Window.h"

namespace kromelik {

class TForm1 : public Window, public ToolbarWindow, public ToolbarTimers {
 public:
  explicit TForm1(Platform platform);
  ~TForm1() override;

  bool Create(HINSTANCE instance);
  // Makes the window visible at its waiting place and starts the toolbar.
  void ShowAtStart();

  Toolbar& Behaviour() { return *toolbar_; }
  ToolbarMenus& Menus() { return menus_; }
  const StartupOptions& Options() const { return options_; }
  MessageBoxes& Messages() { return messages_; }
  const std::string& SystemDirectory() const { return systemDirectory_; }
  const std::string& WindowsDirectory() const { return windowsDirectory_; }

  // The menu style can change while the program runs (the options dialog).
  void SetMenuStyle(MenuStyle style) { options_.look.menuStyle = style; }

  // ToolbarWindow
  void Show() override;
  void Hide() override;
  void MoveToTop(int top) override;
  void Repaint() override;
  bool IsActive() const override;
  void SetEnabled(bool enabled) override;
  void HideTaskbarButton() override;
  // ToolbarTimers
  void SetEnabled(ToolbarTimer timer, bool enabled) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnCreate();
  void CreateButtons();
  void OnButtonClick(ToolbarButton button);
  void SyncButtons();
  void Paint(HDC dc);
  void ApplyTransparency();
  COLORREF PanelColour() const;

  Platform platform_;
  ToolbarLayout layout_;
  Win32Clock clock_;
  Win32Cursor cursor_;
  Win32MessageBoxes messages_;
  std::unique_ptr<Toolbar> toolbar_;
  ToolbarMenus menus_;
  MenuRenderer renderer_;
  Launcher launcher_;
  std::unique_ptr<LaunchContext> launchContext_;
  StartupOptions options_;
  std::string systemDirectory_;
  std::string windowsDirectory_;

  std::array<FlatButton, kToolbarButtonCount> buttons_;
  std::array<UniqueIcon, kToolbarButtonCount> pictures_;
  HWND tooltips_ = nullptr;
  UniqueFont logoFont_;
};

}  // namespace kromelik
