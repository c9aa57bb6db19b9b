#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestIcons.h"
#include "win32/IconHelper.h"
#include "win32/WideText.h"
#include "win32/Win32ProgramFile.h"

namespace kromelik {
namespace {

// The icon drawn as a menu draws it, over a colour no icon here has, so that both its
// mask and its alpha show in the result.
std::vector<std::uint32_t> Drawn(HICON icon) {
  constexpr int kSize = 16;
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const UniqueBitmap canvas(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!canvas || !dc || bits == nullptr) return {};
  auto* pixels = static_cast<std::uint32_t*>(bits);
  std::fill(pixels, pixels + kSize * kSize, 0x00FF00FFu);
  const ScopedSelectObject selected(dc.Get(), canvas.Get());
  if (!DrawIconEx(dc.Get(), 0, 0, icon, kSize, kSize, 0, nullptr, DI_NORMAL)) return {};
  GdiFlush();
  return {pixels, pixels + kSize * kSize};
}

// What the helper answers is what the shell answers the program itself, and the icon
// made from it draws as the shell's own: colour, alpha and mask, also for an icon with
// no colour at all.
TEST(IconHelper, AnswersAsTheShellDoesHereAndItsIconsDrawAsTheShells) {
  wchar_t windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
  const std::string folder = WideToUtf8(windows);
  IconHelper helper(Utf8ToWide(Win32ProgramFile().Path()));
  struct Case {
    std::string path;
    FileIconKind kind;
  };
  const std::vector<Case> cases = {{folder + "\\notepad.exe", FileIconKind::Shell},
                                   {folder + "\\notepad.exe", FileIconKind::Stored},
                                   {folder + "\\win.ini", FileIconKind::Shell},
                                   {folder, FileIconKind::Shell},
                                   {"C:\\kromelik-missing.exe", FileIconKind::Stored}};
  for (const Case& file : cases) {
    SCOPED_TRACE(file.path);
    const std::optional<std::vector<std::uint32_t>> answered = helper.Fetch(file.path, file.kind);
    ASSERT_TRUE(answered.has_value()) << "no helper";
    const UniqueIcon own = TakeFileIcon(file.path, file.kind);
    EXPECT_EQ(*answered, PixelsOf(own.Get()));
    if (!own) continue;
    const UniqueIcon made = IconFromPixels(*answered);
    ASSERT_TRUE(made);
    EXPECT_EQ(Drawn(made.Get()), Drawn(own.Get()));
  }
  EXPECT_TRUE(helper.Fetch("C:\\kromelik-missing.exe", FileIconKind::Shell).has_value());

  // A helper let go is followed by another at the next question.
  helper.Stop();
  const auto again = helper.Fetch(folder + "\\notepad.exe", FileIconKind::Stored);
  ASSERT_TRUE(again.has_value());
  EXPECT_FALSE(again->empty());

  const UniqueIcon halfClear = test::MakeIcon(16, 0x80FF0000u, true);
  const UniqueIcon masked = test::MakeIcon(16, 0x0000FF00u, true);
  const BYTE andBits[2 * 16] = {0xF0, 0x0F, 0xF0, 0x0F, 0xF0, 0x0F, 0xF0, 0x0F};
  const BYTE xorBits[2 * 16] = {0x0F, 0xF0, 0x0F, 0xF0, 0x00, 0xFF};
  const UniqueIcon colourless(CreateIcon(nullptr, 16, 16, 1, 1, andBits, xorBits));
  for (const HICON icon : {halfClear.Get(), masked.Get(), colourless.Get()}) {
    ASSERT_NE(icon, nullptr);
    const UniqueIcon made = IconFromPixels(PixelsOf(icon));
    ASSERT_TRUE(made);
    EXPECT_EQ(Drawn(made.Get()), Drawn(icon));
  }
  EXPECT_FALSE(IconFromPixels(std::vector<std::uint32_t>{16u << 16 | 16u, 0u}))
      << "pixels cut short";
}

}  // namespace
}  // namespace kromelik
