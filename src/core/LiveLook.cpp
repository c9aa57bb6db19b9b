#include "core/LiveLook.h"

#include "core/Hotkey.h"
#include "core/RegistryLayout.h"
#include "core/SettingsStore.h"

namespace kromelik {

LiveLook::LiveLook(StartupOptions& options, ToolbarLayout& layout, Toolbar& toolbar,
                   ToolbarWindow& window, Registry& registry)
    : options_(options), layout_(layout), toolbar_(toolbar), window_(window), registry_(registry) {}

std::optional<std::uint8_t> LiveLook::StoredOpacity() const {
  SettingsStore store(registry_);
  if (!store.OpenKey(registry_layout::kMainKey, true)) return std::nullopt;
  const auto alpha = ReadTransparency(store);
  store.CloseKey();
  return alpha;
}

void LiveLook::ApplyStored() { ApplyLook(options_.look, StoredOpacity()); }

std::optional<std::uint16_t> LiveLook::RegisterStoredHotkey() {
  SettingsStore store(registry_);
  const HotkeyCode code = store.OpenKey(registry_layout::kMainKey, true) ? ReadHotkey(store)
                                                                         : kDefaultHotkey;
  store.CloseKey();
  if (SetHotkey(code)) return std::nullopt;
  return code;
}

bool LiveLook::SetHotkey(std::uint16_t code) {
  const bool registered = window_.RegisterHotkey(code);
  // A combination another program holds calls nothing: the options show none.
  hotkey_ = registered ? code : 0;
  return registered;
}

ToolbarLook LiveLook::InForce() const {
  ToolbarLook inForce = options_.look;
  if (highContrast_) inForce.colour.reset();
  // A screen reader reads the system's own menus best.
  if (highContrast_ || screenReader_) inForce.menuStyle = MenuStyle::Classic;
  return inForce;
}

void LiveLook::SetSystemAids(bool highContrast, bool screenReader) {
  screenReader_ = screenReader;
  if (highContrast == highContrast_) return;
  highContrast_ = highContrast;
  Show(opacity_);
}

void LiveLook::Show(std::optional<std::uint8_t> opacity) {
  window_.ShowLook(InForce(), highContrast_ ? std::nullopt : opacity);
}

std::optional<std::uint8_t> LiveLook::OpacityAtPaint() {
  if (highContrast_ || toolbar_.State() == ToolbarState::LentToDialog) return std::nullopt;
  // Nothing is undone here: a strip made translucent in the dialog and left so stays.
  const auto stored = StoredOpacity();
  if (stored) opacity_ = stored;
  return stored;
}

void LiveLook::ApplyLook(const ToolbarLook& look, std::optional<std::uint8_t> opacity) {
  options_.look = look;
  opacity_ = opacity;
  options_.look.bevel.width = FittingBevelWidth(look.bevel.width);
  layout_.SetBevel(options_.look.bevel.raised, options_.look.bevel.width);
  toolbar_.LayoutChanged();
  Show(opacity);
}

void LiveLook::SetListOptions(bool showFileExtensions, bool sortWhileEditing) {
  options_.showFileExtensions = showFileExtensions;
  options_.sortWhileEditing = sortWhileEditing;
}

void LiveLook::ScreenChanged(int screenWidth, int dpi) {
  layout_.SetScreenWidth(screenWidth);
  layout_.SetDpi(dpi);
  toolbar_.LayoutChanged();
  // The look in force stays, whatever the registry holds.
  Show(opacity_);
}

void LiveLook::MonitorChosen(const Monitor& monitor) {
  window_.SetOrigin({monitor.area.left, monitor.area.top});
  ScreenChanged(monitor.area.width, monitor.dpi);
}

}  // namespace kromelik
