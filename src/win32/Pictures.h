#pragma once

// The pictures of the menus as the platform draws them. An image list only describes
// its pictures; this cache turns each into a small icon, and into a premultiplied
// 32-bit bitmap for the system's own menu drawing, once per picture rather than at
// every popup.

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "menus/ImageList.h"
#include "win32/Dpi.h"
#include "win32/Handles.h"
#include "win32/IconFetcher.h"

namespace kromelik {

class PictureCache final : private IconFetcher::Reader {
 public:
  explicit PictureCache(IconFetcher& fetcher = IconFetcher::Process()) : fetcher_(fetcher) {
    fetcher_.AddReader(*this);
  }
  ~PictureCache() { fetcher_.RemoveReader(*this); }
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  // The small icon of picture `index` of `images`. A stock or file picture always gives
  // one, through its fallbacks; an icon appended at run time is handed back as it is
  // and stays its owner's. nullptr for an index out of range or a run-time icon of 0.
  // What the cache made lives until ReleaseRetired after the list shows another picture
  // at that index, Refresh or SetDpi replaced it, or the cache goes; callers must not
  // destroy it.
  HICON Icon(const ImageList& images, int index);
  // Whether Icon would give an icon now, told without making any: a menu of a thousand
  // items makes the pictures of those it draws.
  bool HasIcon(const ImageList& images, int index) const;
  // The same picture as a top-down 32-bit DIB section of premultiplied ARGB, the kind
  // of bitmap a menu item blends onto its background; nullptr where Icon gives none.
  HBITMAP Bitmap(const ImageList& images, int index);
  // As Bitmap, without colour and a little lighter: how a disabled item shows it.
  HBITMAP GreyBitmap(const ImageList& images, int index);

  // A file's own icon comes from the fetcher; until it comes, its stand-by shows and
  // `window` is posted IconFetcher::IconsArrivedMessage() when it does.
  void SetWindow(HWND window) noexcept { window_ = window; }
  // Asks for every file icon of the list at once, so a menu about to be shown finds them.
  void Prefetch(const ImageList& images);
  // While held, no file's icon is asked for: a file's picture shows its stand-by and
  // waits, and is asked for at the release. Under Wine every icon call of the process
  // waits while one file's icon is taken from a share that stopped answering, so the
  // fixed pictures are all made before the first file is asked for.
  void HoldFetches() noexcept { fetchesHeld_ = true; }
  void ReleaseFetches();
  // Takes in the icons that came: a picture that stood by for one is looked up anew at
  // the next Icon or Bitmap. True when any such picture has its icon now.
  bool Refresh();
  // Lets go of the pictures that were replaced; only once nothing shown draws them.
  void ReleaseRetired() noexcept { retired_.clear(); }
  // Whether icons are still being fetched.
  bool Fetching() const { return fetcher_.Busy(); }

  // The side of the icons and bitmaps at `dpi`, in pixels: the system's small icon there.
  static int IconSize(int dpi) noexcept;
  int IconSize() const noexcept { return iconSize_; }
  // Pictures are made at the icon size of `dpi` from now on.
  void SetDpi(int dpi) noexcept;

 private:
  void Arrived(const IconKey& key) override;

  struct Entry {
    bool resolved = false;
    Picture picture;  // what was resolved, to tell whether the list still shows it
    HICON icon = nullptr;  // owned's, or a run-time icon the cache does not own
    std::shared_ptr<const UniqueIcon> owned;
    UniqueBitmap bitmap;
    UniqueBitmap grey;
    bool waiting = false;  // a file's icon on its way, its stand-by shown
    bool missing = false;  // a file that gave no icon, its stand-by shown
    int standBy = -1;      // the picture whose icon and bitmaps it shows meanwhile
  };
  struct ListEntries {
    std::uint64_t generation = 0;
    std::vector<Entry> entries;
  };
  struct Retired {
    std::shared_ptr<const UniqueIcon> icon;
    UniqueBitmap bitmap;
    UniqueBitmap grey;
  };

  // The entry of the picture, resolved; nullptr for an index out of range.
  Entry* Find(const ImageList& images, int index);
  // Empties the entry; what it made stays alive until ReleaseRetired.
  void Retire(Entry& entry);
  // The icon of a stock picture or a picture of a system file, made once for every list
  // that shows it: each list has its own copy of the fixed pictures, and under Wine
  // each one made costs a look at the file and some 8 KiB.
  std::shared_ptr<const UniqueIcon> FixedIcon(const Picture& picture);

  IconFetcher& fetcher_;
  HWND window_ = nullptr;
  int iconSize_ = IconSize(SystemDpi());
  std::map<const ImageList*, ListEntries> lists_;
  // Held while any list shows the picture, and no longer.
  std::map<std::string, std::weak_ptr<const UniqueIcon>> fixed_;
  // Where each file's icon stands by, so an arrival finds its entries without a look at
  // every entry: a thousand icons come one by one at a start.
  std::map<IconKey, std::vector<std::pair<const ImageList*, std::size_t>>> waiting_;
  // What came since the last Refresh of the files it waits for: a cache that shows none
  // of them, as a dialog's before it is first opened, keeps nothing.
  std::vector<IconKey> arrivals_;
  bool fetchesHeld_ = false;
  std::vector<Retired> retired_;
};

// The format of 32-bit pixels in rows from the top down, as the program's pictures keep
// them and the icon helper sends them.
BITMAPINFO TopDown32(int width, int height);

// A premultiplied 32-bit top-down DIB section of `icon` drawn at `size` × `size`.
// Icons without an alpha channel get theirs from the mask. nullptr on failure.
UniqueBitmap MakePremultipliedBitmap(HICON icon, int size);

// The platform's stock picture at `size` pixels (16: small, larger: large), owned by the
// caller; the program's own icon or the system's application icon where the platform
// has none.
UniqueIcon StockPicture(StockIcon stock, int size);

}  // namespace kromelik
