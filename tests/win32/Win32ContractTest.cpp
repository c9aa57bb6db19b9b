// The contract suites against the real registry, files, INI files, drives, downloads and
// process, and the platform's text services.

#include <windows.h>

#include <atomic>
#include <map>
#include <memory>
#include <string>

#include "LoopbackServer.h"
#include "TestFolder.h"
#include "contract/CurrentProcessContract.h"
#include "contract/DownloadContract.h"
#include "contract/DrivesContract.h"
#include "contract/FileSystemContract.h"
#include "contract/IniFileContract.h"
#include "contract/RegistryContract.h"
#include "contract/TextContract.h"
#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/Win32CurrentProcess.h"
#include "win32/Win32Download.h"
#include "win32/Win32Drives.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32IniFile.h"
#include "win32/Win32Registry.h"
#include "win32/Win32TextServices.h"

namespace kromelik::contract {
namespace {

class Win32RegistryHarness : public RegistryHarness {
 public:
  Win32RegistryHarness() {
    static std::atomic<unsigned> made{0};
    path_ = "Software\\KromelikTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(made++);
  }

  Registry& Subject() override { return registry_; }
  std::string ScratchPath() const override { return path_; }

  void Plant(std::string_view keyPath, std::string_view name, RawKind kind,
             std::string_view bytes) override {
    UniqueKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Utf8ToWide(keyPath).c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, key.Put(), nullptr),
              ERROR_SUCCESS);
    std::wstring text;
    const BYTE* data = reinterpret_cast<const BYTE*>(bytes.data());
    std::size_t size = bytes.size();
    DWORD type = REG_BINARY;
    switch (kind) {
      case RawKind::ExpandText:
        type = REG_EXPAND_SZ;
        text = Utf8ToWide(bytes);
        text.push_back(L'\0');
        break;
      case RawKind::MultiText:
        type = REG_MULTI_SZ;
        // One string, then the empty string that ends the list.
        text = Utf8ToWide(bytes);
        text.append(2, L'\0');
        break;
      case RawKind::Binary: type = REG_BINARY; break;
      case RawKind::QWord: type = REG_QWORD; break;
      case RawKind::Number: type = REG_DWORD; break;
    }
    if (!text.empty()) {
      data = reinterpret_cast<const BYTE*>(text.data());
      size = text.size() * sizeof(wchar_t);
    }
    ASSERT_EQ(RegSetValueExW(key.Get(), Utf8ToWide(name).c_str(), 0, type, data,
                             static_cast<DWORD>(size)),
              ERROR_SUCCESS);
  }

  void Cleanup() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(path_).c_str());
    // Removes the shared parent too once no other harness uses it: a key with subkeys
    // is not deleted by this call.
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\KromelikTests");
  }

 private:
  Win32Registry registry_;
  std::string path_;
};

class Win32FileSystemHarness : public FileSystemHarness {
 public:
  FileSystem& Subject() override { return files_; }
  std::string PathOf(std::string_view name) const override { return folder_.PathOf(name); }
  void WriteFile(std::string_view name, std::string_view bytes) override {
    folder_.WriteFile(name, bytes);
  }
  void MakeDirectory(std::string_view name) override { folder_.MakeDirectory(name); }
  void HoldExclusively(std::string_view name) override {
    UniqueFileHandle held(CreateFileW(Utf8ToWide(PathOf(name)).c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held) << "cannot hold " << PathOf(name) << ": error " << GetLastError();
    held_[std::string(name)] = std::move(held);
  }
  void Release(std::string_view name) override { held_.erase(std::string(name)); }

 private:
  wine::TestFolder folder_;
  Win32FileSystem files_;
  std::map<std::string, UniqueFileHandle> held_;  // closed before the folder goes
};

// file: addresses of files in a folder of their own, and a server for the silent one.
class Win32DownloadHarness : public DownloadHarness {
 public:
  Download& Subject() override { return download_; }
  FileSystem& Files() override { return files_; }
  std::string LocalFolder() const override { return local_.Path(); }
  void WriteLocalFile(std::string_view name, std::string_view bytes) override {
    local_.WriteFile(name, bytes);
  }
  std::string Published(std::string_view bytes) override {
    sources_.WriteFile("version.ini", bytes);
    return FileUrl(sources_.PathOf("version.ini"));
  }
  std::string Missing() override { return FileUrl(sources_.PathOf("brak.ini")); }
  std::string Silent() override { return server_.Url("/version.ini"); }

 private:
  static std::string FileUrl(std::string path) {
    for (char& c : path)
      if (c == '\\') c = '/';
    return "file:///" + path;
  }

  wine::TestFolder local_;
  wine::TestFolder sources_;
  wine::LoopbackServer server_;
  Win32FileSystem files_;
  Win32Download download_;
};

class Win32IniFileHarness : public IniFileHarness {
 public:
  IniFile& Subject() override { return ini_; }
  FileSystem& Files() override { return files_; }
  std::string PathOf(std::string_view name) const override { return folder_.PathOf(name); }
  void WriteFile(std::string_view name, std::string_view bytes) override {
    folder_.WriteFile(name, bytes);
  }
  std::string FromAnsiCodePage(std::string_view bytes) const override {
    return Win32TextServices().FromAnsiCodePage(bytes);  // the system's own code page
  }

 private:
  wine::TestFolder folder_;
  Win32FileSystem files_;
  Win32IniFile ini_;
};

std::unique_ptr<IniFileHarness> MakeWin32IniFile() {
  return std::make_unique<Win32IniFileHarness>();
}
std::unique_ptr<CurrentProcess> MakeWin32Process() {
  return std::make_unique<Win32CurrentProcess>();
}

std::unique_ptr<FileSystemHarness> MakeWin32Files() {
  return std::make_unique<Win32FileSystemHarness>();
}
std::unique_ptr<Drives> MakeWin32Drives() { return std::make_unique<Win32Drives>(); }
std::unique_ptr<DownloadHarness> MakeWin32Download() {
  return std::make_unique<Win32DownloadHarness>();
}
std::unique_ptr<RegistryHarness> MakeWin32Harness() {
  return std::make_unique<Win32RegistryHarness>();
}
std::unique_ptr<TextServices> MakeWin32Text() { return std::make_unique<Win32TextServices>(1250); }

INSTANTIATE_TEST_SUITE_P(Contract, RegistryContract,
                         ::testing::Values(Subject<RegistryHarnessFactory>{"Win32", &MakeWin32Harness}),
                         SubjectName());
INSTANTIATE_TEST_SUITE_P(Contract, TextContract,
                         ::testing::Values(Subject<TextServicesFactory>{"Win32", &MakeWin32Text}),
                         SubjectName());
INSTANTIATE_TEST_SUITE_P(
    Contract, FileSystemContract,
    ::testing::Values(Subject<FileSystemHarnessFactory>{"Win32", &MakeWin32Files}), SubjectName());
INSTANTIATE_TEST_SUITE_P(Contract, DrivesContract,
                         ::testing::Values(Subject<DrivesFactory>{"Win32", &MakeWin32Drives}),
                         SubjectName());
INSTANTIATE_TEST_SUITE_P(
    Contract, DownloadContract,
    ::testing::Values(Subject<DownloadHarnessFactory>{"Win32", &MakeWin32Download}), SubjectName());
INSTANTIATE_TEST_SUITE_P(
    Contract, IniFileContract,
    ::testing::Values(Subject<IniFileHarnessFactory>{"Win32", &MakeWin32IniFile}), SubjectName());
INSTANTIATE_TEST_SUITE_P(
    Contract, CurrentProcessContract,
    ::testing::Values(Subject<CurrentProcessFactory>{"Win32", &MakeWin32Process}), SubjectName());

}  // namespace
}  // namespace kromelik::contract
