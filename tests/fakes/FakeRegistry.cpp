#include "fakes/FakeRegistry.h"

#include <algorithm>
#include <cstring>

#include "fakes/FakeText.h"

namespace kromelik::fakes {

struct FakeRegistry::Node {
  std::vector<std::pair<std::string, StoredValue>> values;                      // creation order
  std::map<std::string, std::pair<std::string, std::shared_ptr<Node>>> subkeys;  // by folded name
  bool deleted = false;
  bool readOnly = false;

  // Where each value sits in `values`, by folded name: a key of a thousand values is
  // looked up a thousand times when a list is read, and folding every stored name at
  // every look-up made the benchmarks measure this fake instead of the program.
  std::map<std::string, std::size_t> positions;

  std::vector<std::pair<std::string, StoredValue>>::iterator FindValue(std::string_view name) {
    const auto it = positions.find(UpperCase(name));
    return it == positions.end() ? values.end()
                                 : values.begin() + static_cast<std::ptrdiff_t>(it->second);
  }
  void AddValue(std::string_view name, StoredValue value) {
    positions[UpperCase(name)] = values.size();
    values.emplace_back(std::string(name), std::move(value));
  }
  void EraseValue(std::vector<std::pair<std::string, StoredValue>>::iterator it) {
    values.erase(it);
    positions.clear();
    for (std::size_t i = 0; i < values.size(); ++i) positions[UpperCase(values[i].first)] = i;
  }

  void MarkDeleted() {
    deleted = true;
    for (auto& [folded, entry] : subkeys) entry.second->MarkDeleted();
  }
};

struct FakeRegistry::Lifespan {
  std::optional<std::size_t> changesLeft;  // none: the process lives on
  bool died = false;

  // Whether the change about to be made is the first one after the process's death.
  bool Dropped() {
    if (!changesLeft) return false;
    if (*changesLeft == 0) {
      died = true;
      return true;
    }
    --*changesLeft;
    return false;
  }
};

namespace {

using Node = FakeRegistry::Node;
using Lifespan = FakeRegistry::Lifespan;
using StoredKind = FakeRegistry::StoredKind;

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const auto end = std::min(path.find('\\', start), path.size());
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

class FakeKey : public RegistryKey {
 public:
  FakeKey(std::shared_ptr<Node> node, std::shared_ptr<Lifespan> lifespan)
      : node_(std::move(node)), lifespan_(std::move(lifespan)) {}

  std::optional<ValueKind> KindOf(std::string_view name) const override {
    if (node_->deleted) return std::nullopt;
    const auto it = node_->FindValue(name);
    if (it == node_->values.end()) return std::nullopt;
    switch (it->second.kind) {
      case StoredKind::Text: return ValueKind::Text;
      case StoredKind::ExpandText: return ValueKind::ExpandText;
      // Only four bytes read as a number, as the real registry is read.
      case StoredKind::Number:
        return it->second.data.size() == sizeof(std::uint32_t) ? ValueKind::Number : ValueKind::Other;
      case StoredKind::Binary: return ValueKind::Binary;
      default: return ValueKind::Other;
    }
  }

  std::optional<std::string> ReadText(std::string_view name) const override {
    const auto kind = KindOf(name);
    if (kind != ValueKind::Text && kind != ValueKind::ExpandText) return std::nullopt;
    const std::string& data = node_->FindValue(name)->second.data;
    return data.substr(0, data.find('\0'));
  }

  std::optional<std::uint32_t> ReadNumber(std::string_view name) const override {
    if (KindOf(name) != ValueKind::Number) return std::nullopt;
    const std::string& data = node_->FindValue(name)->second.data;
    std::uint32_t number = 0;
    std::memcpy(&number, data.data(), sizeof number);
    return number;
  }

  bool WriteText(std::string_view name, std::string_view data) override {
    return Store(name, {StoredKind::Text, std::string(data)});
  }

  bool WriteNumber(std::string_view name, std::uint32_t data) override {
    std::string bytes(sizeof data, '\0');
    std::memcpy(bytes.data(), &data, sizeof data);
    return Store(name, {StoredKind::Number, bytes});
  }

  bool DeleteValue(std::string_view name) override {
    if (!Writable()) return false;
    const auto it = node_->FindValue(name);
    if (it == node_->values.end()) return false;
    if (lifespan_->Dropped()) return true;
    node_->EraseValue(it);
    return true;
  }

  std::vector<std::string> ValueNames() const override {
    std::vector<std::string> names;
    if (node_->deleted) return names;
    for (const auto& [name, value] : node_->values) names.push_back(name);
    return names;
  }

  std::vector<std::string> SubkeyNames() const override {
    std::vector<std::string> names;
    if (node_->deleted) return names;
    for (const auto& [folded, entry] : node_->subkeys) names.push_back(entry.first);
    return names;
  }

  bool HasSubkey(std::string_view name) const override {
    return !node_->deleted && !name.empty() && node_->subkeys.count(UpperCase(name)) != 0;
  }

  bool CreateSubkey(std::string_view name) override {
    if (!Writable() || name.empty()) return false;
    if (node_->subkeys.count(UpperCase(name)) == 0 && lifespan_->Dropped()) return true;
    auto [it, added] = node_->subkeys.try_emplace(UpperCase(name));
    if (added) it->second = {std::string(name), std::make_shared<Node>()};
    return true;
  }

  bool DeleteSubkeyTree(std::string_view name) override {
    if (!Writable()) return false;
    const auto it = node_->subkeys.find(UpperCase(name));
    if (name.empty() || it == node_->subkeys.end()) return false;
    if (lifespan_->Dropped()) return true;
    it->second.second->MarkDeleted();
    node_->subkeys.erase(it);
    return true;
  }

 private:
  bool Writable() const { return !node_->deleted && !node_->readOnly; }

  bool Store(std::string_view name, FakeRegistry::StoredValue value) {
    if (!Writable()) return false;
    if (lifespan_->Dropped()) return true;
    const auto it = node_->FindValue(name);
    if (it != node_->values.end()) {
      it->second = std::move(value);  // the name keeps the spelling it was created with
    } else {
      node_->AddValue(name, std::move(value));
    }
    return true;
  }

  std::shared_ptr<Node> node_;
  std::shared_ptr<Lifespan> lifespan_;
};

}  // namespace

FakeRegistry::FakeRegistry() : lifespan_(std::make_shared<Lifespan>()) {
  roots_[RegistryRoot::CurrentUser] = std::make_shared<Node>();
  roots_[RegistryRoot::ClassesRoot] = std::make_shared<Node>();
}

FakeRegistry::~FakeRegistry() = default;

std::shared_ptr<Node> FakeRegistry::Find(RegistryRoot root, std::string_view path,
                                         bool create) const {
  std::shared_ptr<Node> node = roots_.at(root);
  for (const auto& part : SplitPath(path)) {
    auto it = node->subkeys.find(UpperCase(part));
    if (it == node->subkeys.end()) {
      if (!create) return nullptr;
      it = node->subkeys.emplace(UpperCase(part), std::pair{part, std::make_shared<Node>()}).first;
    }
    node = it->second.second;
  }
  return node;
}

std::unique_ptr<RegistryKey> FakeRegistry::OpenKey(RegistryRoot root, std::string_view path,
                                                   bool createIfMissing) {
  auto node = Find(root, path, createIfMissing);
  if (!node) return nullptr;
  return std::make_unique<FakeKey>(std::move(node), lifespan_);
}

void FakeRegistry::Plant(RegistryRoot root, std::string_view path, std::string_view name,
                         StoredValue value) {
  const auto node = Find(root, path, true);
  const auto it = node->FindValue(name);
  if (it != node->values.end()) {
    it->second = std::move(value);
  } else {
    node->AddValue(name, std::move(value));
  }
}

std::optional<FakeRegistry::StoredValue> FakeRegistry::Peek(RegistryRoot root, std::string_view path,
                                                            std::string_view name) const {
  const auto node = Find(root, path, false);
  if (!node) return std::nullopt;
  const auto it = node->FindValue(name);
  if (it == node->values.end()) return std::nullopt;
  return it->second;
}

bool FakeRegistry::KeyExists(RegistryRoot root, std::string_view path) const {
  return Find(root, path, false) != nullptr;
}

void FakeRegistry::MakeReadOnly(RegistryRoot root, std::string_view path) {
  Find(root, path, true)->readOnly = true;
}

void FakeRegistry::DieAfterChanges(std::optional<std::size_t> changes) {
  lifespan_->changesLeft = changes;
  lifespan_->died = false;
}

bool FakeRegistry::Died() const { return lifespan_->died; }

}  // namespace kromelik::fakes
