#include "win32/Win32PathChecks.h"

#include <windows.h>

#include <array>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>

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
  std::condition_variable wake;
  std::deque<std::wstring> waiting;
  std::map<std::wstring, Known> known;
  bool started = false;
  bool stop = false;
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

Win32PathChecks::~Win32PathChecks() {
  const std::lock_guard lock(shared_->mutex);
  shared_->stop = true;
  shared_->wake.notify_all();
}

PathState Win32PathChecks::Check(std::string_view path) {
  const std::wstring wide = Utf8ToWide(path);
  if (!MayWaitOnDrive(wide)) return {KindOf(wide), true};

  const std::lock_guard lock(shared_->mutex);
  Shared::Known& known = shared_->known[wide];
  const bool stale = known.checkedAt == 0 || GetTickCount64() - known.checkedAt > kFreshForMs;
  if (stale && !known.queued) {
    known.queued = true;
    shared_->waiting.push_back(wide);
    if (!shared_->started) {
      shared_->started = true;
      std::thread(&Win32PathChecks::Run, shared_).detach();
    }
    shared_->wake.notify_one();
  }
  return {known.kind, false};
}

void Win32PathChecks::Run(const std::shared_ptr<Shared>& shared) {
  const QuietCriticalErrors quiet;
  std::unique_lock lock(shared->mutex);
  for (;;) {
    shared->wake.wait(lock, [&] { return shared->stop || !shared->waiting.empty(); });
    if (shared->stop) return;
    const std::wstring next = std::move(shared->waiting.front());
    shared->waiting.pop_front();
    lock.unlock();
    const PathKind kind = KindOf(next);
    lock.lock();
    Shared::Known& known = shared->known[next];
    known.kind = kind;
    known.checkedAt = GetTickCount64();
    known.queued = false;
  }
}

}  // namespace kromelik
