// The core's file and folder services over the real adapters, on real files.

#include <string>

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "core/Csidl.h"
#include "core/FileInfo.h"
#include "core/WspolneFunkcje.h"
#include "win32/Win32Platform.h"

namespace kromelik {
namespace {

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
