#include "core/FileInfo.h"

#include <gtest/gtest.h>

#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeText.h"

namespace kromelik {
namespace {

constexpr const char* kProgram = "C:\\Gry\\Saper.exe";

class FileInfoTest : public ::testing::Test {
 protected:
  FileInfoTest() {
    auto& file = files.Add(kProgram);
    file.icon = 0x1234;
    file.typeName = "Aplikacja";
    file.isProgram = true;
    fakes::FakeVersion version;
    version.translation = VersionTranslation{0x0415, 0x04E2};
    const std::string block = "\\StringFileInfo\\041504e2\\";
    version.strings = {
        {block + "CompanyName", "Brenvald"},       {block + "FileDescription", "Saper"},
        {block + "FileVersion", "1.2"},            {block + "InternalName", "saper"},
        {block + "LegalCopyright", "© Brenvald"},  {block + "LegalTrademarks", "™"},
        {block + "OriginalFilename", "saper.exe"}, {block + "ProductName", "Gry"},
        {block + "ProductVersion", "1.2.3"},       {block + "Comments", "Zażółć"},
        {block + "SpecialBuild", "specjalna"},     {block + "PrivateBuild", "prywatna"},
        // Another translation's strings must not be taken.
        {"\\StringFileInfo\\040904b0\\Comments", "English"},
    };
    FixedVersionInfo fixed;
    fixed.flagsMask = 0x3F;
    fixed.flags = 0x01 | 0x02 | 0x04 | 0x08 | 0x10 | 0x20;
    fixed.fileType = 1;
    version.fixed = fixed;
    file.version = version;
  }

  fakes::FakeFileInformation files;
};

TEST_F(FileInfoTest, ReadsEveryStringOfTheFirstTranslationAndEveryFlag) {
  const FileDetails details = TFileInfo(files, kProgram).GetDetails();
  EXPECT_EQ(details.TypeName, "Aplikacja");
  EXPECT_EQ(details.CompanyName, "Brenvald");
  EXPECT_EQ(details.FileDescription, "Saper");
  EXPECT_EQ(details.FileVersion, "1.2");
  EXPECT_EQ(details.InternalName, "saper");
  EXPECT_EQ(details.LegalCopyright, "© Brenvald");
  EXPECT_EQ(details.LegalTrademarks, "™");
  EXPECT_EQ(details.OriginalFilename, "saper.exe");
  EXPECT_EQ(details.ProductName, "Gry");
  EXPECT_EQ(details.ProductVersion, "1.2.3");
  EXPECT_EQ(details.Comments, "Zażółć");
  EXPECT_EQ(details.SpecialBuild, "specjalna");
  EXPECT_EQ(details.PrivateBuild, "prywatna");
  EXPECT_EQ(details.Kind, FileKind::Application);
  EXPECT_TRUE(details.IsDebug && details.IsPreRelease && details.IsPatched &&
              details.IsPrivateBuild && details.IsInfoInferred && details.IsSpecialBuild);
}

TEST_F(FileInfoTest, AFlagCountsOnlyWhereTheMaskAllowsIt) {
  auto& fixed = *files.Add(kProgram).version->fixed;
  fixed.flagsMask = 0x02 | 0x20;
  fixed.flags = 0x01 | 0x02 | 0x08;
  fixed.fileType = 2;
  const FileDetails details = TFileInfo(files, kProgram).GetDetails();
  EXPECT_TRUE(details.IsPreRelease);
  EXPECT_FALSE(details.IsDebug) << "set but masked out";
  EXPECT_FALSE(details.IsPrivateBuild);
  EXPECT_FALSE(details.IsSpecialBuild) << "allowed but not set";
  EXPECT_EQ(details.Kind, FileKind::Library);
}

TEST_F(FileInfoTest, DocumentsGetTheirTypeNameOnly) {
  auto& document = files.Add("C:\\list.txt");
  document.typeName = "Dokument tekstowy";
  document.version = files.Add(kProgram).version;  // even a document that carries a block
  FileDetails expected;
  expected.TypeName = "Dokument tekstowy";
  EXPECT_EQ(TFileInfo(files, "C:\\list.txt").GetDetails(), expected);
}

TEST_F(FileInfoTest, MissingPiecesLeaveEmptyFields) {
  EXPECT_EQ(TFileInfo(files, "C:\\missing.exe").GetDetails(), FileDetails{});

  auto& version = *files.Add(kProgram).version;
  version.translation.reset();
  version.fixed.reset();
  FileDetails expected;
  expected.TypeName = "Aplikacja";
  EXPECT_EQ(TFileInfo(files, kProgram).GetDetails(), expected);

  files.Add(kProgram).version.reset();
  EXPECT_EQ(TFileInfo(files, kProgram).GetDetails(), expected) << "no version block";
}

TEST_F(FileInfoTest, IconKindsMapToTheShellSizes) {
  const TFileInfo info(files, kProgram);
  EXPECT_EQ(info.GetIcon(0), 0x1234u);
  info.GetIcon(1);
  info.GetIcon(2);
  info.GetIcon(7);
  EXPECT_EQ(files.requestedSizes,
            (std::vector<IconSize>{IconSize::Small, IconSize::Large, IconSize::Open, IconSize::Small}));
  EXPECT_EQ(TFileInfo(files, "C:\\none.exe").GetIcon(0), 0u);
}

class ResolveShortcutTest : public ::testing::Test {
 protected:
  std::string Resolve(std::string_view path) { return ResolveShortcut(path, fileSystem, shortcuts, text); }

  fakes::FakeFileSystem fileSystem;
  fakes::FakeShortcuts shortcuts;
  fakes::FakeTextServices text;
};

TEST_F(ResolveShortcutTest, FollowsLinksOfEitherCaseAndPifFiles) {
  for (const char* link : {"C:\\Recent\\a.lnk", "C:\\Recent\\B.LNK", "C:\\Recent\\c.Pif"}) {
    fileSystem.AddFile(link);
    shortcuts.Add(link, std::string("target of ") + link);
    EXPECT_EQ(Resolve(link), std::string("target of ") + link);
  }
}

TEST_F(ResolveShortcutTest, AnythingElseGivesNothing) {
  shortcuts.Add("C:\\Recent\\gone.lnk", "C:\\x");
  EXPECT_EQ(Resolve("C:\\Recent\\gone.lnk"), "") << "no file";
  fileSystem.AddFile("C:\\Recent\\strona.url");
  shortcuts.Add("C:\\Recent\\strona.url", "http://example.invalid/");
  EXPECT_EQ(Resolve("C:\\Recent\\strona.url"), "");
  fileSystem.AddFile("C:\\Recent.lnk\\plik");
  EXPECT_EQ(Resolve("C:\\Recent.lnk\\plik"), "") << "the dot belongs to a folder";
  fileSystem.AddDirectory("C:\\folder.lnk");
  EXPECT_EQ(Resolve("C:\\folder.lnk"), "") << "a folder is no link";
  fileSystem.AddFile("C:\\Recent\\empty.lnk");
  EXPECT_EQ(Resolve("C:\\Recent\\empty.lnk"), "") << "a link without a target";
}

TEST_F(ResolveShortcutTest, AMissingShellLinkObjectIsRaised) {
  fileSystem.AddFile("C:\\a.lnk");
  shortcuts.unavailable = true;
  EXPECT_THROW(Resolve("C:\\a.lnk"), ShellLinkUnavailable);
}

}  // namespace
}  // namespace kromelik
