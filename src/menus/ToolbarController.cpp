#include "menus/ToolbarController.h"

#include "core/RegistryLayout.h"
#include "core/SettingsStore.h"
#include "core/WspolneFunkcje.h"
#include "menus/Separators.h"

namespace kromelik {

ToolbarController::ToolbarController(Platform platform, ToolbarPorts ports, int screenWidth,
                                     int dpi)
    : platform_(platform),
      ports_(ports),
      layout_(screenWidth, dpi),
      toolbar_(layout_, ports.window, ports.cursor, ports.timers, ports.clock),
      launcher_(platform.shell, platform.folders),
      menus_([&icons = platform.fileInformation](IconHandle icon) { icons.DestroyIcon(icon); }),
      builders_(menus_, MenuSources{platform.registry, platform.files, platform.folders,
                                    platform.fileInformation, platform.shortcuts, platform.text,
                                    platform.drives, platform.program, ports.messages,
                                    launcher_, toolbar_, options_}) {}

void ToolbarController::Prepare() {
  systemDirectory_ = platform_.folders.SystemDirectory();
  windowsDirectory_ = platform_.folders.WindowsDirectory();
  options_ = RegisterAndReadOptions(platform_.registry, platform_.files, platform_.program,
                                    platform_.fileInformation, platform_.text);
  // The window is made at the size the stored bevels give it.
  layout_.SetBevel(options_.look.bevel.raised, FittingBevelWidth(options_.look.bevel.width));
  commandContext_ = std::make_unique<CommandContext>(CommandContext{
      launcher_, toolbar_, platform_.files, ports_.messages, systemDirectory_, windowsDirectory_,
      dialogs_, HelpPagePath(platform_.program)});
}

void ToolbarController::SetDialogs(Dialogs& dialogs) {
  dialogs_ = &dialogs;
  if (commandContext_) commandContext_->dialogs = dialogs_;
}

void ToolbarController::BuildMenus() {
  menus_.BindCommands(*commandContext_);
  ShowBuiltInGames(menus_, platform_.files, systemDirectory_);
  builders_.BuildAtStart();
}

std::optional<PopupMenu> ToolbarController::PressButton(ToolbarButton button) {
  if (button == ToolbarButton::Close) {
    ports_.window.Close();
    return std::nullopt;
  }
  MenuItem* menu = menus_.FindMenu(ButtonInfoOf(button).menu);
  if (menu == nullptr) return std::nullopt;
  toolbar_.Press(button);
  if (commandContext_) {
    RefreshBeforePopup(button, menus_, *commandContext_);
    builders_.BeforePopup(button);
  }
  NormaliseSeparators(*menu);
  return PopupMenu{*menu, menus_.ImagesOf(*menu), options_.look.menuStyle,
                   layout_.PopupPoint(button, toolbar_.Top())};
}

std::optional<std::uint8_t> ToolbarController::StoredOpacity() const {
  SettingsStore store(platform_.registry);
  if (!store.OpenKey(registry_layout::kMainKey, true)) return std::nullopt;
  const auto alpha = ReadTransparency(store);
  store.CloseKey();
  return alpha;
}

std::optional<std::uint8_t> ToolbarController::OpacityAtPaint() {
  if (toolbar_.State() == ToolbarState::LentToDialog) return std::nullopt;
  // Nothing is undone here: a strip made translucent in the dialog and left so stays.
  if (const auto stored = StoredOpacity()) opacity_ = stored;
  else return std::nullopt;
  return opacity_;
}

void ToolbarController::Start() {
  ApplyLook(options_.look, StoredOpacity());
  toolbar_.Start();
}

void ToolbarController::ApplyLook(const ToolbarLook& look, std::optional<std::uint8_t> opacity) {
  options_.look = look;
  opacity_ = opacity;
  options_.look.bevel.width = FittingBevelWidth(look.bevel.width);
  layout_.SetBevel(options_.look.bevel.raised, options_.look.bevel.width);
  toolbar_.LayoutChanged();
  ports_.window.ShowLook(options_.look, opacity);
}

void ToolbarController::ScreenChanged(int screenWidth, int dpi) {
  layout_.SetScreenWidth(screenWidth);
  layout_.SetDpi(dpi);
  toolbar_.LayoutChanged();
  // The look in force stays, whatever the registry holds.
  ports_.window.ShowLook(options_.look, opacity_);
}

void ToolbarController::Choose(const MenuItem& item) {
  if (item.OnClick) item.OnClick(item);
}

}  // namespace kromelik
