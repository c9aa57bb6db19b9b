#pragma once

// The pictures of the menus as the platform draws them. An image list only describes
// its pictures; this cache turns each into a small icon, and into a premultiplied
// 32-bit bitmap for the system's own menu drawing, once per picture rather than at
// every popup.

#include <windows.h>

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "menus/ImageList.h"
#include "win32/Handles.h"
#include "win32/IconFetcher.h"

namespace kromelik {

class PictureCache {
 public:
  PictureCache() = default;
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  // The small icon of picture `index` of `images`. A stock or file picture always gives
  // one, through its fallbacks; an icon appended at run time is handed back as it is
  // and stays its owner's. nullptr for an index out of range or a run-time icon of 0.
  // What the cache made lives until the list shows another picture at that index,
  // Clear runs or the cache goes; callers must not destroy it.
  HICON Icon(const ImageList& images, int index);
  // The same picture as a top-down 32-bit DIB section of premultiplied ARGB, the kind
  // of bitmap a menu item blends onto its background; nullptr where Icon gives none.
  HBITMAP Bitmap(const ImageList& images, int index);
  // As Bitmap, without colour and a little lighter: how a disabled item shows it.
  HBITMAP GreyBitmap(const ImageList& images, int index);

  // Drops every icon and bitmap, e.g. after the system's icon size changed.
  void Clear() { lists_.clear(); }

  // A file's own icon is fetched on a thread of its own; until it comes, its stand-by
  // shows. Prefetch asks for every file icon of the list at once, so a menu about to
  // be shown finds them there.
  void Prefetch(const ImageList& images);
  // Takes in the icons fetched meanwhile, so the next Icon or Bitmap shows them; true
  // when any came. Only between menus: it drops what a shown menu may still use.
  bool Collect();
  // Whether icons are still being fetched.
  bool Fetching() const { return fetcher_.Busy(); }

  // The side of the icons and bitmaps, in pixels: the system's small icon.
  static int IconSize() noexcept;

 private:
  struct Entry {
    bool resolved = false;
    Picture picture;  // what was resolved, to tell whether the list still shows it
    HICON icon = nullptr;  // owned.Get(), or a run-time icon the cache does not own
    UniqueIcon owned;
    UniqueBitmap bitmap;
    UniqueBitmap grey;
    bool standingBy = false;  // a file's icon not fetched yet, its stand-by shown
  };
  struct ListEntries {
    std::uint64_t generation = 0;
    std::vector<Entry> entries;
  };

  // The entry of the picture, resolved; nullptr for an index out of range.
  Entry* Find(const ImageList& images, int index);

  void Request(const IconOfFile& file);

  std::map<const ImageList*, ListEntries> lists_;
  IconFetcher fetcher_;
  std::set<IconKey> requested_;
  std::map<IconKey, UniqueIcon> fetched_;  // empty where the file gave none
};

// A premultiplied 32-bit top-down DIB section of `icon` drawn at `size` × `size`.
// Icons without an alpha channel get theirs from the mask. nullptr on failure.
UniqueBitmap MakePremultipliedBitmap(HICON icon, int size);

// The platform's stock picture at `size` pixels (16: small, larger: large), owned by the
// caller; the program's own icon or the system's application icon where the platform
// has none.
UniqueIcon StockPicture(StockIcon stock, int size);

}  // namespace kromelik
