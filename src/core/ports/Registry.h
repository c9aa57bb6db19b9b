#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kromelik {

enum class RegistryRoot { CurrentUser, ClassesRoot };

// How a stored value is classified before it is read.
enum class ValueKind { Text, ExpandText, Number, Binary, Other };

// A Text value as a whole list reads it.
struct NamedText {
  std::string name;
  std::string text;
  bool operator==(const NamedText&) const = default;
};

// One open key; destroying the object closes it. Value names ignore letter case, as the
// registry's do. A failed call leaves the stored data unchanged.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  // No value of that name: nullopt.
  virtual std::optional<ValueKind> KindOf(std::string_view name) const = 0;
  // Data of a Text or ExpandText value up to its first NUL (ExpandText unexpanded);
  // nullopt when the value is missing or of another kind.
  virtual std::optional<std::string> ReadText(std::string_view name) const = 0;
  // Data of a Number value; nullopt when missing or of another kind.
  virtual std::optional<std::uint32_t> ReadNumber(std::string_view name) const = 0;

  virtual bool WriteText(std::string_view name, std::string_view data) = 0;      // REG_SZ
  virtual bool WriteNumber(std::string_view name, std::uint32_t data) = 0;       // REG_DWORD
  virtual bool DeleteValue(std::string_view name) = 0;

  // Every value and every immediate subkey once, in the registry's own order, which
  // differs between systems: callers must not rely on any order.
  virtual std::vector<std::string> ValueNames() const = 0;
  virtual std::vector<std::string> SubkeyNames() const = 0;
  // Every Text value with its data as ReadText gives it, in the registry's own order.
  // A platform that can read names and data in one pass overrides this: a list of a
  // thousand values is read in a thousand calls instead of four thousand.
  virtual std::vector<NamedText> TextValues() const {
    std::vector<NamedText> values;
    for (std::string& name : ValueNames()) {
      if (KindOf(name) != ValueKind::Text) continue;
      if (auto text = ReadText(name)) values.push_back({std::move(name), std::move(*text)});
    }
    return values;
  }

  virtual bool HasSubkey(std::string_view name) const = 0;
  virtual bool CreateSubkey(std::string_view name) = 0;
  // Removes the subkey with all its values and subkeys.
  virtual bool DeleteSubkeyTree(std::string_view name) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // `path` is relative to the root, with "\" between keys. With `createIfMissing`
  // every missing key on the path is created. nullptr when the key cannot be opened.
  virtual std::unique_ptr<RegistryKey> OpenKey(RegistryRoot root, std::string_view path,
                                               bool createIfMissing) = 0;
};

}  // namespace kromelik
