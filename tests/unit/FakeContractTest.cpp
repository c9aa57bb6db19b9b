// The contract suites run against the fakes, so the fakes that every other unit test
// stands on are shown to behave as the platform does.

#include <string>

#include "contract/CurrentProcessContract.h"
#include "contract/DownloadContract.h"
#include "contract/DrivesContract.h"
#include "contract/FileSystemContract.h"
#include "contract/IniFileContract.h"
#include "contract/RegistryContract.h"
#include "contract/TextContract.h"
#include "fakes/FakeDownload.h"
#include "fakes/FakeDrives.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIniFile.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeText.h"

namespace kromelik::contract {
namespace {

class FakeRegistryHarness : public RegistryHarness {
 public:
  Registry& Subject() override { return registry_; }
  std::string ScratchPath() const override { return "Software\\KromelikTests\\Fake"; }

  void Plant(std::string_view keyPath, std::string_view name, RawKind kind,
             std::string_view bytes) override {
    using Stored = fakes::FakeRegistry::StoredKind;
    const Stored stored = kind == RawKind::ExpandText ? Stored::ExpandText
                        : kind == RawKind::Binary     ? Stored::Binary
                        : kind == RawKind::MultiText  ? Stored::MultiText
                        : kind == RawKind::Number     ? Stored::Number
                                                      : Stored::QWord;
    registry_.Plant(RegistryRoot::CurrentUser, keyPath, name, {stored, std::string(bytes)});
  }

  void Cleanup() override {}

 private:
  fakes::FakeRegistry registry_;
};

constexpr const char* kFakeFolder = "C:\\Program Files\\Kromelik";

class FakeFileSystemHarness : public FileSystemHarness {
 public:
  FakeFileSystemHarness() { files_.AddDirectory(kFakeFolder); }

  FileSystem& Subject() override { return files_; }
  std::string PathOf(std::string_view name) const override {
    return std::string(kFakeFolder) + "\\" + std::string(name);
  }
  void WriteFile(std::string_view name, std::string_view bytes) override {
    files_.AddFile(PathOf(name), bytes);
  }
  void MakeDirectory(std::string_view name) override { files_.AddDirectory(PathOf(name)); }
  void HoldExclusively(std::string_view name) override { files_.MarkUnreadable(PathOf(name)); }
  void Release(std::string_view name) override { files_.MarkReadable(PathOf(name)); }

 private:
  fakes::FakeFileSystem files_;
};

// The drives as a test would add them, out of order and with one letter twice.
std::unique_ptr<Drives> MakeFakeDrives() {
  auto drives = std::make_unique<fakes::FakeDrives>();
  drives->Add('Z', DriveType::Fixed);
  drives->Add('c', DriveType::Fixed, "System");
  drives->Add('A', DriveType::Removable);
  drives->Add('D', DriveType::CdRom);
  drives->Add('C', DriveType::Fixed, "Windows");
  return drives;
}

class FakeDownloadHarness : public DownloadHarness {
 public:
  FakeDownloadHarness() { files_.AddDirectory(LocalFolder()); }

  Download& Subject() override { return download_; }
  FileSystem& Files() override { return files_; }
  std::string LocalFolder() const override { return "C:\\Temp"; }
  void WriteLocalFile(std::string_view name, std::string_view bytes) override {
    files_.AddFile(LocalFolder() + "\\" + std::string(name), bytes);
  }
  std::string Published(std::string_view bytes) override {
    download_.Publish("http://aktualizacje.example/version.ini", std::string(bytes));
    return "http://aktualizacje.example/version.ini";
  }
  std::string Missing() override { return "http://aktualizacje.example/brak.ini"; }
  std::string Silent() override {
    download_.Silence("http://milczacy.example/version.ini");
    return "http://milczacy.example/version.ini";
  }

 private:
  fakes::FakeFileSystem files_;
  fakes::FakeDownload download_{files_};
};

class FakeIniFileHarness : public IniFileHarness {
 public:
  FakeIniFileHarness() { files_.AddDirectory(kFakeFolder); }

  IniFile& Subject() override { return ini_; }
  FileSystem& Files() override { return files_; }
  std::string PathOf(std::string_view name) const override {
    return std::string(kFakeFolder) + "\\" + std::string(name);
  }
  void WriteFile(std::string_view name, std::string_view bytes) override {
    files_.AddFile(PathOf(name), bytes);
  }
  std::string FromAnsiCodePage(std::string_view bytes) const override {
    return fakes::FakeTextServices().FromAnsiCodePage(bytes);
  }

 private:
  fakes::FakeFileSystem files_;
  fakes::FakeIniFile ini_{files_};
};

std::unique_ptr<IniFileHarness> MakeFakeIniFile() { return std::make_unique<FakeIniFileHarness>(); }
std::unique_ptr<CurrentProcess> MakeFakeProcess() {
  return std::make_unique<fakes::FakeCurrentProcess>();
}

std::unique_ptr<FileSystemHarness> MakeFakeFiles() {
  return std::make_unique<FakeFileSystemHarness>();
}
std::unique_ptr<DownloadHarness> MakeFakeDownload() {
  return std::make_unique<FakeDownloadHarness>();
}
std::unique_ptr<RegistryHarness> MakeFakeHarness() { return std::make_unique<FakeRegistryHarness>(); }
std::unique_ptr<TextServices> MakeFakeText() { return std::make_unique<fakes::FakeTextServices>(); }

INSTANTIATE_TEST_SUITE_P(Contract, RegistryContract,
                         ::testing::Values(Subject<RegistryHarnessFactory>{"Fake", &MakeFakeHarness}),
                         SubjectName());
INSTANTIATE_TEST_SUITE_P(Contract, TextContract,
                         ::testing::Values(Subject<TextServicesFactory>{"Fake", &MakeFakeText}),
                         SubjectName());
INSTANTIATE_TEST_SUITE_P(
    Contract, FileSystemContract,
    ::testing::Values(Subject<FileSystemHarnessFactory>{"Fake", &MakeFakeFiles}), SubjectName());
INSTANTIATE_TEST_SUITE_P(Contract, DrivesContract,
                         ::testing::Values(Subject<DrivesFactory>{"Fake", &MakeFakeDrives}),
                         SubjectName());
INSTANTIATE_TEST_SUITE_P(
    Contract, DownloadContract,
    ::testing::Values(Subject<DownloadHarnessFactory>{"Fake", &MakeFakeDownload}), SubjectName());
INSTANTIATE_TEST_SUITE_P(
    Contract, IniFileContract,
    ::testing::Values(Subject<IniFileHarnessFactory>{"Fake", &MakeFakeIniFile}), SubjectName());
INSTANTIATE_TEST_SUITE_P(
    Contract, CurrentProcessContract,
    ::testing::Values(Subject<CurrentProcessFactory>{"Fake", &MakeFakeProcess}), SubjectName());

}  // namespace
}  // namespace kromelik::contract
