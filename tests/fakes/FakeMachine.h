#pragma once

// Every port of the platform and of the toolbar as an in-memory fake, ready to hand to
// a ToolbarController.

#include "core/Platform.h"
#include "fakes/FakeDownload.h"
#include "fakes/FakeDrives.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIniFile.h"
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

  Platform PlatformPorts() {
    return Platform{registry, shell, files, folders, fileInformation, shortcuts, program, temp,
                    connectivity, text, drives, download, ini, process};
  }
  ToolbarPorts ToolbarSide() { return ToolbarPorts{window, timers, cursor, clock, messages}; }
};

}  // namespace kromelik::fakes
