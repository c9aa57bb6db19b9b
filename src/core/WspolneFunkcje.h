#pragma once

// Common shell services: special folders, path markers, the program's version text,
// the temporary folder and the connection state. None of them keeps state.

#include <string>
#include <string_view>

#include "core/ports/Connectivity.h"
#include "core/ports/FileInformation.h"
#include "core/ports/FileSystem.h"
#include "core/ports/ProgramFile.h"
#include "core/ports/ShellFolders.h"
#include "core/ports/TempFolder.h"
#include "core/ports/TextServices.h"

namespace kromelik {

// The folder's path; "" for virtual folders such as the drives folder (17).
std::string SpecialFolderPath(const ShellFolders& folders, int csidl);

// "WIN": the Windows directory, "SYS": the system directory (either case); else "".
std::string SystemFolderPath(const ShellFolders& folders, const TextServices& text,
                             std::string_view which);

// Lower-cases `path` and replaces the first of the markers %systemroot%, %windir%,
// %userprofile%, %programfiles% (checked in that order) where it stands.
std::string ExpandPathVariables(std::string_view path, const ShellFolders& folders,
                                const TextServices& text);

// "major.minor.release.build" of a file version; "0.0.0.0" without version information.
std::string VersionText(const FixedVersionInfo* fixed);
std::string ProgramVersionText(const ProgramFile& program, const FileInformation& files);

// `name` in the program's folder.
std::string BesideProgram(const ProgramFile& program, std::string_view name);
// The program's help page, "help\kromelik.html" in the program's folder.
std::string HelpPagePath(const ProgramFile& program);

// The platform's temporary path, with a final "\" added when it names an existing
// folder and lacks one.
std::string TempFolderPath(const TempFolder& temp, const FileSystem& files);

bool IsInternetConnected(const Connectivity& connectivity);

}  // namespace kromelik
