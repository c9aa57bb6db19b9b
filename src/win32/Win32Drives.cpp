#include "win32/Win32Drives.h"

#include <windows.h>

#include <array>
#include <mutex>
#include <string>
#include <utility>

#include "win32/Handles.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

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

struct Win32Drives::Labels {
  std::mutex mutex;
  std::array<std::string, 26> known;
  std::array<bool, 26> queued{};
};

Win32Drives::Win32Drives() : labels_(std::make_shared<Labels>()) {}

Win32Drives::~Win32Drives() = default;

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
    if (drive.type == DriveType::Fixed || drive.type == DriveType::RamDisk) {
      drive.label = LabelOf(root);
    } else if (drive.type != DriveType::Unknown && drive.type != DriveType::NoRootDirectory) {
      const auto slot = static_cast<std::size_t>(index);
      const std::lock_guard lock(labels_->mutex);
      drive.label = labels_->known[slot];
      if (!labels_->queued[slot]) {
        labels_->queued[slot] = true;
        thread_.Post([labels = labels_, index, slot] {
          const wchar_t rootPath[] = {static_cast<wchar_t>(L'A' + index), L':', L'\\', L'\0'};
          std::string label = LabelOf(rootPath);
          const std::lock_guard found(labels->mutex);
          labels->known[slot] = std::move(label);
          labels->queued[slot] = false;
        });
      }
    }
    drives.push_back(std::move(drive));
  }
  return drives;
}

}  // namespace kromelik
