#include "win32/IconFetcher.h"

#include <objbase.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "win32/Win32FileInformation.h"

namespace kromelik {

struct IconFetcher::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<IconKey> waiting;
  std::vector<std::pair<IconKey, UniqueIcon>> fetched;
  std::size_t inFlight = 0;  // taken from `waiting`, not yet in `fetched`
  bool stop = false;
};

namespace {

UniqueIcon Fetch(Win32FileInformation& files, const IconKey& key) {
  const IconHandle icon = key.kind == FileIconKind::Stored ? files.FileIcon(key.path, 0)
                                                           : files.ShellIcon(key.path, IconSize::Small);
  return UniqueIcon(reinterpret_cast<HICON>(icon));
}

}  // namespace

IconFetcher::~IconFetcher() {
  if (!shared_) return;
  const std::lock_guard lock(shared_->mutex);
  shared_->stop = true;
  shared_->wake.notify_all();
}

void IconFetcher::Request(IconKey key) {
  if (!shared_) {
    shared_ = std::make_shared<Shared>();
    std::thread([shared = shared_] {
      // The shell's file information wants COM on the calling thread.
      const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
      Win32FileInformation files;
      std::unique_lock lock(shared->mutex);
      for (;;) {
        shared->wake.wait(lock, [&] { return shared->stop || !shared->waiting.empty(); });
        if (shared->stop) break;
        IconKey next = std::move(shared->waiting.front());
        shared->waiting.pop_front();
        ++shared->inFlight;
        lock.unlock();
        UniqueIcon icon = Fetch(files, next);
        lock.lock();
        --shared->inFlight;
        shared->fetched.emplace_back(std::move(next), std::move(icon));
      }
      lock.unlock();
      if (SUCCEEDED(com)) CoUninitialize();
    }).detach();
  }
  const std::lock_guard lock(shared_->mutex);
  shared_->waiting.push_back(std::move(key));
  shared_->wake.notify_one();
}

std::vector<std::pair<IconKey, UniqueIcon>> IconFetcher::TakeFetched() {
  if (!shared_) return {};
  const std::lock_guard lock(shared_->mutex);
  return std::exchange(shared_->fetched, {});
}

bool IconFetcher::Busy() const {
  if (!shared_) return false;
  const std::lock_guard lock(shared_->mutex);
  return !shared_->waiting.empty() || shared_->inFlight > 0;
}

}  // namespace kromelik
