#include "win32/Win32PathChecks.h"

#include <windows.h>

#include <array>
#include <map>
#include <mutex>
#include <string>

#include "win32/Handles.h"
#include "win32/WideText.h"

namespace kromelik {

struct Win32PathChecks::Shared {
  struct Known {
    PathKind kind = PathKind::Unknown;
    ULONGLONG checkedAt = 0;
    bool queued = false;
  };
  std::mutex mutex;
  std::map<std::wstring, Known> known;
};

namespace {

PathKind KindOf(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

bool HasDriveLetter(std::wstring_view path) {
  return path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
}

// A drive's type, asked again after a few seconds at most: under Wine each question is
// a round trip to the mount manager, and a Recent folder of a thousand shortcuts asks
// about every target's drive.
UINT DriveTypeOf(wchar_t letter) {
  constexpr ULONGLONG kTypeFreshForMs = 5000;
  static std::mutex mutex;
  static std::array<UINT, 26> types{};
  static std::array<ULONGLONG, 26> askedAt{};
  const wchar_t upper = letter >= L'a' && letter <= L'z' ? static_cast<wchar_t>(letter - 32) : letter;
  if (upper < L'A' || upper > L'Z') return DRIVE_UNKNOWN;
  const auto slot = static_cast<std::size_t>(upper - L'A');
  const std::lock_guard lock(mutex);
  const ULONGLONG now = GetTickCount64();
  if (askedAt[slot] == 0 || now - askedAt[slot] > kTypeFreshForMs) {
    const wchar_t root[] = {upper, L':', L'\\', L'\0'};
    types[slot] = GetDriveTypeW(root);
    askedAt[slot] = now;
  }
  return types[slot];
}

bool OnFixedDrive(std::wstring_view path) {
  if (!HasDriveLetter(path)) return false;
  const UINT type = DriveTypeOf(path[0]);
  return type == DRIVE_FIXED || type == DRIVE_RAMDISK;
}

}  // namespace

bool MayWaitOnDrive(std::wstring_view path) {
  const bool share = path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'?' &&
                     path[2] != L'.';
  return share || (HasDriveLetter(path) && !OnFixedDrive(path));
}

Win32PathChecks::Win32PathChecks() : shared_(std::make_shared<Shared>()) {}

Win32PathChecks::~Win32PathChecks() = default;

PathState Win32PathChecks::Check(std::string_view path) {
  const std::wstring wide = Utf8ToWide(path);
  if (!MayWaitOnDrive(wide)) return {KindOf(wide), true};

  const std::lock_guard lock(shared_->mutex);
  Shared::Known& known = shared_->known[wide];
  const bool stale = known.checkedAt == 0 || GetTickCount64() - known.checkedAt > kFreshForMs;
  if (stale && !known.queued) {
    known.queued = true;
    thread_.Post([shared = shared_, wide] {
      const PathKind kind = KindOf(wide);
      const std::lock_guard found(shared->mutex);
      Shared::Known& answer = shared->known[wide];
      answer.kind = kind;
      answer.checkedAt = GetTickCount64();
      answer.queued = false;
    });
  }
  return {known.kind, false};
}

}  // namespace kromelik
