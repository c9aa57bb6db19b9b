#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include "TestIcons.h"
#include "menus/ImageList.h"
#include "win32/JobThread.h"
#include "win32/Pictures.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

using test::IconDimensions;
using test::MakeIcon;

IconHandle AsHandle(HICON icon) { return reinterpret_cast<IconHandle>(icon); }

// The pixels of a bitmap the cache made, or nothing when it is not a 32-bit DIB section
// of the icon size. (Wine reports a top-down section's height as positive, so the
// height's sign tells nothing.)
std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap) {
  DIBSECTION section{};
  const int size = PictureCache::IconSize(SystemDpi());
  if (GetObjectW(bitmap, sizeof(section), &section) != sizeof(section)) return {};
  if (section.dsBm.bmBitsPixel != 32 || std::abs(section.dsBmih.biHeight) != size ||
      section.dsBm.bmWidth != size)
    return {};
  const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
  return {bits, bits + size * size};
}

bool IsIcon(HICON icon) { return IconDimensions(icon).cx > 0; }

int ThreadsOfThisProcess() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 thread{};
  thread.dwSize = sizeof thread;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
    if (thread.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  CloseHandle(snapshot);
  return count;
}

// Whether two icons come out as the same picture: a way to tell which source an icon
// was taken from without knowing what the platform's pictures look like.
bool SamePicture(HICON first, HICON second) {
  const int size = PictureCache::IconSize(SystemDpi());
  const UniqueBitmap a = MakePremultipliedBitmap(first, size);
  const UniqueBitmap b = MakePremultipliedBitmap(second, size);
  const std::vector<std::uint32_t> pixelsA = PixelsOf(a.Get());
  return !pixelsA.empty() && pixelsA == PixelsOf(b.Get());
}

TEST(PictureCache, EveryStockPictureGivesASmallIconAndBitmap) {
  ImageList images("stock");
  const int last = static_cast<int>(StockIcon::MixedFiles);
  for (int value = 0; value <= last; ++value) images.Add(static_cast<StockIcon>(value));

  PictureCache cache;
  const int size = PictureCache::IconSize(SystemDpi());
  for (int index = 0; index <= last; ++index) {
    SCOPED_TRACE(index);
    const HICON icon = cache.Icon(images, index);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(IconDimensions(icon).cx, size);
    EXPECT_EQ(IconDimensions(icon).cy, size);
    EXPECT_EQ(PixelsOf(cache.Bitmap(images, index)).size(), static_cast<std::size_t>(size * size));
  }
  EXPECT_EQ(cache.Icon(images, last + 1), nullptr);
  EXPECT_EQ(cache.Icon(images, -1), nullptr);
}

TEST(PictureCache, FilePicturesComeFromTheSystemFoldersOrTheirFallback) {
  ImageList images("files");
  images.Add(FileIconPicture{"notepad.exe", 0, StockIcon::Folder});         // Windows folder
  images.Add(FileIconPicture{"cmd.exe", 0, StockIcon::Folder});             // system folder
  images.Add(FileIconPicture{"kromelik-missing.exe", 0, StockIcon::Folder});
  images.Add(FileIconPicture{"notepad.exe", 999, StockIcon::Folder});       // no such icon
  images.Add(StockIcon::Folder);

  PictureCache cache;
  const HICON folder = cache.Icon(images, 4);
  for (int index = 0; index < 4; ++index) {
    SCOPED_TRACE(index);
    ASSERT_NE(cache.Icon(images, index), nullptr);
    EXPECT_EQ(IconDimensions(cache.Icon(images, index)).cx, PictureCache::IconSize(SystemDpi()));
  }
  EXPECT_FALSE(SamePicture(cache.Icon(images, 0), folder)) << "notepad's own icon";
  EXPECT_FALSE(SamePicture(cache.Icon(images, 1), folder)) << "cmd's own icon";
  EXPECT_TRUE(SamePicture(cache.Icon(images, 2), folder));
  EXPECT_TRUE(SamePicture(cache.Icon(images, 3), folder));
}

// A file's own icon comes from another thread, one for every cache of the program: its
// stand-by shows until it is taken in, a file without one keeps its stand-by, and with
// none to stand by nothing shows. What one cache takes in reaches every other.
TEST(PictureCache, FileIconsFollowTheirStandBys) {
  wchar_t windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
  const std::string notepad = WideToUtf8(windows) + "\\notepad.exe";
  ImageList images("files");
  images.Add(StockIcon::Folder);
  images.Add(IconOfFile{notepad, FileIconKind::Stored, 0});
  images.Add(IconOfFile{"C:\\kromelik-missing.exe", FileIconKind::Stored, 0});
  images.Add(IconOfFile{"C:\\kromelik-missing.exe", FileIconKind::Shell, -1});
  images.Add(IconOfFile{notepad, FileIconKind::Shell, 0});

  const int threadsBefore = ThreadsOfThisProcess();
  PictureCache cache;
  cache.Prefetch(images);
  PictureCache another;
  ImageList others("others");
  others.Add(IconOfFile{WideToUtf8(windows) + "\\regedit.exe", FileIconKind::Stored, -1});
  another.Prefetch(others);
  EXPECT_EQ(another.Icon(others, 0), nullptr) << "nothing stands by for it";
  const HICON folder = cache.Icon(images, 0);
  EXPECT_TRUE(SamePicture(cache.Icon(images, 1), folder)) << "standing by before it is taken in";

  const ULONGLONG deadline = GetTickCount64() + 20000;
  while (cache.Fetching() && GetTickCount64() < deadline) Sleep(10);
  ASSERT_FALSE(cache.Fetching());
  EXPECT_LE(ThreadsOfThisProcess(), threadsBefore + 1) << "one fetching thread for both";
  EXPECT_TRUE(cache.Refresh());
  EXPECT_FALSE(SamePicture(cache.Icon(images, 1), folder)) << "notepad's own icon";
  EXPECT_FALSE(SamePicture(cache.Icon(images, 4), folder)) << "the shell's icon of notepad";
  EXPECT_TRUE(SamePicture(cache.Icon(images, 2), folder));
  EXPECT_EQ(cache.Icon(images, 3), nullptr);
  EXPECT_NE(cache.Bitmap(images, 1), nullptr);
  EXPECT_TRUE(another.Refresh()) << "taken in by the first cache";
  EXPECT_NE(another.Icon(others, 0), nullptr) << "regedit's own icon";
}

TEST(PictureCache, KeepsIconsUntilTheListChangesAndNeverOwnsRunTimeIcons) {
  const UniqueIcon first = MakeIcon(16, 0xFFFF0000u);
  const UniqueIcon second = MakeIcon(16, 0xFF0000FFu);
  ImageList images("run time");
  images.Add(StockIcon::Folder);
  images.Add(IconHandle{0});
  {
    PictureCache cache;
    const HICON made = cache.Icon(images, 0);
    ASSERT_TRUE(IsIcon(made));
    EXPECT_EQ(cache.Icon(images, 0), made) << "made once, not at every look-up";
    EXPECT_EQ(cache.Icon(images, 1), nullptr);

    images.Truncate(0);
    images.Add(AsHandle(first.Get()));
    EXPECT_EQ(cache.Icon(images, 0), first.Get());
    EXPECT_TRUE(IsIcon(made)) << "kept while a menu still open may draw it";
    cache.ReleaseRetired();
    EXPECT_FALSE(IsIcon(made)) << "what the cache made goes with the old generation";

    images.Truncate(0);
    images.Add(AsHandle(second.Get()));
    EXPECT_EQ(cache.Icon(images, 0), second.Get());
    EXPECT_TRUE(IsIcon(first.Get()));
  }
  EXPECT_TRUE(IsIcon(second.Get())) << "a run-time icon stays its owner's";
}

TEST(PictureCache, ARebuiltTailLeavesTheFixedPicturesBeforeItAsTheyWere) {
  const UniqueIcon first = MakeIcon(16, 0xFFFF0000u);
  const UniqueIcon second = MakeIcon(16, 0xFF0000FFu);
  ImageList images("rebuilt");
  images.Add(StockIcon::Folder);
  images.Add(AsHandle(first.Get()));
  PictureCache cache;
  const HICON fixed = cache.Icon(images, 0);
  const HBITMAP fixedBitmap = cache.Bitmap(images, 0);
  ASSERT_TRUE(IsIcon(fixed));
  ASSERT_EQ(cache.Icon(images, 1), first.Get());

  images.Truncate(1);
  images.Add(AsHandle(second.Get()));
  EXPECT_EQ(cache.Icon(images, 0), fixed) << "not extracted again";
  EXPECT_EQ(cache.Bitmap(images, 0), fixedBitmap);
  EXPECT_TRUE(IsIcon(fixed));
  EXPECT_EQ(cache.Icon(images, 1), second.Get());
}

TEST(PremultipliedBitmap, TakesAlphaFromTheIconOrElseFromItsMask) {
  const int size = PictureCache::IconSize(SystemDpi());
  const UniqueIcon masked = MakeIcon(size, 0x00FF0000u, true);
  const UniqueBitmap fromMask = MakePremultipliedBitmap(masked.Get(), size);
  const std::vector<std::uint32_t> opaque = PixelsOf(fromMask.Get());
  ASSERT_FALSE(opaque.empty());
  EXPECT_EQ(opaque[0], 0xFFFF0000u) << "opaque where the mask is clear";
  EXPECT_EQ(opaque[static_cast<std::size_t>(size - 1)], 0u) << "transparent where it is set";

  const UniqueIcon translucent = MakeIcon(size, 0x80FF0000u);
  const UniqueBitmap fromAlpha = MakePremultipliedBitmap(translucent.Get(), size);
  const std::vector<std::uint32_t> half = PixelsOf(fromAlpha.Get());
  ASSERT_FALSE(half.empty());
  EXPECT_NEAR(static_cast<int>(half[0] >> 24), 0x80, 1);
  EXPECT_NEAR(static_cast<int>((half[0] >> 16) & 0xFF), 0x80, 2) << "red, premultiplied";
  EXPECT_EQ(half[0] & 0xFFFFu, 0u);
}

// A fixed picture is made once for every list that shows it, and made anew at the size
// of another DPI, never handed out at the old one.
TEST(PictureCache, AFixedPictureIsMadeOnceForEveryListAndAnewAtAnotherDpi) {
  ImageList first("first");
  ImageList second("second");
  for (ImageList* images : {&first, &second}) {
    images->Add(StockIcon::Application);
    images->Add(StockIcon::Folder);
  }
  PictureCache cache;
  const HICON folder = cache.Icon(first, 1);
  ASSERT_TRUE(IsIcon(folder));
  EXPECT_EQ(cache.Icon(second, 1), folder);
  EXPECT_NE(cache.Icon(second, 0), folder);

  cache.SetDpi(2 * SystemDpi());
  const HICON larger = cache.Icon(second, 1);
  EXPECT_EQ(IconDimensions(larger).cx, cache.IconSize());
  EXPECT_GT(IconDimensions(larger).cx, IconDimensions(folder).cx);
  EXPECT_EQ(cache.Icon(first, 1), larger);
}

// A file that gave no icon is asked again when its list is built again, as it may have
// one by now; looking at it meanwhile asks nothing.
TEST(PictureCache, AFileWithoutAnIconIsAskedAgainWhenItsListIsRebuilt) {
  std::atomic<int> fetches{0};
  IconFetcher fetcher([&](const IconKey&) {
    ++fetches;
    return UniqueIcon();
  });
  const auto settled = [&] {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (fetcher.Busy() && GetTickCount64() < deadline) Sleep(1);
    return !fetcher.Busy();
  };
  PictureCache cache(fetcher);
  ImageList images("files");
  images.Add(StockIcon::Folder);
  const IconOfFile file{"C:\\kromelik-brak.exe", FileIconKind::Stored, 0};
  images.Add(file);
  cache.Icon(images, 1);
  ASSERT_TRUE(settled());
  cache.Refresh();
  cache.Icon(images, 1);
  cache.Bitmap(images, 1);
  ASSERT_TRUE(settled());
  EXPECT_EQ(fetches, 1) << "looks at a known gap ask nothing";

  images.Truncate(1);
  images.Add(file);
  cache.Icon(images, 1);
  ASSERT_TRUE(settled());
  EXPECT_EQ(fetches, 2);
}

// Held back, a file's icon is not asked for, not even by a menu drawing it: under Wine
// the fixed pictures made meanwhile would wait behind a share that stopped answering.
// The release asks for it, and it comes in place of its stand-by.
TEST(PictureCache, AFileIconHeldBackIsAskedForAtTheRelease) {
  const UniqueKernelHandle gate(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::atomic<int> fetches{0};
  IconFetcher fetcher([&](const IconKey&) {
    // A request made too soon would stay pending here, where the test sees it.
    WaitForSingleObject(gate.Get(), 10000);
    ++fetches;
    return MakeIcon(16, 0xFF00FF00u);
  });
  PictureCache cache(fetcher);
  ImageList images("held");
  images.Add(StockIcon::Folder);
  images.Add(IconOfFile{"C:\\kromelik.exe", FileIconKind::Stored, 0});
  cache.HoldFetches();
  cache.Prefetch(images);
  const HICON folder = cache.Icon(images, 0);
  EXPECT_EQ(cache.Icon(images, 1), folder) << "its stand-by meanwhile";
  EXPECT_TRUE(cache.HasIcon(images, 1));
  EXPECT_FALSE(fetcher.Busy());

  cache.ReleaseFetches();
  EXPECT_TRUE(fetcher.Busy());
  SetEvent(gate.Get());
  const ULONGLONG deadline = GetTickCount64() + 10000;
  while (fetcher.Busy() && GetTickCount64() < deadline) Sleep(1);
  EXPECT_EQ(fetches, 1);
  EXPECT_TRUE(cache.Refresh());
  EXPECT_FALSE(SamePicture(cache.Icon(images, 1), folder));
}

// A window that asks for an icon that has come but is not taken in yet is told at once,
// and the file is not fetched twice.
TEST(IconFetcher, AWindowAskingForAnIconThatHasComeIsToldWithoutASecondFetch) {
  std::atomic<int> fetches{0};
  IconFetcher fetcher([&](const IconKey&) {
    ++fetches;
    return MakeIcon(16, 0xFF00FF00u);
  });
  const auto window = [] {
    return CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                           nullptr);
  };
  const HWND first = window();
  const HWND second = window();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  const UINT arrived = IconFetcher::IconsArrivedMessage();
  const IconKey key{"C:\\kromelik.exe", FileIconKind::Stored};
  MSG message{};
  fetcher.Request(key, first);
  const ULONGLONG deadline = GetTickCount64() + 10000;
  bool told = false;
  while (!told && GetTickCount64() < deadline) {
    told = PeekMessageW(&message, first, arrived, arrived, PM_REMOVE) != FALSE;
    if (!told) Sleep(1);
  }
  ASSERT_TRUE(told);

  fetcher.Request(key, second);
  EXPECT_TRUE(PeekMessageW(&message, second, arrived, arrived, PM_REMOVE));
  EXPECT_TRUE(fetcher.Collect());
  ASSERT_NE(fetcher.Find(key), nullptr);
  EXPECT_TRUE(*fetcher.Find(key));
  EXPECT_FALSE(fetcher.Busy());
  EXPECT_EQ(fetches, 1);
  DestroyWindow(first);
  DestroyWindow(second);
}

// Files whose icons are alike pixel for pixel share one icon; an icon that differs in
// any pixel, its transparency included, keeps its own.
TEST(IconFetcher, FilesWithIconsAlikeShareOneAndNoOther) {
  IconFetcher fetcher([&](const IconKey& key) {
    return MakeIcon(16, 0xFFFF0000u, key.path == "C:\\pół.exe");
  });
  const std::vector<IconKey> keys{{"C:\\a.txt", FileIconKind::Shell},
                                  {"C:\\b.txt", FileIconKind::Shell},
                                  {"C:\\pół.exe", FileIconKind::Stored}};
  for (const IconKey& key : keys) fetcher.Request(key, nullptr);
  const ULONGLONG deadline = GetTickCount64() + 10000;
  while (fetcher.Busy() && GetTickCount64() < deadline) Sleep(1);
  ASSERT_FALSE(fetcher.Busy());
  fetcher.Collect();
  for (const IconKey& key : keys) {
    ASSERT_NE(fetcher.Find(key), nullptr) << key.path;
    ASSERT_TRUE(*fetcher.Find(key)) << key.path;
  }
  EXPECT_EQ(fetcher.Find(keys[0])->Get(), fetcher.Find(keys[1])->Get());
  EXPECT_NE(fetcher.Find(keys[2])->Get(), fetcher.Find(keys[0])->Get());
}

// A fetcher left with nothing to do lets its thread go, so a waiting strip keeps none,
// and the next file's icon starts another; its idle work (the program's: letting the icon
// helper end) runs once after each batch, before the thread goes.
TEST(IconFetcher, LetsItsThreadGoWhenIdleAndStartsAnotherForTheNextIcon) {
  std::atomic<DWORD> fetchingThread{0};
  std::atomic<int> idles{0};
  IconFetcher fetcher(
      [&](const IconKey&) {
        fetchingThread = GetCurrentThreadId();
        return MakeIcon(16, 0xFF0000FFu);
      },
      [&] { ++idles; });
  const auto fetched = [&](const IconKey& key) {
    fetcher.Request(key, nullptr);
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (fetcher.Busy() && GetTickCount64() < deadline) Sleep(1);
    fetcher.Collect();
    return fetcher.Find(key) != nullptr && *fetcher.Find(key);
  };
  ASSERT_TRUE(fetched({"C:\\pierwszy.exe", FileIconKind::Stored}));
  const HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, fetchingThread);
  ASSERT_NE(thread, nullptr);
  EXPECT_EQ(WaitForSingleObject(thread, JobThread::kIdleMs + 10000), WAIT_OBJECT_0)
      << "the idle thread is still there";
  CloseHandle(thread);
  EXPECT_EQ(idles, 1);
  EXPECT_TRUE(fetched({"C:\\drugi.exe", FileIconKind::Stored}));
  const ULONGLONG deadline = GetTickCount64() + JobThread::kRestMs + 10000;
  while (idles < 2 && GetTickCount64() < deadline) Sleep(10);
  EXPECT_EQ(idles, 2);
}

}  // namespace
}  // namespace kromelik
