#include "TestFolder.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <thread>

#include <gtest/gtest.h>

#include "win32/Handles.h"
#include "win32/Win32ProgramFile.h"
#include "win32/Win32TempFolder.h"
#include "win32/WideText.h"

namespace kromelik::wine {
namespace {

std::filesystem::path WidePath(std::string_view utf8) {
  return std::filesystem::path(Utf8ToWide(utf8));
}

}  // namespace

TestFolder::TestFolder() {
  static std::atomic<unsigned> created{0};
  std::string temp = Win32TempFolder().PlatformTempPath();
  if (!temp.empty() && temp.back() != '\\') temp += '\\';
  path_ = temp + "kromelik-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(created++) + "-źdźbło";
  std::error_code error;
  std::filesystem::create_directories(WidePath(path_), error);
  EXPECT_FALSE(error) << "cannot create " << path_ << ": " << error.message();
}

TestFolder::~TestFolder() {
  std::error_code error;
  std::filesystem::remove_all(WidePath(path_), error);
}

void TestFolder::WriteFile(std::string_view name, std::string_view bytes) const {
  std::ofstream file(WidePath(PathOf(name)), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  EXPECT_TRUE(file.good()) << "cannot write " << PathOf(name);
}

void TestFolder::MakeDirectory(std::string_view name) const {
  std::error_code error;
  std::filesystem::create_directories(WidePath(PathOf(name)), error);
  EXPECT_FALSE(error) << "cannot create " << PathOf(name);
}

void TestFolder::WriteShellLink(std::string_view name, std::string_view target) const {
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_PPV_ARGS(link.Put())));
  ASSERT_HRESULT_SUCCEEDED(link->SetPath(Utf8ToWide(target).c_str()));
  ASSERT_HRESULT_SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(file.Put())));
  ASSERT_HRESULT_SUCCEEDED(file->Save(Utf8ToWide(PathOf(name)).c_str(), TRUE));
}

std::string VersionedFixturePath() {
  const std::string self = Win32ProgramFile().Path();
  return self.substr(0, self.find_last_of('\\') + 1) + "versioned_fixture.exe";
}

std::optional<std::string> WaitForFile(const std::string& path, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  const auto widePath = WidePath(path);
  while (std::chrono::steady_clock::now() < deadline) {
    // The writer may still hold the file open; a share-denying open tells that apart.
    const HANDLE probe = CreateFileW(widePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
      CloseHandle(probe);
      std::ifstream file(widePath, std::ios::binary);
      return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return std::nullopt;
}

}  // namespace kromelik::wine
