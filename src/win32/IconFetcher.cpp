#include "win32/IconFetcher.h"

#include <objbase.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>
#include <utility>
#include <vector>

#include "win32/Win32FileInformation.h"

namespace kromelik {

struct IconFetcher::Shared {
  explicit Shared(FetchFunction function) : fetch(std::move(function)) {}

  const FetchFunction fetch;
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<IconKey> waiting;
  // Every key asked for and not yet fetched, with the windows to tell when it comes.
  std::map<IconKey, std::vector<HWND>> askedBy;
  std::vector<std::pair<IconKey, UniqueIcon>> arrived;
  // Windows told since the last Collect: one message each is enough, however many come.
  std::set<HWND> told;
  bool started = false;
  bool stop = false;
};

namespace {

UniqueIcon FetchFromFile(const IconKey& key) {
  // The shell's file information wants COM on the calling thread; once per thread.
  thread_local const HRESULT com =
      CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  (void)com;
  Win32FileInformation files;
  const IconHandle icon = key.kind == FileIconKind::Stored ? files.FileIcon(key.path, 0)
                                                           : files.ShellIcon(key.path, IconSize::Small);
  return UniqueIcon(reinterpret_cast<HICON>(icon));
}

}  // namespace

IconFetcher& IconFetcher::Process() {
  static IconFetcher fetcher(FetchFromFile);
  return fetcher;
}

UINT IconFetcher::IconsArrivedMessage() {
  static const UINT message = RegisterWindowMessageW(L"Kromelik.IconsArrived");
  return message;
}

IconFetcher::IconFetcher(FetchFunction fetch) : shared_(std::make_shared<Shared>(std::move(fetch))) {}

IconFetcher::~IconFetcher() {
  const std::lock_guard lock(shared_->mutex);
  shared_->stop = true;
  shared_->wake.notify_all();
}

void IconFetcher::Request(const IconKey& key, HWND window) {
  if (fetched_.contains(key)) return;
  const std::lock_guard lock(shared_->mutex);
  const auto isKey = [&](const auto& arrived) { return arrived.first == key; };
  if (std::any_of(shared_->arrived.begin(), shared_->arrived.end(), isKey)) {
    // Come, but not taken in yet: the window learns of it as if it had asked in time.
    if (window != nullptr && shared_->told.insert(window).second)
      PostMessageW(window, IconsArrivedMessage(), 0, 0);
    return;
  }
  const auto [asked, first] = shared_->askedBy.try_emplace(key);
  if (window != nullptr && std::find(asked->second.begin(), asked->second.end(), window) ==
                               asked->second.end())
    asked->second.push_back(window);
  if (!first) return;
  shared_->waiting.push_back(key);
  if (!shared_->started) {
    shared_->started = true;
    std::thread(&IconFetcher::Run, shared_).detach();
  }
  shared_->wake.notify_one();
}

void IconFetcher::Run(const std::shared_ptr<Shared>& shared) {
  std::unique_lock lock(shared->mutex);
  for (;;) {
    shared->wake.wait(lock, [&] { return shared->stop || !shared->waiting.empty(); });
    if (shared->stop) return;
    const IconKey next = shared->waiting.front();
    lock.unlock();
    UniqueIcon icon = shared->fetch(next);
    lock.lock();
    // Taken from the queue only now, so Busy tells of a fetch under way.
    shared->waiting.pop_front();
    shared->arrived.emplace_back(next, std::move(icon));
    const auto asked = shared->askedBy.find(next);
    if (asked != shared->askedBy.end()) {
      for (const HWND window : asked->second)
        if (shared->told.insert(window).second)
          PostMessageW(window, IconFetcher::IconsArrivedMessage(), 0, 0);
      shared->askedBy.erase(asked);
    }
  }
}

const UniqueIcon* IconFetcher::Find(const IconKey& key) const {
  const auto found = fetched_.find(key);
  return found != fetched_.end() ? &found->second : nullptr;
}

bool IconFetcher::Collect() {
  std::vector<std::pair<IconKey, UniqueIcon>> arrived;
  {
    const std::lock_guard lock(shared_->mutex);
    arrived = std::exchange(shared_->arrived, {});
    shared_->told.clear();
  }
  for (auto& [key, icon] : arrived) {
    arrivals_.push_back(key);
    fetched_[std::move(key)] = std::move(icon);
  }
  return !arrived.empty();
}

void IconFetcher::Forget(const IconKey& key) {
  const auto found = fetched_.find(key);
  if (found != fetched_.end() && !found->second) fetched_.erase(found);
}

bool IconFetcher::Busy() const {
  const std::lock_guard lock(shared_->mutex);
  return !shared_->waiting.empty();
}

}  // namespace kromelik
