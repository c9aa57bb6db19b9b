#include "win32/IconFetcher.h"

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "win32/IconHelper.h"
#include "win32/JobThread.h"
#include "win32/WideText.h"
#include "win32/Win32ProgramFile.h"

namespace kromelik {

struct IconFetcher::Shared {
  explicit Shared(FetchFunction function) : fetch(std::move(function)) {}

  const FetchFunction fetch;
  std::mutex mutex;
  std::size_t pending = 0;  // fetches asked for and not yet come
  // Every key asked for and not yet fetched, with the windows to tell when it comes.
  std::map<IconKey, std::vector<HWND>> askedBy;
  struct Arrival {
    IconKey key;
    UniqueIcon icon;
    std::optional<IconKey> alikeTo;  // an earlier arrival whose icon it shows instead
  };
  std::vector<Arrival> arrived;
  // The fetches' own, one fetch at a time: the distinct icons so far by a hash of their
  // pixels, with the first file that showed each.
  std::unordered_multimap<std::uint64_t, std::pair<IconKey, std::vector<std::uint32_t>>> distinct;
  // Windows told since the last Collect: one message each is enough, however many come.
  std::set<HWND> told;
};

namespace {

std::uint64_t HashOf(const std::vector<std::uint32_t>& pixels) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const std::uint32_t pixel : pixels) {
    hash ^= pixel;
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

IconFetcher& IconFetcher::Process() {
  // One helper for the fetcher's thread, ended when it has had nothing to fetch for a
  // moment; held by the thread's work too, which may outlast this function's statics.
  static const auto helper = std::make_shared<IconHelper>(Utf8ToWide(Win32ProgramFile().Path()));
  static IconFetcher fetcher(
      [helper = helper](const IconKey& key) {
        std::optional<std::vector<std::uint32_t>> pixels = helper->Fetch(key.path, key.kind);
        if (!pixels) return FetchedIcon(TakeFileIcon(key.path, key.kind));
        FetchedIcon fetched;
        fetched.pixels = std::move(*pixels);
        return fetched;
      },
      [helper = helper] { helper->Stop(); });
  return fetcher;
}

UINT IconFetcher::IconsArrivedMessage() {
  static const UINT message = RegisterWindowMessageW(L"Kromelik.IconsArrived");
  return message;
}

IconFetcher::IconFetcher(FetchFunction fetch, std::function<void()> idle)
    : shared_(std::make_shared<Shared>(std::move(fetch))), thread_(std::move(idle)) {}

IconFetcher::~IconFetcher() = default;

void IconFetcher::Request(const IconKey& key, HWND window) {
  if (fetched_.contains(key)) return;
  const std::lock_guard lock(shared_->mutex);
  const auto isKey = [&](const auto& arrived) { return arrived.key == key; };
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
  ++shared_->pending;
  thread_.Post([shared = shared_, key] { Fetch(shared, key); });
}

void IconFetcher::Fetch(const std::shared_ptr<Shared>& shared, const IconKey& next) {
  FetchedIcon fetched = shared->fetch(next);
  UniqueIcon icon = std::move(fetched.icon);
  // Only the fetches read and make icons: under Wine an icon call on the windows' thread
  // would wait behind a fetch from a share that stopped answering.
  std::optional<IconKey> alikeTo;
  std::vector<std::uint32_t> pixels =
      fetched.pixels ? std::move(*fetched.pixels) : PixelsOf(icon.Get());
  const std::uint64_t hash = HashOf(pixels);
  if (!pixels.empty()) {
    const auto [first, last] = shared->distinct.equal_range(hash);
    for (auto candidate = first; candidate != last && !alikeTo; ++candidate)
      if (candidate->second.second == pixels) alikeTo = candidate->second.first;
    if (alikeTo) {
      icon.Reset();
    } else {
      if (!icon) icon = IconFromPixels(pixels);
      if (icon) shared->distinct.emplace(hash, std::pair(next, std::move(pixels)));
    }
  }
  const std::lock_guard lock(shared->mutex);
  // Counted off only now, so Busy tells of a fetch under way.
  --shared->pending;
  shared->arrived.push_back({next, std::move(icon), std::move(alikeTo)});
  const auto asked = shared->askedBy.find(next);
  if (asked != shared->askedBy.end()) {
    for (const HWND window : asked->second)
      if (shared->told.insert(window).second)
        PostMessageW(window, IconFetcher::IconsArrivedMessage(), 0, 0);
    shared->askedBy.erase(asked);
  }
}

const UniqueIcon* IconFetcher::Find(const IconKey& key) const {
  const auto found = fetched_.find(key);
  return found != fetched_.end() ? found->second.get() : nullptr;
}

bool IconFetcher::Collect() {
  std::vector<Shared::Arrival> arrived;
  {
    const std::lock_guard lock(shared_->mutex);
    arrived = std::exchange(shared_->arrived, {});
    shared_->told.clear();
  }
  for (Shared::Arrival& arrival : arrived) {
    for (Reader* reader : readers_) reader->Arrived(arrival.key);
    std::shared_ptr<const UniqueIcon> icon;
    // The icon it is alike to came before it and, being an icon, was never forgotten.
    if (arrival.alikeTo) {
      if (const auto alike = fetched_.find(*arrival.alikeTo); alike != fetched_.end())
        icon = alike->second;
    }
    if (!icon) icon = std::make_shared<const UniqueIcon>(std::move(arrival.icon));
    fetched_[std::move(arrival.key)] = std::move(icon);
  }
  return !arrived.empty();
}

void IconFetcher::AddReader(Reader& reader) { readers_.push_back(&reader); }

void IconFetcher::RemoveReader(Reader& reader) {
  readers_.erase(std::remove(readers_.begin(), readers_.end(), &reader), readers_.end());
}

void IconFetcher::Forget(const IconKey& key) {
  const auto found = fetched_.find(key);
  if (found != fetched_.end() && !*found->second) fetched_.erase(found);
}

bool IconFetcher::Busy() const {
  const std::lock_guard lock(shared_->mutex);
  return shared_->pending > 0;
}

}  // namespace kromelik
