#include "menus/ToolbarController.h"

#include <utility>

#include "core/Hotkey.h"
#include "core/WspolneFunkcje.h"
#include "menus/Separators.h"

namespace kromelik {

namespace {

ToolbarLayout StartLayout(const StartupOptions& options, int screenWidth, int dpi) {
  ToolbarLayout layout(screenWidth, dpi);
  layout.SetBevel(options.look.bevel.raised, FittingBevelWidth(options.look.bevel.width));
  return layout;
}

}  // namespace

StartupValues ReadStartupValues(const Platform& platform) {
  return StartupValues{platform.folders.SystemDirectory(), platform.folders.WindowsDirectory(),
                       RegisterAndReadOptions(platform.registry, platform.files, platform.program,
                                              platform.fileInformation, platform.text)};
}

ToolbarBase::ToolbarBase(StartupOptions& options, Registry& registry, ToolbarPorts ports,
                         int screenWidth, int dpi)
    : layout(StartLayout(options, screenWidth, dpi)),
      toolbar(layout, ports.window, ports.cursor, ports.timers, ports.clock),
      look(options, layout, toolbar, ports.window, registry) {
  toolbar.OnMonitorChosen([this](const Monitor& monitor) { look.MonitorChosen(monitor); });
}

ToolbarController::ToolbarController(Platform platform, ToolbarPorts ports,
                                     const StartupValues& start, ToolbarBase& base,
                                     Dialogs& dialogs, WindowHandle owner)
    : platform_(platform),
      ports_(ports),
      base_(base),
      launcher_(platform.shell, platform.folders),
      menus_([&icons = platform.fileInformation](IconHandle icon) { icons.DestroyIcon(icon); }),
      commandContext_{launcher_,
                      base.toolbar,
                      platform.files,
                      ports.messages,
                      start.systemDirectory,
                      start.windowsDirectory,
                      dialogs,
                      HelpPagePath(platform.program)},
      builders_(menus_, MenuSources{platform.registry, platform.files, platform.paths, platform.folders,
                                    platform.fileInformation, platform.shortcuts, platform.text,
                                    platform.drives, platform.program, ports.messages,
                                    launcher_, base.toolbar, base.look.Options(),
                                    platform.background}) {
  launcher_.SetOwner(owner);
  menus_.BindCommands(commandContext_);
}

void ToolbarController::BuildMenus() {
  while (BuildMenusStep()) {
  }
}

bool ToolbarController::BuildMenusStep() {
  if (menusBuilt_) return false;
  ShowBuiltInGamesOnce();
  if (builders_.BuildNextAtStart()) return true;
  menusBuilt_ = true;
  TellTakenHotkey();
  return false;
}

void ToolbarController::ShowBuiltInGamesOnce() {
  if (std::exchange(builtInGamesShown_, true)) return;
  ShowBuiltInGames(menus_, platform_.files, commandContext_.systemDirectory);
}

void ToolbarController::Start() {
  base_.look.ApplyStored();
  takenHotkey_ = base_.look.RegisterStoredHotkey();
  base_.toolbar.Start();
  TellTakenHotkey();
}

// Once the strip is up with its menus, so the box holds nothing of the start back. The
// strip works without the combination: the user hears why it does nothing.
void ToolbarController::TellTakenHotkey() {
  if (!menusBuilt_ || !takenHotkey_) return;
  const HotkeyCode taken = *std::exchange(takenHotkey_, std::nullopt);
  base_.toolbar.WithMessageBox([&] {
    ports_.messages.Show(HotkeyTakenText(taken), kApplicationTitle, MessageIcon::Warning);
  });
}

std::optional<PopupMenu> ToolbarController::PressButton(ToolbarButton button) {
  if (button == ToolbarButton::Close) {
    ports_.window.Close();
    return std::nullopt;
  }
  MenuItem* menu = menus_.FindMenu(ButtonInfoOf(button).menu);
  if (menu == nullptr) return std::nullopt;
  base_.toolbar.Press(button);
  if (!menusBuilt_) {
    ShowBuiltInGamesOnce();
    builders_.BuildAtStartFor(*menu);
  }
  RefreshBeforePopup(button, menus_, commandContext_);
  builders_.BeforePopup(button);
  NormaliseSeparators(*menu);
  ScreenPoint at = base_.layout.PopupPoint(button, base_.toolbar.Top());
  const ScreenPoint origin = base_.toolbar.Origin();
  at.x += origin.x;
  at.y += origin.y;
  return PopupMenu{*menu, menus_.ImagesOf(*menu), base_.look.InForce().menuStyle, at};
}

void ToolbarController::Choose(const MenuItem& item) {
  // A chosen item ends the work from the keyboard: the strip goes as after a click.
  base_.toolbar.EndKeyboardDrive();
  if (item.OnClick) item.OnClick(item);
}

}  // namespace kromelik
