#include "core/SettingsStore.h"

#include <string>

namespace kromelik {

namespace {

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

}  // namespace

SettingsStore::SettingsStore(Registry& registry, RegistryRoot root)
    : registry_(registry), root_(root) {}

bool SettingsStore::OpenKey(std::string_view path, bool createIfMissing) {
  key_.reset();
  key_ = registry_.OpenKey(root_, path, createIfMissing);
  return key_ != nullptr;
}

void SettingsStore::CloseKey() { key_.reset(); }

RegistryKey& SettingsStore::Key() const {
  if (!key_) throw SettingsError("no registry key is open");
  return *key_;
}

bool SettingsStore::HasValue(std::string_view name) const {
  return Key().KindOf(name).has_value();
}

kromelik::ValueKind SettingsStore::ValueKind(std::string_view name) const {
  const auto kind = Key().KindOf(name);
  if (!kind) throw SettingsError("no value " + Quoted(name));
  return *kind;
}

std::string SettingsStore::GetText(std::string_view name) const {
  const auto kind = Key().KindOf(name);
  if (!kind) return {};
  if (*kind != ValueKind::Text && *kind != ValueKind::ExpandText)
    throw SettingsError("value " + Quoted(name) + " is not text");
  // The value can vanish between the two calls; it then reads as missing.
  return Key().ReadText(name).value_or(std::string{});
}

bool SettingsStore::PutText(std::string_view name, std::string_view text) {
  return Key().WriteText(name, text);
}

std::int32_t SettingsStore::GetNumber(std::string_view name) const {
  const auto number = Key().ReadNumber(name);
  if (!number) throw SettingsError("value " + Quoted(name) + " is not a number");
  return static_cast<std::int32_t>(*number);
}

bool SettingsStore::PutNumber(std::string_view name, std::int32_t number) {
  return Key().WriteNumber(name, static_cast<std::uint32_t>(number));
}

bool SettingsStore::GetFlag(std::string_view name) const { return GetNumber(name) != 0; }

bool SettingsStore::PutFlag(std::string_view name, bool flag) {
  return PutNumber(name, flag ? 1 : 0);
}

bool SettingsStore::RemoveValue(std::string_view name) { return Key().DeleteValue(name); }

bool SettingsStore::HasSubkey(std::string_view name) const { return Key().HasSubkey(name); }

bool SettingsStore::AddSubkey(std::string_view name) { return Key().CreateSubkey(name); }

bool SettingsStore::RemoveSubkey(std::string_view name) { return Key().DeleteSubkeyTree(name); }

std::vector<std::string> SettingsStore::ListSubkeys() const { return Key().SubkeyNames(); }

std::vector<std::string> SettingsStore::ListValueNames() const { return Key().ValueNames(); }

std::vector<NamedText> SettingsStore::TextValues() const { return Key().TextValues(); }

std::optional<std::string> SettingsStore::TextOption(std::string_view name) const {
  if (Key().KindOf(name) != ValueKind::Text) return std::nullopt;
  return Key().ReadText(name);
}

std::optional<std::int32_t> SettingsStore::NumberOption(std::string_view name) const {
  const auto number = Key().ReadNumber(name);
  if (!number) return std::nullopt;
  return static_cast<std::int32_t>(*number);
}

std::optional<bool> SettingsStore::FlagOption(std::string_view name) const {
  const auto number = NumberOption(name);
  if (!number) return std::nullopt;
  return *number != 0;
}

}  // namespace kromelik
