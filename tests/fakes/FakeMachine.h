#pragma once

// Every port of the platform and of the toolbar as an in-memory fake, and the toolbar put
// together over them in the order of the program's start.

#include <optional>

#include "core/Platform.h"
#include "fakes/FakeBackgroundWork.h"
#include "fakes/FakeDownload.h"
#include "fakes/FakeDrives.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIniFile.h"
#include "fakes/FakePathChecks.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeToolbarPorts.h"
#include "menus/ToolbarController.h"

namespace kromelik::fakes {

struct FakeMachine {
  FakeRegistry registry;
  FakeShellLauncher shell;
  FakeFileSystem files;
  FakeShellFolders folders;
  FakeFileInformation fileInformation;
  FakeShortcuts shortcuts;
  FakeProgramFile program;
  FakeTempFolder temp;
  FakeConnectivity connectivity;
  FakeTextServices text;
  FakeDrives drives;
  FakeDownload download{files};
  FakeIniFile ini{files};
  FakeCurrentProcess process;
  FakeToolbarWindow window;
  FakeToolbarTimers timers;
  FakeCursor cursor;
  FakeClock clock;
  FakeMessageBoxes messages;
  FakeDialogs dialogs;
  FakePathChecks paths{files};
  FakeBackgroundWork background;

  Platform PlatformPorts() {
    return Platform{registry, shell, files, folders, fileInformation, shortcuts, program, temp,
                    connectivity, text, drives, download, ini, process, paths, background};
  }
  ToolbarPorts ToolbarSide() { return ToolbarPorts{window, timers, cursor, clock, messages}; }
};

// The toolbar as the program's start makes it, over a machine's fakes: Create reads the
// start's values, makes the strip's base and the controller, and builds the menus, so a
// test plants what the start should find before it.
class StartedToolbar {
 public:
  StartedToolbar(FakeMachine& machine, int screenWidth)
      : machine_(machine), screenWidth_(screenWidth) {}

  void Create() { Create(true); }
  // As Create, the menus left for the steps the window takes once it shows.
  void CreateUnbuilt() { Create(false); }
  void Create(bool buildMenus) {
    controller_.reset();
    base_.reset();
    start_ = ReadStartupValues(machine_.PlatformPorts());
    base_.emplace(start_->options, machine_.registry, machine_.ToolbarSide(), screenWidth_);
    controller_.emplace(machine_.PlatformPorts(), machine_.ToolbarSide(), *start_, *base_,
                        machine_.dialogs);
    if (!buildMenus) return;
    controller_->BuildMenus();
    // What the start reads in the background has come by the time anyone clicks.
    machine_.background.Finish();
  }
  bool BuildMenusStep() { return controller_->BuildMenusStep(); }
  void Start() { controller_->Start(); }
  std::optional<PopupMenu> PressButton(ToolbarButton button) {
    return controller_->PressButton(button);
  }
  void Choose(const MenuItem& item) { controller_->Choose(item); }
  void ClickPanel() { controller_->ClickPanel(); }
  const ToolbarMenus& Menus() const { return controller_->Menus(); }
  Toolbar& Behaviour() { return base_->toolbar; }
  LiveLook& Look() { return base_->look; }

 private:
  FakeMachine& machine_;
  int screenWidth_;
  std::optional<StartupValues> start_;
  std::optional<ToolbarBase> base_;
  std::optional<ToolbarController> controller_;
};

}  // namespace kromelik::fakes
