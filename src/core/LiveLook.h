#pragma once

// The look the running strip shows and the list options in force: read at start, changed
// by the options dialog while the user works it, and the one way a look reaches the
// strip. It keeps the layout's bevels and the strip's opacity with it.

#include <cstdint>
#include <optional>

#include "core/LiveOptions.h"
#include "core/Monitors.h"
#include "core/Settings.h"
#include "core/Toolbar.h"
#include "core/ToolbarLayout.h"
#include "core/ports/Registry.h"
#include "core/ports/ToolbarWindow.h"

namespace kromelik {

class LiveLook : public LiveOptions {
 public:
  LiveLook(StartupOptions& options, ToolbarLayout& layout, Toolbar& toolbar,
           ToolbarWindow& window, Registry& registry);

  // The stored look, as the window takes it when it first shows.
  void ApplyStored();

  // LiveOptions: the strip repaints in the new look and the next menu opens in its
  // style; the list flags hold for every menu built and organizer refreshed from now on.
  const ToolbarLook& Look() const override { return options_.look; }
  ToolbarLook InForce() const override;
  std::optional<std::uint8_t> Opacity() const override { return opacity_; }
  void ApplyLook(const ToolbarLook& look, std::optional<std::uint8_t> opacity) override;
  void SetListOptions(bool showFileExtensions, bool sortWhileEditing) override;
  std::uint16_t Hotkey() const override { return hotkey_; }
  bool SetHotkey(std::uint16_t code) override;
  // Registers the stored combination; answers it when another program holds it.
  std::optional<std::uint16_t> RegisterStoredHotkey();

  // The system's high-contrast mode and whether a screen reader runs, as the platform
  // finds them at start and after a change of the system's settings. While high contrast
  // is on the strip is opaque in the system's colours; while either is, the menus are the
  // system's own, so that they read as the user needs.
  void SetSystemAids(bool highContrast, bool screenReader);
  bool HighContrast() const { return highContrast_; }

  // The stored opacity, read from the registry at every paint so a value changed
  // meanwhile shows at once: what the paint applies, or nothing to apply when
  // translucency is stored as off or while a dialog has the toolbar, since the options
  // dialog's live values win while the user works them, and while high contrast is on.
  std::optional<std::uint8_t> OpacityAtPaint();

  // The screen took another size or the strip's monitor another DPI: the layout follows
  // and the window is placed anew, in the look in force.
  void ScreenChanged(int screenWidth, int dpi);
  // The strip comes down on `monitor` from now on: its width, its DPI, its corner.
  void MonitorChosen(const Monitor& monitor);

  const StartupOptions& Options() const { return options_; }

 private:
  std::optional<std::uint8_t> StoredOpacity() const;
  void Show(std::optional<std::uint8_t> opacity);

  StartupOptions& options_;
  ToolbarLayout& layout_;
  Toolbar& toolbar_;
  ToolbarWindow& window_;
  Registry& registry_;
  std::optional<std::uint8_t> opacity_;  // the strip's, as last applied
  std::uint16_t hotkey_ = 0;              // the one registered
  bool highContrast_ = false;
  bool screenReader_ = false;
};

}  // namespace kromelik
