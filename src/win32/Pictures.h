#pragma once

// The pictures of the menus as the platform draws them. An image list only describes
// its pictures; this cache turns each into a small icon, and into a premultiplied
// 32-bit bitmap for the system's own menu drawing, once per picture rather than at
// every popup.

#include <windows.h>

#include <cstdint>
#include <map>
#include <vector>

#include "menus/ImageList.h"
#include "win32/Handles.h"

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
  };
  struct ListEntries {
    std::uint64_t generation = 0;
    std::vector<Entry> entries;
  };

  // The entry of the picture, resolved; nullptr for an index out of range.
  Entry* Find(const ImageList& images, int index);

  std::map<const ImageList*, ListEntries> lists_;
};

// A premultiplied 32-bit top-down DIB section of `icon` drawn at `size` × `size`.
// Icons without an alpha channel get theirs from the mask. nullptr on failure.
UniqueBitmap MakePremultipliedBitmap(HICON icon, int size);

// The platform's stock picture at `size` pixels (16: small, larger: large), owned by the
// caller; the program's own icon or the system's application icon where the platform
// has none.
UniqueIcon StockPicture(StockIcon stock, int size);

}  // namespace kromelik
