#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/ports/Registry.h"

namespace kromelik {

// A value read with the wrong kind, a number that is missing, or a call without an open key.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Short-lived typed access to one registry key at a time. Readers of options go through
// the *Option accessors, which apply the checking rule: a stored value counts only when
// it exists and has the expected kind, so a stray value never fails the program.
// Writes that the registry refuses are not errors: they answer false and change nothing.
class SettingsStore {
 public:
  explicit SettingsStore(Registry& registry, RegistryRoot root = RegistryRoot::CurrentUser);

  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // Makes `path` (relative to the root) the open key, closing the previous one; with
  // `createIfMissing` every missing key on the path is created.
  bool OpenKey(std::string_view path, bool createIfMissing);
  void CloseKey();
  bool IsOpen() const { return key_ != nullptr; }

  bool HasValue(std::string_view name) const;
  // Throws SettingsError for a missing value.
  kromelik::ValueKind ValueKind(std::string_view name) const;

  // Text or ExpandText data; a missing value gives "", any other kind throws.
  std::string GetText(std::string_view name) const;
  bool PutText(std::string_view name, std::string_view text);
  // Number data; missing or of another kind throws.
  std::int32_t GetNumber(std::string_view name) const;
  bool PutNumber(std::string_view name, std::int32_t number);
  bool GetFlag(std::string_view name) const;
  bool PutFlag(std::string_view name, bool flag);
  bool RemoveValue(std::string_view name);

  bool HasSubkey(std::string_view name) const;
  bool AddSubkey(std::string_view name);
  bool RemoveSubkey(std::string_view name);
  std::vector<std::string> ListSubkeys() const;
  std::vector<std::string> ListValueNames() const;
  // Every value that TextOption reads, with what it reads, in one pass over the key.
  std::vector<NamedText> TextValues() const;

  // The checking rule: only a Text value counts as text (ExpandText does not), only a
  // Number as a number or flag; anything else reads as absent.
  std::optional<std::string> TextOption(std::string_view name) const;
  std::optional<std::int32_t> NumberOption(std::string_view name) const;
  std::optional<bool> FlagOption(std::string_view name) const;

 private:
  RegistryKey& Key() const;

  Registry& registry_;
  RegistryRoot root_;
  std::unique_ptr<RegistryKey> key_;
};

}  // namespace kromelik
