#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32PathChecks.h"

namespace kromelik {
namespace {

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteFile("notatka.txt", "x");
    folder_.WriteFile("Skrót.LNK", "x");
    folder_.WriteFile("łącze.lnk", "x");
    folder_.MakeDirectory("Podfolder.lnk");
  }

  std::vector<std::string> Names(const std::string& pattern) const {
    std::vector<std::string> names;
    for (const auto& entry : files_.FindEntries(folder_.PathOf(pattern))) {
      names.push_back(entry.name + (entry.isDirectory ? "\\" : ""));
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  wine::TestFolder folder_;
  Win32FileSystem files_;
};

TEST_F(Win32FileSystemTest, TellsFilesFromDirectories) {
  EXPECT_TRUE(files_.FileExists(folder_.PathOf("notatka.txt")));
  EXPECT_FALSE(files_.DirectoryExists(folder_.PathOf("notatka.txt")));
  EXPECT_TRUE(files_.DirectoryExists(folder_.PathOf("Podfolder.lnk")));
  EXPECT_FALSE(files_.FileExists(folder_.PathOf("Podfolder.lnk")));
  EXPECT_TRUE(files_.DirectoryExists(folder_.Path()));

  EXPECT_FALSE(files_.FileExists(folder_.PathOf("brak.txt")));
  EXPECT_FALSE(files_.DirectoryExists(folder_.PathOf("brak")));
  EXPECT_FALSE(files_.FileExists(""));
  EXPECT_FALSE(files_.DirectoryExists(""));
}

TEST_F(Win32FileSystemTest, FindsEntriesByPatternWithoutTheDotEntries) {
  EXPECT_EQ(Names("*"), (std::vector<std::string>{"Podfolder.lnk\\", "Skrót.LNK", "notatka.txt",
                                                  "łącze.lnk"}));
  EXPECT_EQ(Names("*.lnk"), (std::vector<std::string>{"Podfolder.lnk\\", "Skrót.LNK", "łącze.lnk"}))
      << "patterns ignore letter case and match folders too";
  EXPECT_EQ(Names("ł*"), std::vector<std::string>{"łącze.lnk"});
}

TEST_F(Win32FileSystemTest, FindsNothingWithoutAMatchOrAFolder) {
  EXPECT_TRUE(files_.FindEntries(folder_.PathOf("*.exe")).empty());
  EXPECT_TRUE(files_.FindEntries(folder_.PathOf("brak\\*")).empty());
  EXPECT_TRUE(files_.FindEntries("").empty());
}

TEST_F(Win32FileSystemTest, AFileThatAnEditorKeepsOpenForWritingIsStillRead) {
  folder_.WriteFile("lista.txt", "<menu>Gry");
  const UniqueFileHandle editor(CreateFileW(Utf8ToWide(folder_.PathOf("lista.txt")).c_str(),
                                            GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(editor);

  const FileContents contents = files_.ReadWholeFile(folder_.PathOf("lista.txt"));

  ASSERT_TRUE(contents.WasRead()) << contents.error->message;
  EXPECT_EQ(contents.bytes, "<menu>Gry");
}

// Only a share or a drive that may wait is looked at elsewhere: a local path answers at
// once, and an address or a program's name is never taken for a slow path, which would
// make its launch leave the toolbar's thread or its menu entry show unchecked.
TEST(Win32PathChecks, LocalPathsAnswerAtOnceAndSharesOnceLookedAt) {
  const wine::TestFolder folder;
  folder.WriteFile("plik.txt", "x");
  folder.MakeDirectory("katalog");
  Win32PathChecks checks;
  const PathState file = checks.Check(folder.PathOf("plik.txt"));
  EXPECT_EQ(file.kind, PathKind::File);
  EXPECT_TRUE(file.local);
  EXPECT_EQ(checks.Check(folder.PathOf("katalog")).kind, PathKind::Folder);
  EXPECT_EQ(checks.Check(folder.PathOf("brak.txt")).kind, PathKind::Missing);

  for (const wchar_t* quick : {L"C:\\windows", L"http://example.net/", L"mailto:a@b.pl", L"calc",
                               L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"})
    EXPECT_FALSE(MayWaitOnDrive(quick)) << WideToUtf8(quick);
  EXPECT_TRUE(MayWaitOnDrive(L"\\\\serwer\\udzial\\plik.txt"));

  const std::string share = "\\\\kromelik-no-server\\udzial\\plik.txt";
  const PathState first = checks.Check(share);
  EXPECT_EQ(first.kind, PathKind::Unknown);
  EXPECT_FALSE(first.local);
  const ULONGLONG deadline = GetTickCount64() + 30000;
  while (checks.Check(share).kind == PathKind::Unknown && GetTickCount64() < deadline) Sleep(10);
  EXPECT_EQ(checks.Check(share).kind, PathKind::Missing);
}

}  // namespace
}  // namespace kromelik
