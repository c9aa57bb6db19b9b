#pragma once

#include "core/ports/BackgroundWork.h"
#include "core/ports/Connectivity.h"
#include "core/ports/CurrentProcess.h"
#include "core/ports/Download.h"
#include "core/ports/Drives.h"
#include "core/ports/FileInformation.h"
#include "core/ports/FileSystem.h"
#include "core/ports/IniFile.h"
#include "core/ports/PathChecks.h"
#include "core/ports/ProgramFile.h"
#include "core/ports/Registry.h"
#include "core/ports/ShellLauncher.h"
#include "core/ports/Shortcuts.h"
#include "core/ports/ShellFolders.h"
#include "core/ports/TempFolder.h"
#include "core/ports/TextServices.h"

namespace kromelik {

// Every port the program reaches the platform through; owned by the entry point (or a
// test), borrowed by everything else.
struct Platform {
  Registry& registry;
  ShellLauncher& shell;
  FileSystem& files;
  ShellFolders& folders;
  FileInformation& fileInformation;
  Shortcuts& shortcuts;
  ProgramFile& program;
  TempFolder& temp;
  Connectivity& connectivity;
  TextServices& text;
  Drives& drives;
  Download& download;
  const IniFile& ini;
  const CurrentProcess& process;
  PathChecks& paths;
  BackgroundWork& background;
};

}  // namespace kromelik
