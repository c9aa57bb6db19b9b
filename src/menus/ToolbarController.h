#pragma once

// The toolbar as the user works it, apart from any window: it owns the menus, the
// launcher, the behaviour of the strip and the options read at start. The window tells
// it what happened (a button pressed, an item chosen, the bare panel clicked) and shows
// what it answers; the button states and the slide come back through the toolbar port.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/Launch.h"
#include "core/LiveOptions.h"
#include "core/Platform.h"
#include "core/Settings.h"
#include "core/Toolbar.h"
#include "core/ToolbarLayout.h"
#include "core/ports/Clock.h"
#include "core/ports/Cursor.h"
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

// A finished menu to show: normalised, with its pictures, and where it opens.
struct PopupMenu {
  const MenuItem& menu;
  const ImageList& images;
  MenuStyle style;
  ScreenPoint at;
};

class ToolbarController : public LiveOptions {
 public:
  ToolbarController(Platform platform, ToolbarPorts ports, int screenWidth, int dpi = kBaseDpi);
  ToolbarController(const ToolbarController&) = delete;
  ToolbarController& operator=(const ToolbarController&) = delete;

  // What the toolbar's creation decides: the system folders, the registration and the
  // options, every fixed item's command bound and the menus built at start.
  void Create() {
    Prepare();
    BuildMenus();
  }
  // Creation in its two halves, for a window that wants to be up between them: the
  // menus of a heavy user's lists take far longer to build than the strip to appear,
  // and the strip waits off the screen until the cursor has once left its area anyway.
  // Prepare reads what the window is made from (folders, registration, options);
  // BuildMenus binds the fixed items' commands and builds the menus.
  void Prepare();
  void BuildMenus();
  // The window is up: it takes the stored look and the strip starts waiting.
  void Start();
  // The dialogs the menus open, made after the toolbar.
  void SetDialogs(Dialogs& dialogs);
  // The window the shell's messages belong to, once it exists.
  void SetOwner(WindowHandle owner) { launcher_.SetOwner(owner); }

  // The button has been pressed: the menu to pop up under it, built and tidied, or
  // nothing (the close button closes the toolbar instead).
  std::optional<PopupMenu> PressButton(ToolbarButton button);
  // An item of the menu that PressButton answered has been chosen; the menu is gone.
  void Choose(const MenuItem& item);
  // A click on the panel between the buttons lets the pressed button go.
  void ClickPanel() { toolbar_.ReleaseButtons(); }

  // The screen took another size or the strip's monitor another DPI: the layout follows
  // and the window is placed anew (ShowLook tells it).
  void ScreenChanged(int screenWidth, int dpi);

  // The one way a look reaches the running toolbar, at start and from the options
  // dialog while the user works it: the strip repaints in it and the next menu opens
  // in its style.
  void ApplyLook(const ToolbarLook& look, std::optional<std::uint8_t> opacity) override;
  const ToolbarLook& Look() const override { return options_.look; }
  std::optional<std::uint8_t> Opacity() const override { return opacity_; }
  // The menus read the flags where they are kept, so the next one built follows.
  void SetListOptions(bool showFileExtensions, bool sortWhileEditing) override {
    options_.showFileExtensions = showFileExtensions;
    options_.sortWhileEditing = sortWhileEditing;
  }

  // The stored opacity, read from the registry at every paint so a value changed
  // meanwhile shows at once: what the paint applies, or nothing to apply when
  // translucency is stored as off or while a dialog has the toolbar, since the options
  // dialog's live values win while the user works them.
  std::optional<std::uint8_t> OpacityAtPaint();

  Toolbar& Behaviour() { return toolbar_; }
  const ToolbarLayout& Layout() const { return layout_; }
  const StartupOptions& Options() const { return options_; }
  const std::string& SystemDirectory() const { return systemDirectory_; }
  const std::string& WindowsDirectory() const { return windowsDirectory_; }
  const ToolbarMenus& Menus() const { return menus_; }
  MenuBuilders& Builders() { return builders_; }

 private:
  std::optional<std::uint8_t> StoredOpacity() const;

  Platform platform_;
  ToolbarPorts ports_;
  ToolbarLayout layout_;
  Toolbar toolbar_;
  Launcher launcher_;
  ToolbarMenus menus_;
  StartupOptions options_;
  std::optional<std::uint8_t> opacity_;  // the strip's, as last applied
  std::string systemDirectory_;
  std::string windowsDirectory_;
  std::unique_ptr<CommandContext> commandContext_;
  Dialogs* dialogs_ = nullptr;
  MenuBuilders builders_;
};

}  // namespace kromelik
