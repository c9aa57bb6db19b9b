#include "win32/Win32Drives.h"

#include <windows.h>

#include <utility>

#include "win32/WideText.h"

namespace kromelik {
namespace {

// An empty floppy or CD drive would otherwise make the system ask the user for a disc
// in a modal box and hold the toolbar until someone answers. Only this thread's mode is
// changed, and only while the drives are asked.
class QuietCriticalErrors {
 public:
  QuietCriticalErrors() noexcept {
    if (!SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_))
      restore_ = false;
  }
  ~QuietCriticalErrors() {
    if (restore_) SetThreadErrorMode(previous_, nullptr);
  }
  QuietCriticalErrors(const QuietCriticalErrors&) = delete;
  QuietCriticalErrors& operator=(const QuietCriticalErrors&) = delete;

 private:
  DWORD previous_ = 0;
  bool restore_ = true;
};

DriveType TypeOf(UINT platformType) {
  switch (platformType) {
    case DRIVE_NO_ROOT_DIR: return DriveType::NoRootDirectory;
    case DRIVE_REMOVABLE: return DriveType::Removable;
    case DRIVE_FIXED: return DriveType::Fixed;
    case DRIVE_REMOTE: return DriveType::Remote;
    case DRIVE_CDROM: return DriveType::CdRom;
    case DRIVE_RAMDISK: return DriveType::RamDisk;
    default: return DriveType::Unknown;
  }
}

std::string LabelOf(const wchar_t* root) {
  // MAX_PATH + 1 is the most the call ever writes; a failed call leaves it empty.
  wchar_t label[MAX_PATH + 1] = {};
  if (!GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
    return {};
  return WideToUtf8(label);
}

}  // namespace

std::vector<Drive> Win32Drives::List() const {
  const QuietCriticalErrors quiet;
  std::vector<Drive> drives;
  // Every letter is asked for its type: the mask of logical drives can miss a drive
  // mapped while the session runs, which its type already knows.
  for (int index = 0; index < 26; ++index) {
    const wchar_t root[] = {static_cast<wchar_t>(L'A' + index), L':', L'\\', L'\0'};
    Drive drive;
    drive.letter = static_cast<char>('A' + index);
    drive.type = TypeOf(GetDriveTypeW(root));
    // A drive of the first two kinds has no root to read a label from.
    if (drive.type != DriveType::Unknown && drive.type != DriveType::NoRootDirectory)
      drive.label = LabelOf(root);
    drives.push_back(std::move(drive));
  }
  return drives;
}

}  // namespace kromelik
