#include "win32/Win32Registry.h"

#include <windows.h>

#include <climits>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "win32/Handles.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}

ValueKind KindOfType(DWORD type) {
  switch (type) {
    case REG_SZ: return ValueKind::Text;
    case REG_EXPAND_SZ: return ValueKind::ExpandText;
    case REG_DWORD: return ValueKind::Number;
    case REG_BINARY: return ValueKind::Binary;
    default: return ValueKind::Other;
  }
}

// Opens for reading and writing, or for reading alone when writing is refused.
UniqueKey OpenExisting(HKEY parent, const std::wstring& path) {
  UniqueKey key;
  LSTATUS status = RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ | KEY_WRITE, key.Put());
  if (status == ERROR_ACCESS_DENIED) {
    status = RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, key.Put());
  }
  if (status != ERROR_SUCCESS) key.Reset();
  return key;
}

UniqueKey CreateOrOpen(HKEY parent, const std::wstring& path) {
  UniqueKey key;
  const LSTATUS status = RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         KEY_READ | KEY_WRITE, nullptr, key.Put(), nullptr);
  if (status == ERROR_ACCESS_DENIED) return OpenExisting(parent, path);
  if (status != ERROR_SUCCESS) key.Reset();
  return key;
}

// Names from RegEnumValueW or RegEnumKeyExW: `enumerate(index, buffer, &length)`.
template <class Enumerate>
std::vector<std::string> EnumerateNames(DWORD longestName, Enumerate enumerate) {
  std::vector<std::string> names;
  std::wstring buffer(static_cast<std::size_t>(longestName) + 1, L'\0');
  for (DWORD index = 0;;) {
    auto length = static_cast<DWORD>(buffer.size());
    const LSTATUS status = enumerate(index, buffer.data(), &length);
    if (status == ERROR_MORE_DATA) {
      // A longer name appeared since the key was measured: grow and ask for the same one.
      if (buffer.size() >= 32768) break;
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    names.push_back(WideToUtf8(std::wstring_view(buffer.data(), length)));
    ++index;
  }
  return names;
}

// Stored text need not end in NUL nor have an even size: whole characters only, up to
// the first NUL.
std::string TextOfData(const BYTE* data, DWORD size) {
  std::wstring text(size / sizeof(wchar_t), L'\0');
  if (!text.empty()) std::memcpy(text.data(), data, text.size() * sizeof(wchar_t));
  text.resize(std::wcslen(text.c_str()));
  return WideToUtf8(text);
}

class Win32RegistryKey : public RegistryKey {
 public:
  explicit Win32RegistryKey(UniqueKey key) : key_(std::move(key)) {}

  std::optional<ValueKind> KindOf(std::string_view name) const override {
    DWORD type = 0;
    DWORD size = 0;
    const LSTATUS status =
        RegQueryValueExW(key_.Get(), Utf8ToWide(name).c_str(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS) return std::nullopt;
    // A number is what can be read as one: a DWORD of another length, written by hand
    // or by another program, would be announced as a number and then not read as one.
    if (type == REG_DWORD && size != sizeof(DWORD)) return ValueKind::Other;
    return KindOfType(type);
  }

  std::optional<std::string> ReadText(std::string_view name) const override {
    const std::wstring wideName = Utf8ToWide(name);
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key_.Get(), wideName.c_str(), nullptr, &type, nullptr, &size);
    // The value may change between measuring and reading; a few rounds settle it.
    for (int attempt = 0; attempt < 4 && status == ERROR_SUCCESS; ++attempt) {
      if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
      // Stored text need not end in NUL nor have an even size: read the bytes as they
      // are and take whole characters only.
      std::vector<BYTE> data(size);
      DWORD read = size;
      status = RegQueryValueExW(key_.Get(), wideName.c_str(), nullptr, &type,
                                data.empty() ? nullptr : data.data(), &read);
      if (status == ERROR_MORE_DATA) {
        size = read;
        status = ERROR_SUCCESS;
        continue;
      }
      if (status != ERROR_SUCCESS) break;
      if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
      return TextOfData(data.data(), read);
    }
    return std::nullopt;
  }

  std::optional<std::uint32_t> ReadNumber(std::string_view name) const override {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    const LSTATUS status = RegQueryValueExW(key_.Get(), Utf8ToWide(name).c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(&value), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) return std::nullopt;
    return value;
  }

  bool WriteText(std::string_view name, std::string_view data) override {
    const std::wstring text = Utf8ToWide(data);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (bytes > ULONG_MAX) return false;
    return RegSetValueExW(key_.Get(), Utf8ToWide(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(bytes)) == ERROR_SUCCESS;
  }

  bool WriteNumber(std::string_view name, std::uint32_t data) override {
    const DWORD value = data;
    return RegSetValueExW(key_.Get(), Utf8ToWide(name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
  }

  bool DeleteValue(std::string_view name) override {
    return RegDeleteValueW(key_.Get(), Utf8ToWide(name).c_str()) == ERROR_SUCCESS;
  }

  std::vector<std::string> ValueNames() const override {
    DWORD longest = 0;
    if (RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      return {};
    }
    return EnumerateNames(longest, [this](DWORD index, wchar_t* buffer, DWORD* length) {
      return RegEnumValueW(key_.Get(), index, buffer, length, nullptr, nullptr, nullptr, nullptr);
    });
  }

  std::vector<NamedText> TextValues() const override {
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
      return {};
    }
    std::vector<NamedText> values;
    std::wstring name(static_cast<std::size_t>(longestName) + 1, L'\0');
    std::vector<BYTE> data(static_cast<std::size_t>(longestData) + sizeof(wchar_t));
    for (DWORD index = 0;;) {
      auto nameLength = static_cast<DWORD>(name.size());
      auto dataSize = static_cast<DWORD>(data.size());
      DWORD type = 0;
      const LSTATUS status = RegEnumValueW(key_.Get(), index, name.data(), &nameLength, nullptr,
                                           &type, data.data(), &dataSize);
      if (status == ERROR_MORE_DATA) {
        // The key grew since it was measured: room for the longest possible name, and
        // the data's size as the call reported it, then the same value again.
        if (data.size() > (std::size_t{1} << 24)) break;
        if (name.size() < 32768) name.resize(32768);
        if (dataSize <= data.size()) dataSize = static_cast<DWORD>(data.size() * 2);
        data.resize(static_cast<std::size_t>(dataSize) + sizeof(wchar_t));
        continue;
      }
      if (status != ERROR_SUCCESS) break;
      ++index;
      if (type != REG_SZ) continue;
      values.push_back({WideToUtf8(std::wstring_view(name.data(), nameLength)),
                        TextOfData(data.data(), dataSize)});
    }
    return values;
  }

  std::vector<std::string> SubkeyNames() const override {
    DWORD longest = 0;
    if (RegQueryInfoKeyW(key_.Get(), nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
      return {};
    }
    return EnumerateNames(longest, [this](DWORD index, wchar_t* buffer, DWORD* length) {
      return RegEnumKeyExW(key_.Get(), index, buffer, length, nullptr, nullptr, nullptr, nullptr);
    });
  }

  // An empty name would address this key itself, which is not a subkey of it; for
  // DeleteSubkeyTree it would even empty this key.
  bool HasSubkey(std::string_view name) const override {
    if (name.empty()) return false;
    UniqueKey subkey;
    return RegOpenKeyExW(key_.Get(), Utf8ToWide(name).c_str(), 0, KEY_READ, subkey.Put()) ==
           ERROR_SUCCESS;
  }

  bool CreateSubkey(std::string_view name) override {
    if (name.empty()) return false;
    UniqueKey subkey;
    return RegCreateKeyExW(key_.Get(), Utf8ToWide(name).c_str(), 0, nullptr,
                           REG_OPTION_NON_VOLATILE, KEY_READ, nullptr, subkey.Put(),
                           nullptr) == ERROR_SUCCESS;
  }

  bool DeleteSubkeyTree(std::string_view name) override {
    if (name.empty()) return false;
    return RegDeleteTreeW(key_.Get(), Utf8ToWide(name).c_str()) == ERROR_SUCCESS;
  }

 private:
  UniqueKey key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(RegistryRoot root, std::string_view path,
                                                    bool createIfMissing) {
  const std::wstring widePath = Utf8ToWide(path);
  UniqueKey key = createIfMissing ? CreateOrOpen(RootKey(root), widePath)
                                  : OpenExisting(RootKey(root), widePath);
  if (!key) return nullptr;
  return std::make_unique<Win32RegistryKey>(std::move(key));
}

}  // namespace kromelik
