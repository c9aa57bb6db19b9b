// The core's file and folder services over the real adapters, on real files.

#include <string>

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "core/Csidl.h"
#include "core/FileInfo.h"
#include "core/WspolneFunkcje.h"
#include "win32/Win32Platform.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

// Folder names compare without regard to case, as the file system does.
bool SameFolder(const std::string& left, const std::string& right) {
  const std::wstring a = Utf8ToWide(left);
  const std::wstring b = Utf8ToWide(right);
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

class CoreOverAdaptersTest : public ::testing::Test {
 protected:
  wine::TestFolder folder_;
  Win32Platform platform_;
};

TEST_F(CoreOverAdaptersTest, DetailsOfAProgramComeFromItsVersionBlock) {
  const FileDetails details =
      TFileInfo(platform_.fileInformation, wine::VersionedFixturePath()).GetDetails();

  FileDetails expected;
  expected.TypeName = details.TypeName;
  expected.CompanyName = "Pracownia Źdźbło sp. z o.o.";
  expected.FileDescription = "Plik próbny z zasobem wersji";
  expected.FileVersion = "3.1.4.159 (gałąź próbna)";
  expected.InternalName = "wersjonowany";
  expected.LegalCopyright = "© Łukasz Żółć";
  expected.LegalTrademarks = "Ćma® i Żuk™";
  expected.OriginalFilename = "versioned_fixture.exe";
  expected.ProductName = "Zestaw próbny Kromelika";
  expected.ProductVersion = "2.7.1.828";
  expected.Comments = "Zażółć gęślą jaźń";
  expected.SpecialBuild = "Wydanie specjalne: ŚĆŃ";
  expected.PrivateBuild = "Kompilacja prywatna: ęą";
  expected.Kind = FileKind::Application;
  expected.IsPreRelease = true;
  expected.IsSpecialBuild = true;
  expected.IsPrivateBuild = true;
  EXPECT_FALSE(details.TypeName.empty());
  EXPECT_EQ(details, expected);
}

TEST_F(CoreOverAdaptersTest, DetailsOfADocumentAreItsTypeNameAlone) {
  folder_.WriteFile("notatka.txt", "tekst");
  const FileDetails details =
      TFileInfo(platform_.fileInformation, folder_.PathOf("notatka.txt")).GetDetails();

  FileDetails expected;
  expected.TypeName = platform_.fileInformation.TypeName(folder_.PathOf("notatka.txt")).value_or("");
  EXPECT_FALSE(expected.TypeName.empty());
  EXPECT_EQ(details, expected);
}

TEST_F(CoreOverAdaptersTest, ResolvesLinksByTheirExtensionInEitherCase) {
  folder_.WriteFile("cel.exe", "MZ");
  ASSERT_NO_FATAL_FAILURE(folder_.WriteShellLink("Duży.LNK", folder_.PathOf("cel.exe")));
  ASSERT_NO_FATAL_FAILURE(folder_.WriteShellLink("mały.lnk", folder_.PathOf("cel.exe")));
  ASSERT_NO_FATAL_FAILURE(folder_.WriteShellLink("przebrany.txt", folder_.PathOf("cel.exe")));
  folder_.WriteFile("strona.url", "[InternetShortcut]\r\nURL=http://example.invalid/\r\n");
  const auto resolve = [this](const std::string& name) {
    return ResolveShortcut(folder_.PathOf(name), platform_.fileSystem, platform_.shortcuts,
                           platform_.textServices);
  };

  EXPECT_EQ(resolve("Duży.LNK"), folder_.PathOf("cel.exe"));
  EXPECT_EQ(resolve("mały.lnk"), folder_.PathOf("cel.exe"));
  EXPECT_EQ(resolve("przebrany.txt"), "") << "only the extension makes a link";
  EXPECT_EQ(resolve("strona.url"), "");
  EXPECT_EQ(resolve("brak.lnk"), "");
}

TEST_F(CoreOverAdaptersTest, FolderServicesGiveExistingFolders) {
  EXPECT_EQ(SpecialFolderPath(platform_.specialFolders, csidl::kDrives), "");

  const std::string notepad = ExpandPathVariables("%WINDIR%\\Notepad.exe", platform_.specialFolders,
                                                  platform_.textServices);
  EXPECT_TRUE(platform_.fileSystem.FileExists(notepad)) << notepad;
  const std::string profile =
      ExpandPathVariables("%userprofile%", platform_.specialFolders, platform_.textServices);
  EXPECT_TRUE(platform_.fileSystem.DirectoryExists(profile)) << profile;

  // The profile itself, as the platform names it both ways.
  wchar_t shellProfile[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, shellProfile),
            S_OK);
  wchar_t environmentProfile[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", environmentProfile, MAX_PATH);
  ASSERT_TRUE(length > 0 && length < MAX_PATH);
  EXPECT_EQ(profile, WideToUtf8(shellProfile));
  EXPECT_TRUE(SameFolder(profile, WideToUtf8(environmentProfile)))
      << profile << " is not USERPROFILE " << WideToUtf8(environmentProfile);
  // Where the application data folder lies deeper than straight below the profile (as
  // ...\AppData\Roaming does), its parent is some other existing folder: the checks
  // above tell the two apart only there.
  const std::string appData = SpecialFolderPath(platform_.specialFolders, csidl::kAppData);
  const std::string appDataParent = appData.substr(0, appData.rfind('\\'));
  EXPECT_FALSE(SameFolder(appDataParent, WideToUtf8(shellProfile)))
      << "the application data folder " << appData << " lies straight below the profile";

  const std::string temp = TempFolderPath(platform_.tempFolder, platform_.fileSystem);
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_TRUE(platform_.fileSystem.DirectoryExists(temp)) << temp;
}

TEST_F(CoreOverAdaptersTest, AProgramWithoutVersionBlockHasVersionZero) {
  EXPECT_EQ(ProgramVersionText(platform_.programFile, platform_.fileInformation), "0.0.0.0");
}

}  // namespace
}  // namespace kromelik
