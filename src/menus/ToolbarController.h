#pragma once

// The toolbar as the user works it, apart from any window. The start is one pass in
// this order: the values the start reads (StartupValues), the strip's base made from
// them (ToolbarBase: layout, behaviour, look), the window and the dialogs made from
// those, then the controller with every reference it needs, which owns the menus and
// the launcher. The window tells it what happened (a button pressed, an item chosen,
// the bare panel clicked) and shows what it answers; the button states and the slide
// come back through the toolbar port.

#include <cstdint>
#include <optional>
#include <string>

#include "core/Launch.h"
#include "core/LiveLook.h"
#include "core/Platform.h"
#include "core/Settings.h"
#include "core/Toolbar.h"
#include "core/ToolbarLayout.h"
#include "core/ports/Clock.h"
#include "core/ports/Cursor.h"
#include "core/ports/Dialogs.h"
#include "core/ports/MessageBoxes.h"
#include "core/ports/ToolbarTimers.h"
#include "core/ports/ToolbarWindow.h"
#include "menus/LaunchCommands.h"
#include "menus/MenuBuilders.h"
#include "menus/ToolbarMenus.h"

namespace kromelik {

// The ports of the running toolbar, besides the platform's.
struct ToolbarPorts {
  ToolbarWindow& window;
  ToolbarTimers& timers;
  Cursor& cursor;
  Clock& clock;
  MessageBoxes& messages;
};

// What the start reads before anything is made, as values: the system's folders and
// the options, the program registered in its key on the way.
struct StartupValues {
  std::string systemDirectory;
  std::string windowsDirectory;
  StartupOptions options;
};
StartupValues ReadStartupValues(const Platform& platform);

// The strip before its menus: where its parts stand (at the size the stored bevels
// give it), how it slides and lends itself, and the look it shows. Made from the
// start's values; the window and the dialogs are made from it.
struct ToolbarBase {
  ToolbarBase(StartupOptions& options, Registry& registry, ToolbarPorts ports, int screenWidth,
              int dpi = kBaseDpi);
  ToolbarBase(const ToolbarBase&) = delete;
  ToolbarBase& operator=(const ToolbarBase&) = delete;

  ToolbarLayout layout;
  Toolbar toolbar;
  LiveLook look;
};

// A finished menu to show: normalised, with its pictures, and where it opens.
struct PopupMenu {
  const MenuItem& menu;
  const ImageList& images;
  MenuStyle style;
  ScreenPoint at;
};

class ToolbarController {
 public:
  // Every fixed item's command is bound here; `owner` is the window the shell's messages
  // belong to. Everything given must outlive the controller.
  ToolbarController(Platform platform, ToolbarPorts ports, const StartupValues& start,
                    ToolbarBase& base, Dialogs& dialogs, WindowHandle owner = 0);
  ToolbarController(const ToolbarController&) = delete;
  ToolbarController& operator=(const ToolbarController&) = delete;

  // The menus built from the machine and the user's lists. A heavy user's take far
  // longer than the strip to appear, and the strip waits above the screen until the
  // cursor has once left its area anyway, so the window shows first and builds them one
  // step at a time (true while steps remain); a button pressed meanwhile gets its own
  // menu built first.
  void BuildMenus();
  bool BuildMenusStep();
  // The window is up: it takes the stored look and the stored hotkey and the strip
  // starts waiting. A hotkey another program holds is told once the menus are built.
  void Start();

  // The button has been pressed: the menu to pop up under it, built and tidied, or
  // nothing (the close button closes the toolbar instead).
  std::optional<PopupMenu> PressButton(ToolbarButton button);
  // An item of the menu that PressButton answered has been chosen; the menu is gone.
  void Choose(const MenuItem& item);
  // A click on the panel between the buttons lets the pressed button go.
  void ClickPanel() { base_.toolbar.ReleaseButtons(); }

  const ToolbarMenus& Menus() const { return menus_; }
  MenuBuilders& Builders() { return builders_; }

 private:
  Platform platform_;
  ToolbarPorts ports_;
  ToolbarBase& base_;
  Launcher launcher_;
  ToolbarMenus menus_;
  CommandContext commandContext_;
  MenuBuilders builders_;
  void TellTakenHotkey();
  void ShowBuiltInGamesOnce();

  std::optional<std::uint16_t> takenHotkey_;  // to be told, once
  bool menusBuilt_ = false;
  bool builtInGamesShown_ = false;
};

}  // namespace kromelik
