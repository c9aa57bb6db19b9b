#pragma once

// Every adapter of the platform, made together: the program holds one of these for its
// whole run, and the Wine tests one per test.

#include "core/Platform.h"
#include "win32/Win32BackgroundWork.h"
#include "win32/Win32Connectivity.h"
#include "win32/Win32CurrentProcess.h"
#include "win32/Win32Download.h"
#include "win32/Win32Drives.h"
#include "win32/Win32FileInformation.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32IniFile.h"
#include "win32/Win32PathChecks.h"
#include "win32/Win32ProgramFile.h"
#include "win32/Win32Registry.h"
#include "win32/Win32ShellLauncher.h"
#include "win32/Win32Shortcuts.h"
#include "win32/Win32ShellFolders.h"
#include "win32/Win32TempFolder.h"
#include "win32/Win32TextServices.h"

namespace kromelik {

struct Win32Platform {
  Win32Platform() = default;
  // The ports refer to the members, so the object stays where it was made.
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  // The adapters as the core sees them, valid while this object lives.
  Platform Ports();

  Win32Registry registry;
  Win32ShellLauncher shellLauncher;
  Win32FileSystem fileSystem;
  Win32ShellFolders specialFolders;
  Win32FileInformation fileInformation;
  Win32Shortcuts shortcuts;
  Win32ProgramFile programFile;
  Win32TempFolder tempFolder;
  Win32Connectivity connectivity;
  Win32TextServices textServices;
  Win32Drives drives;
  Win32Download download;
  Win32IniFile ini;
  Win32CurrentProcess process;
  Win32PathChecks paths;
  // Last: the work it does reaches the other adapters, so it ends before them.
  Win32BackgroundWork background;
};

}  // namespace kromelik
