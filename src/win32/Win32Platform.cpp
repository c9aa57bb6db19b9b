#include "win32/Win32Platform.h"

namespace kromelik {

Platform Win32Platform::Ports() {
  return Platform{registry,    shellLauncher, fileSystem, specialFolders, fileInformation,
                  shortcuts,   programFile,   tempFolder, connectivity,   textServices,
                  drives,      download,      ini,        process,        paths,
                  background};
}

}  // namespace kromelik
