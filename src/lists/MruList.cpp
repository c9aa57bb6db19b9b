#include "lists/MruList.h"

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

std::vector<MruEntry> MruList::ReadEntries() const {
  std::vector<MruEntry> entries;
  OpenList list(registry_, Path());
  if (!list) return entries;
  if (kind_.layout == MruLayout::Named) {
    for (NamedText& value : list->TextValues())
      entries.push_back({0, std::move(value.name), std::move(value.text)});
    return entries;
  }
  for (int number = 1; number <= kind_.capacity; ++number) {
    auto first = list->TextOption(std::to_string(number));
    if (!first) continue;
    if (kind_.layout == MruLayout::Numbered) {
      entries.push_back({number, "", std::move(*first)});
      continue;
    }
    auto target = list->TextOption(TargetName(number));
    if (!target && kind_.targetRequired) continue;
    entries.push_back({number, std::move(*first), target.value_or("")});
  }
  return entries;
}

std::optional<int> MruList::AddAtFirstFreeNumber(std::string_view target) {
  OpenList list(registry_, Path());
  if (!list) return std::nullopt;
  for (int number = 1; number <= kind_.capacity; ++number) {
    if (list->HasValue(std::to_string(number))) continue;
    list->PutText(std::to_string(number), DisplayNameForTarget(target));
    list->PutText(TargetName(number), target);
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

void MruList::WriteInOrder(const std::vector<MruEntry>& entries) {
  OpenList list(registry_, Path());
  if (!list) return;
  const bool pairs = kind_.layout == MruLayout::NumberedPairs;
  for (int number = 1; number <= kind_.capacity; ++number) {
    const auto index = static_cast<std::size_t>(number - 1);
    if (index < entries.size()) {
      list->PutText(std::to_string(number), pairs ? entries[index].name : entries[index].target);
      if (pairs) list->PutText(TargetName(number), entries[index].target);
      continue;
    }
    list->RemoveValue(std::to_string(number));
    if (pairs) list->RemoveValue(TargetName(number));
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
