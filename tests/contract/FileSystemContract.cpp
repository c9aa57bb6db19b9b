#include "contract/FileSystemContract.h"

#include <string>

namespace kromelik::contract {

namespace {

using Kind = FileReadError::Kind;
using namespace std::string_literals;

// Code page 1250 text as a user's editor saves it, with what a careless reader stops at or
// translates: CR LF, a lone CR, NULs and Ctrl+Z, also at the very end.
const std::string kAwkwardBytes =
    "<menu>Narz\xEA" "dzia\r\n\0<item>\x1A" "Notatnik<url>notepad.exe\r\r\n\x1A\0\xFF\n\x1A"s;

}  // namespace

TEST_P(FileSystemContract, ReadsEveryByteAsStored) {
  harness_->WriteFile("lista.txt", kAwkwardBytes);

  const FileContents contents = Read("lista.txt");

  ASSERT_TRUE(contents.WasRead()) << contents.error->message;
  EXPECT_EQ(contents.bytes, kAwkwardBytes);
}

TEST_P(FileSystemContract, ReadsAnEmptyFileAsNoBytesWithoutAnError) {
  harness_->WriteFile("pusty.txt", "");

  const FileContents contents = Read("pusty.txt");

  EXPECT_TRUE(contents.WasRead());
  EXPECT_EQ(contents.bytes, "");
}

TEST_P(FileSystemContract, ReadsAFileFarLargerThanOneReadWhole) {
  std::string bytes;
  for (int line = 0; bytes.size() < 300'000; ++line)
    bytes += "<item>" + std::to_string(line) + "\r\n";
  harness_->WriteFile("duzy.txt", bytes);

  const FileContents contents = Read("duzy.txt");

  ASSERT_TRUE(contents.WasRead());
  EXPECT_EQ(contents.bytes.size(), bytes.size());
  EXPECT_TRUE(contents.bytes == bytes);
}

TEST_P(FileSystemContract, FindsTheFileWhateverTheLetterCaseOfItsName) {
  harness_->WriteFile("Lista.txt", "x");

  const FileContents contents = Read("LISTA.TXT");

  ASSERT_TRUE(contents.WasRead());
  EXPECT_EQ(contents.bytes, "x");
}

TEST_P(FileSystemContract, AMissingFileOrFolderIsNotFoundWithTheSystemsWords) {
  for (const char* name : {"brak.txt", "brak\\lista.txt"}) {
    const FileContents contents = Read(name);
    ASSERT_FALSE(contents.WasRead()) << name;
    EXPECT_EQ(contents.error->kind, Kind::NotFound) << name;
    EXPECT_FALSE(contents.error->message.empty()) << name;
    EXPECT_EQ(contents.bytes, "");
  }
  EXPECT_EQ(harness_->Subject().ReadWholeFile("").error.value_or(FileReadError{}).kind,
            Kind::NotFound);
}

TEST_P(FileSystemContract, AFolderOfThatNameIsNoFile) {
  harness_->MakeDirectory("lista.txt");

  const FileContents contents = Read("lista.txt");

  ASSERT_FALSE(contents.WasRead());
  EXPECT_EQ(contents.error->kind, Kind::IsDirectory);
  EXPECT_FALSE(contents.error->message.empty());
}

TEST_P(FileSystemContract, AFileHeldByAnotherIsThereButUnreadableUntilReleased) {
  harness_->WriteFile("lista.txt", "<separator>");
  harness_->HoldExclusively("lista.txt");

  const FileContents held = Read("lista.txt");
  EXPECT_TRUE(harness_->Subject().FileExists(harness_->PathOf("lista.txt")))
      << "a locked file still exists, so the menu is still announced";
  harness_->Release("lista.txt");

  ASSERT_FALSE(held.WasRead());
  EXPECT_EQ(held.error->kind, Kind::Unreadable);
  EXPECT_FALSE(held.error->message.empty());
  EXPECT_EQ(held.bytes, "");
  EXPECT_EQ(Read("lista.txt").bytes, "<separator>");
}

TEST_P(FileSystemContract, RemovesAFileButNeitherAFolderNorOneHeldByAnother) {
  FileSystem& files = harness_->Subject();
  harness_->WriteFile("dane.ini", "[dane]");
  harness_->MakeDirectory("help");
  harness_->WriteFile("zajety.ini", "[dane]");
  harness_->HoldExclusively("zajety.ini");

  EXPECT_TRUE(files.RemoveFile(harness_->PathOf("DANE.INI")));
  EXPECT_FALSE(files.FileExists(harness_->PathOf("dane.ini")));
  EXPECT_FALSE(files.RemoveFile(harness_->PathOf("dane.ini"))) << "already gone";
  EXPECT_FALSE(files.RemoveFile(harness_->PathOf("help")));
  EXPECT_TRUE(files.DirectoryExists(harness_->PathOf("help")));
  EXPECT_FALSE(files.RemoveFile(harness_->PathOf("zajety.ini")));
  harness_->Release("zajety.ini");
  EXPECT_TRUE(files.FileExists(harness_->PathOf("zajety.ini")));
  EXPECT_TRUE(files.RemoveFile(harness_->PathOf("zajety.ini"))) << "free once released";
}

}  // namespace kromelik::contract
