#include "lists/MruList.h"

#include <algorithm>

#include "core/SettingsStore.h"

namespace kromelik {

namespace {

// Opens the list's subkey for one operation and closes it however the operation ends.
class OpenList {
 public:
  OpenList(Registry& registry, const std::string& path) : store_(registry) {
    opened_ = store_.OpenKey(path, true);
  }
  ~OpenList() { store_.CloseKey(); }
  OpenList(const OpenList&) = delete;
  OpenList& operator=(const OpenList&) = delete;

  explicit operator bool() const { return opened_; }
  SettingsStore* operator->() { return &store_; }
  SettingsStore& Store() { return store_; }

 private:
  SettingsStore store_;
  bool opened_ = false;
};

// Appended rather than "H" + ...: GCC 12's -Wrestrict misreads the concatenation at -O3.
std::string TargetName(int number) {
  std::string name = "H";
  name += std::to_string(number);
  return name;
}

}  // namespace

std::string MruList::Path() const {
  return std::string(registry_layout::kMainKey) + "\\" + std::string(kind_.subkey);
}

std::optional<MruEntry> MruList::ReadNumber(SettingsStore& list, int number) const {
  auto first = list.TextOption(std::to_string(number));
  if (!first) return std::nullopt;
  if (kind_.layout == MruLayout::Numbered) return MruEntry{number, "", std::move(*first)};
  auto target = list.TextOption(TargetName(number));
  if (!target && kind_.targetRequired) return std::nullopt;
  return MruEntry{number, std::move(*first), target.value_or("")};
}

std::vector<MruEntry> MruList::ReadEntries() const {
  std::vector<MruEntry> entries;
  OpenList list(registry_, Path());
  if (!list) return entries;
  if (kind_.layout == MruLayout::Named) {
    for (NamedText& value : list->TextValues())
      entries.push_back({0, std::move(value.name), std::move(value.text)});
    return entries;
  }
  for (int number = 1; number <= kind_.capacity; ++number)
    if (auto entry = ReadNumber(list.Store(), number)) entries.push_back(std::move(*entry));
  // The spare number holds an entry only while a rewrite carries it round, or after one
  // was cut off there; then it may be that entry's only copy.
  if (auto spare = ReadNumber(list.Store(), kSpareNumber)) {
    const auto same = [&](const MruEntry& entry) {
      return entry.name == spare->name && entry.target == spare->target;
    };
    if (std::none_of(entries.begin(), entries.end(), same))
      entries.insert(entries.begin(), std::move(*spare));
  }
  return entries;
}

std::optional<int> MruList::AddAtFirstFreeNumber(std::string_view target) {
  OpenList list(registry_, Path());
  if (!list) return std::nullopt;
  for (int number = 1; number <= kind_.capacity; ++number) {
    if (list->HasValue(std::to_string(number))) continue;
    // The target first: cut off between the two, the number is left without "N", so
    // not listed and not taken, rather than an orphan "N" holding it for good.
    list->PutText(TargetName(number), target);
    list->PutText(std::to_string(number), DisplayNameForTarget(target));
    return number;
  }
  return std::nullopt;
}

void MruList::RemoveNumber(int number) {
  OpenList list(registry_, Path());
  if (!list || !list->HasValue(std::to_string(number))) return;
  list->RemoveValue(std::to_string(number));
  list->RemoveValue(TargetName(number));
}

// A rewrite may be cut off after any single change, by a crash or the task manager, and
// every entry it keeps or adds must be readable then. Writing number k overwrites what k
// shows, so k is written only once that is expendable: nothing, an entry the new list
// drops, or an entry that also stands at another number (a page reopened under a new
// caption counts as kept until its new pair stands). The numbers are written in whatever
// order keeps that true, so a list shifted down by one is written from its end. When
// every number left holds the only copy of an entry still needed (an entry moved to the
// front is a rotation), one of them is first copied past the new end, or to the spare
// number when the list is full. Numbers past the new end and the spare are deleted only
// once every number has its entry. Cut off anywhere, the list shows each kept entry at
// least once, perhaps twice, and never one made of two entries' halves.
void MruList::WriteInOrder(const std::vector<MruEntry>& entries) {
  OpenList list(registry_, Path());
  if (!list) return;
  SettingsStore& store = list.Store();
  const bool pairs = kind_.layout == MruLayout::NumberedPairs;
  const int end = std::min(kind_.capacity, static_cast<int>(entries.size()));

  using Shown = std::pair<std::string, std::string>;  // name and target, as a reader sees them
  const auto shownOf = [&](const MruEntry& entry) {
    return Shown{pairs ? entry.name : std::string(), entry.target};
  };
  // Index 0 is the spare number.
  std::vector<std::optional<Shown>> shown(static_cast<std::size_t>(kind_.capacity) + 1);
  const auto at = [&](int number) -> std::optional<Shown>& {
    return shown[static_cast<std::size_t>(number)];
  };
  for (int number = 0; number <= kind_.capacity; ++number)
    if (auto entry = ReadNumber(store, number)) at(number) = shownOf(*entry);
  // Index 0 unused, so that an entry's index is its number.
  std::vector<Shown> wanted(static_cast<std::size_t>(end) + 1);
  for (std::size_t index = 0; index < wanted.size() - 1; ++index)
    wanted[index + 1] = shownOf(entries[index]);

  const auto standing = [&](const Shown& entry) {
    return std::find(shown.begin(), shown.end(), entry) != shown.end();
  };
  const auto kept = [&](const Shown& entry) {
    return std::find(wanted.begin() + 1, wanted.end(), entry) != wanted.end();
  };
  // A page reopened under another caption: its old pair stays until the new one stands.
  const auto replacement = [&](const Shown& entry) -> std::optional<Shown> {
    for (auto other = wanted.begin() + 1; other != wanted.end(); ++other)
      if (other->second == entry.second && *other != entry && !standing(*other)) return *other;
    return std::nullopt;
  };
  const auto expendable = [&](int number) {
    const std::optional<Shown>& held = at(number);
    if (!held || std::count(shown.begin(), shown.end(), held) >= 2) return true;
    return !kept(*held) && !replacement(*held);
  };
  const auto put = [&](int number, const Shown& entry) {
    const std::string first = std::to_string(number);
    if (!pairs) {
      store.PutText(first, entry.second);
    } else if (store.TextOption(first) == entry.first) {
      store.PutText(TargetName(number), entry.second);
    } else if (store.TextOption(TargetName(number)) == entry.second) {
      store.PutText(first, entry.first);
    } else {
      // Neither half may join the other half of what stood there.
      store.RemoveValue(first);
      store.PutText(TargetName(number), entry.second);
      store.PutText(first, entry.first);
    }
    at(number) = entry;
  };

  for (;;) {
    bool left = false;
    bool wrote = false;
    for (int number = 1; number <= end; ++number) {
      const Shown& entry = wanted[static_cast<std::size_t>(number)];
      if (at(number) == entry) continue;
      left = true;
      if (!expendable(number)) continue;
      put(number, entry);
      wrote = true;
    }
    if (!left) break;
    if (wrote) continue;
    // Each number left holds the only copy of an entry still needed: the one at the
    // lowest, or the page that replaces it, is given a second copy.
    int lowest = 1;
    while (at(lowest) == wanted[static_cast<std::size_t>(lowest)]) ++lowest;
    const Shown held = *at(lowest);
    const Shown carried = kept(held) ? held : replacement(held).value_or(held);
    int carrier = end + 1;
    while (carrier <= kind_.capacity && !expendable(carrier)) ++carrier;
    if (carrier > kind_.capacity) carrier = kSpareNumber;
    // Not expected, as past the end nothing is needed then; should it happen, stopping
    // here leaves every entry standing.
    if (!expendable(carrier)) return;
    put(carrier, carried);
  }

  for (int number = end + 1; number <= kind_.capacity + 1; ++number) {
    const int stale = number > kind_.capacity ? kSpareNumber : number;
    if (store.HasValue(std::to_string(stale))) store.RemoveValue(std::to_string(stale));
    if (pairs && store.HasValue(TargetName(stale))) store.RemoveValue(TargetName(stale));
  }
}

bool MruList::HasName(std::string_view name) const {
  OpenList list(registry_, Path());
  return list && list->HasValue(name);
}

void MruList::WriteNamed(std::string_view name, std::string_view target) {
  OpenList list(registry_, Path());
  if (list) list->PutText(name, target);
}

void MruList::RemoveNamed(std::string_view name) {
  OpenList list(registry_, Path());
  if (list && list->HasValue(name)) list->RemoveValue(name);
}

void MruList::ClearList() {
  OpenList main(registry_, std::string(registry_layout::kMainKey));
  if (!main) return;
  main->RemoveSubkey(kind_.subkey);
  main->AddSubkey(kind_.subkey);
}

std::string MruList::DisplayNameForTarget(std::string_view target) {
  if (target.size() <= 3) return std::string(target);
  // A folder typed with its closing backslash is named as the folder, not as nothing.
  std::string_view folder = target;
  while (folder.size() > 3 && folder.back() == '\\') folder.remove_suffix(1);
  const auto last = folder.find_last_of("\\:");
  if (last == std::string_view::npos) return std::string(folder);
  if (last + 1 == folder.size()) return std::string(folder);  // a drive root: "C:\"
  return std::string(folder.substr(last + 1));
}

}  // namespace kromelik
