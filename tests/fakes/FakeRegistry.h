#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ports/Registry.h"

namespace kromelik::fakes {

// An in-memory registry. Names ignore letter case, as the real one's do. Values are
// listed in creation order (as Windows mostly does, while Wine sorts them), subkeys in
// name order; nothing may rely on either.
class FakeRegistry : public Registry {
 public:
  enum class StoredKind : std::uint32_t { Text = 1, ExpandText = 2, Binary = 3, Number = 4, MultiText = 7, QWord = 11 };
  struct StoredValue {
    StoredKind kind = StoredKind::Text;
    std::string data;  // text for the text kinds, raw bytes otherwise
  };

  FakeRegistry();
  ~FakeRegistry() override;

  std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, std::string_view path,
                                       bool createIfMissing) override;

  // Test access without going through a key.
  void Plant(RegistryRoot root, std::string_view path, std::string_view name, StoredValue value);
  std::optional<StoredValue> Peek(RegistryRoot root, std::string_view path, std::string_view name) const;
  bool KeyExists(RegistryRoot root, std::string_view path) const;
  // Every open key of that path refuses writes from now on, as a key without rights would.
  void MakeReadOnly(RegistryRoot root, std::string_view path);
  // A kill in the middle of an operation: once `changes` more values or keys have been
  // written or deleted, every later change is dropped, as if the process had died
  // there; the calls still answer success, as a dead process sees no answer at all.
  // Reads go on showing what got stored; nullopt lets the process live again. Test code
  // only: no adapter has this.
  void DieAfterChanges(std::optional<std::size_t> changes);
  // Whether a change has been dropped since DieAfterChanges.
  bool Died() const;

  struct Lifespan;

  struct Node;

 private:
  std::shared_ptr<Node> Find(RegistryRoot root, std::string_view path, bool create) const;

  std::map<RegistryRoot, std::shared_ptr<Node>> roots_;
  std::shared_ptr<Lifespan> lifespan_;
};

}  // namespace kromelik::fakes
