#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "win32/Win32FileInformation.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

// The icon's width in pixels, or 0 when it is no icon (any more).
int IconWidth(IconHandle icon) {
  ICONINFO info{};
  if (!GetIconInfo(reinterpret_cast<HICON>(icon), &info)) return 0;
  BITMAP bitmap{};
  GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

class Win32FileInformationTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_.WriteFile("notatka.txt", "tekst"); }

  wine::TestFolder folder_;
  Win32FileInformation info_;
  const std::string fixture_ = wine::VersionedFixturePath();
};

TEST_F(Win32FileInformationTest, IconsComeInTheSizeAskedForAndBelongToTheCaller) {
  struct Case {
    IconSize size;
    int width;
  };
  for (const std::string& path : {fixture_, folder_.PathOf("notatka.txt")}) {
    for (const Case& wanted : {Case{IconSize::Small, GetSystemMetrics(SM_CXSMICON)},
                               Case{IconSize::Large, GetSystemMetrics(SM_CXICON)},
                               Case{IconSize::Open, GetSystemMetrics(SM_CXICON)}}) {
      const IconHandle icon = info_.ShellIcon(path, wanted.size);
      ASSERT_NE(icon, 0u) << path;
      EXPECT_EQ(IconWidth(icon), wanted.width) << path << " size " << static_cast<int>(wanted.size);
      info_.DestroyIcon(icon);
      EXPECT_EQ(IconWidth(icon), 0) << "the icon is gone once destroyed";
    }
  }
  info_.DestroyIcon(0);
}

// A file that holds no icons is answered with 1 by the platform, which is no handle: the
// menus would draw garbage from it and destroy what is not theirs.
TEST_F(Win32FileInformationTest, AnIconStoredInAFileOrNoneForFilesWithoutIcons) {
  wchar_t system[MAX_PATH] = {};
  ASSERT_NE(GetSystemDirectoryW(system, MAX_PATH), 0u);
  const std::string shell32 = WideToUtf8(system) + "\\shell32.dll";

  const IconHandle icon = info_.FileIcon(shell32, 0);
  ASSERT_NE(icon, 0u);
  EXPECT_EQ(IconWidth(icon), GetSystemMetrics(SM_CXICON));
  info_.DestroyIcon(icon);
  EXPECT_EQ(info_.FileIcon(shell32, 100000), 0u) << "past the file's last icon";
  EXPECT_EQ(info_.FileIcon(folder_.PathOf("notatka.txt"), 0), 0u);
  EXPECT_EQ(info_.FileIcon(folder_.PathOf("brak.exe"), 0), 0u);
}

TEST_F(Win32FileInformationTest, KnowsProgramsAndTypeNames) {
  EXPECT_TRUE(info_.IsProgram(fixture_));
  EXPECT_FALSE(info_.IsProgram(folder_.PathOf("notatka.txt")));

  const auto textType = info_.TypeName(folder_.PathOf("notatka.txt"));
  ASSERT_TRUE(textType.has_value());
  EXPECT_FALSE(textType->empty());
  const auto programType = info_.TypeName(fixture_);
  ASSERT_TRUE(programType.has_value());
  EXPECT_NE(*programType, *textType);
}

TEST_F(Win32FileInformationTest, AMissingFileHasNoIconTypeOrVersion) {
  const std::string missing = folder_.PathOf("brak.exe");
  EXPECT_EQ(info_.ShellIcon(missing, IconSize::Small), 0u);
  EXPECT_EQ(info_.TypeName(missing), std::nullopt);
  EXPECT_FALSE(info_.IsProgram(missing));
  EXPECT_EQ(info_.ReadVersion(missing), nullptr);
  EXPECT_EQ(info_.ReadVersion(folder_.PathOf("notatka.txt")), nullptr);
}

TEST_F(Win32FileInformationTest, ReadsTheVersionBlockExactlyAsBuilt) {
  const auto version = info_.ReadVersion(fixture_);
  ASSERT_NE(version, nullptr);

  const auto translation = version->FirstTranslation();
  ASSERT_TRUE(translation.has_value());
  EXPECT_EQ(translation->language, 0x0415);
  EXPECT_EQ(translation->codePage, 1250);

  const std::string polish = "\\StringFileInfo\\041504e2\\";
  const std::pair<const char*, const char*> strings[] = {
      {"CompanyName", "Pracownia Źdźbło sp. z o.o."},
      {"FileDescription", "Plik próbny z zasobem wersji"},
      {"FileVersion", "3.1.4.159 (gałąź próbna)"},
      {"InternalName", "wersjonowany"},
      {"LegalCopyright", "© Łukasz Żółć"},
      {"LegalTrademarks", "Ćma® i Żuk™"},
      {"OriginalFilename", "versioned_fixture.exe"},
      {"ProductName", "Zestaw próbny Kromelika"},
      {"ProductVersion", "2.7.1.828"},
      {"Comments", "Zażółć gęślą jaźń"},
      {"SpecialBuild", "Wydanie specjalne: ŚĆŃ"},
      {"PrivateBuild", "Kompilacja prywatna: ęą"},
  };
  for (const auto& [key, text] : strings) {
    EXPECT_EQ(version->QueryString(polish + key), text) << key;
  }
  EXPECT_EQ(version->QueryString(polish + "Empty"), "");
  EXPECT_EQ(version->QueryString(polish + "Missing"), std::nullopt);
  EXPECT_EQ(version->QueryString("\\StringFileInfo\\040904b0\\CompanyName"), "Second table");
  EXPECT_EQ(version->QueryString("\\StringFileInfo\\040904b0\\ProductName"), std::nullopt);

  const auto fixed = version->Fixed();
  ASSERT_TRUE(fixed.has_value());
  EXPECT_EQ(fixed->fileVersionMS, (3u << 16) | 1u);
  EXPECT_EQ(fixed->fileVersionLS, (4u << 16) | 159u);
  EXPECT_EQ(fixed->productVersionMS, (2u << 16) | 7u);
  EXPECT_EQ(fixed->productVersionLS, (1u << 16) | 828u);
  EXPECT_EQ(fixed->flagsMask, 0x3Fu);
  EXPECT_EQ(fixed->flags, static_cast<std::uint32_t>(VS_FF_PRERELEASE | VS_FF_PRIVATEBUILD |
                                                     VS_FF_SPECIALBUILD));
  EXPECT_EQ(fixed->fileType, static_cast<std::uint32_t>(VFT_APP));
  EXPECT_EQ(fixed->fileSubtype, static_cast<std::uint32_t>(VFT2_UNKNOWN));
}

TEST_F(Win32FileInformationTest, AValueClaimingMoreThanTheBlockHoldsIsNotRead) {
  // The root of a version block whose fixed part claims its 52 bytes but the block ends
  // 20 bytes into it, signature and all, as a malformed program may give it.
  std::vector<std::byte> block;
  const auto word = [&block](unsigned value) {
    block.push_back(static_cast<std::byte>(value & 0xFF));
    block.push_back(static_cast<std::byte>(value >> 8));
  };
  word(60);                        // the whole node
  word(sizeof(VS_FIXEDFILEINFO));  // its value, as claimed
  word(0);                         // binary
  for (const wchar_t letter : std::wstring_view(L"VS_VERSION_INFO")) word(letter);
  word(0);
  word(0);  // to a four-byte boundary
  word(VS_FFI_SIGNATURE & 0xFFFF);
  word(VS_FFI_SIGNATURE >> 16);
  while (block.size() < 60) word(1);

  const auto version = VersionResourceOfBlock(std::move(block));
  EXPECT_FALSE(version->Fixed().has_value());
}

}  // namespace
}  // namespace kromelik
