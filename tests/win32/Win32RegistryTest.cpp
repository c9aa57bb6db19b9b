// What the contract cannot reach: data no program of ours writes, but other programs
// and damaged settings leave behind, and the registry's access rules.

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/Win32Registry.h"

namespace kromelik {
namespace {

bool SetPermissions(HKEY key, const wchar_t* dacl) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(dacl, SDDL_REVISION_1, &descriptor,
                                                            nullptr)) {
    return false;
  }
  const LSTATUS status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
  LocalFree(descriptor);
  return status == ERROR_SUCCESS;
}

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = "Software\\KromelikTests\\raw-" + std::to_string(GetCurrentProcessId());
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Utf8ToWide(path_).c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, raw_.Put(),
                              nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    // A key locked by a test must be given back to its owner before it can be removed;
    // the owner may always change the permissions.
    UniqueKey locked;
    if (RegOpenKeyExW(raw_.Get(), L"locked", 0, WRITE_DAC, locked.Put()) == ERROR_SUCCESS) {
      SetPermissions(locked.Get(), L"D:P(A;;KA;;;WD)");
    }
    locked.Reset();
    raw_.Reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(path_).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\KromelikTests");
  }

  void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExW(raw_.Get(), name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
  }
  std::unique_ptr<RegistryKey> Open(bool create = false) {
    return registry_.OpenKey(RegistryRoot::CurrentUser, path_, create);
  }

  Win32Registry registry_;
  std::string path_;
  UniqueKey raw_;
};

TEST_F(Win32RegistryTest, TextWithoutItsNulOrWithAnOddSizeReadsAsTheWholeCharacters) {
  const wchar_t letters[] = L"łódź";  // four characters and a NUL
  SetRaw(L"unterminated", REG_SZ, letters, 4 * sizeof(wchar_t));
  SetRaw(L"odd", REG_SZ, letters, 4 * sizeof(wchar_t) + 1);
  SetRaw(L"expand-unterminated", REG_EXPAND_SZ, L"%windir%", 8 * sizeof(wchar_t));
  SetRaw(L"inner-nul", REG_SZ, L"ab\0cd", 6 * sizeof(wchar_t));
  SetRaw(L"no-bytes", REG_SZ, L"", 0);
  SetRaw(L"one-byte", REG_SZ, "x", 1);

  auto key = Open();
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadText("unterminated"), "łódź");
  EXPECT_EQ(key->ReadText("odd"), "łódź");
  EXPECT_EQ(key->ReadText("expand-unterminated"), "%windir%");
  EXPECT_EQ(key->ReadText("inner-nul"), "ab") << "text ends at its first NUL";
  EXPECT_EQ(key->ReadText("no-bytes"), "");
  EXPECT_EQ(key->ReadText("one-byte"), "");
}

// A DWORD of the wrong size is held to the same rule in the contract suite.
TEST_F(Win32RegistryTest, NumbersOfTheWrongByteOrderAreNoNumbers) {
  const DWORD value = 7;
  SetRaw(L"big-endian", REG_DWORD_BIG_ENDIAN, &value, sizeof(value));
  SetRaw(L"none", REG_NONE, nullptr, 0);

  auto key = Open();
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->KindOf("big-endian"), ValueKind::Other);
  EXPECT_EQ(key->ReadNumber("big-endian"), std::nullopt);
  EXPECT_EQ(key->KindOf("none"), ValueKind::Other);
}

TEST_F(Win32RegistryTest, EnumeratesNamesAsLongAsTheRegistryAllows) {
  // Value names reach 16383 characters, key names 255.
  const std::string longValue(2000, 'v');
  const std::string longestKey = "ż" + std::string(254, 'k');
  auto key = Open();
  ASSERT_NE(key, nullptr);
  ASSERT_TRUE(key->WriteNumber(longValue, 1));
  ASSERT_TRUE(key->WriteNumber("short", 2));
  ASSERT_TRUE(key->CreateSubkey(longestKey));

  auto values = key->ValueNames();
  std::sort(values.begin(), values.end());
  EXPECT_EQ(values, (std::vector<std::string>{"short", longValue}));
  EXPECT_EQ(key->SubkeyNames(), std::vector<std::string>{longestKey});
}

TEST_F(Win32RegistryTest, AnEmptySubkeyNameNeverAddressesTheKeyItself) {
  auto key = Open();
  ASSERT_NE(key, nullptr);
  ASSERT_TRUE(key->WriteText("kept", "yes"));
  ASSERT_TRUE(key->CreateSubkey("child"));

  EXPECT_FALSE(key->HasSubkey(""));
  EXPECT_FALSE(key->CreateSubkey(""));
  EXPECT_FALSE(key->DeleteSubkeyTree(""));
  EXPECT_EQ(key->ReadText("kept"), "yes");
  EXPECT_TRUE(key->HasSubkey("child"));
}

TEST_F(Win32RegistryTest, AKeyTheUserMayOnlyReadOpensForReading) {
  // Everyone may read the subkey, nobody may change it.
  UniqueKey locked;
  ASSERT_EQ(RegCreateKeyExW(raw_.Get(), L"locked", 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, locked.Put(), nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(locked.Get(), L"value", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(L"stały"), 6 * sizeof(wchar_t)),
            ERROR_SUCCESS);
  ASSERT_TRUE(SetPermissions(locked.Get(), L"D:P(A;;KR;;;WD)"));
  locked.Reset();
  UniqueKey writable;
  if (RegOpenKeyExW(raw_.Get(), L"locked", 0, KEY_SET_VALUE, writable.Put()) == ERROR_SUCCESS) {
    GTEST_SKIP() << "this registry does not enforce key security";
  }

  auto key = registry_.OpenKey(RegistryRoot::CurrentUser, path_ + "\\locked", false);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadText("value"), "stały");
  EXPECT_FALSE(key->WriteText("value", "changed"));
  EXPECT_EQ(key->ReadText("value"), "stały");
  EXPECT_NE(registry_.OpenKey(RegistryRoot::CurrentUser, path_ + "\\locked", true), nullptr)
      << "an existing key the user may not change still opens with create-if-missing";
}

TEST_F(Win32RegistryTest, TheClassesRootIsTheShellsClassesHive) {
  const std::string name = "KromelikTests." + std::to_string(GetCurrentProcessId());
  {
    auto key = registry_.OpenKey(RegistryRoot::ClassesRoot, name + "\\shell\\open", true);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->WriteText("", "Otwórz"));
  }
  wchar_t data[32] = {};
  DWORD size = sizeof(data);
  const LSTATUS read = RegGetValueW(HKEY_CLASSES_ROOT, Utf8ToWide(name + "\\shell\\open").c_str(),
                                    nullptr, RRF_RT_REG_SZ, nullptr, data, &size);
  RegDeleteTreeW(HKEY_CLASSES_ROOT, Utf8ToWide(name).c_str());
  ASSERT_EQ(read, ERROR_SUCCESS);
  EXPECT_STREQ(data, L"Otwórz");
}

}  // namespace
}  // namespace kromelik
