#pragma once

// Icons of known pixels, made by the tests themselves, so drawing can be checked
// pixel by pixel without depending on the pictures Wine ships.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "win32/Handles.h"
#include "win32/Pictures.h"

namespace kromelik::test {

// A square icon filled with `pixel` (0xAARRGGBB). An alpha byte of 0 makes an icon
// without an alpha channel, whose transparency is its mask alone. With
// `rightHalfTransparent` the right half is transparent (black, mask set).
inline UniqueIcon MakeIcon(int size, std::uint32_t pixel, bool rightHalfTransparent = false) {
  const BITMAPINFO info = TopDown32(size, size);
  void* bits = nullptr;
  const UniqueBitmap colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!colour || bits == nullptr) return UniqueIcon();
  auto* pixels = static_cast<std::uint32_t*>(bits);

  const int rowBytes = (size + 15) / 16 * 2;  // monochrome rows are WORD-aligned
  std::vector<BYTE> maskBits(static_cast<std::size_t>(rowBytes * size), 0);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const bool transparent = rightHalfTransparent && x >= size / 2;
      pixels[y * size + x] = transparent ? 0u : pixel;
      if (transparent)
        maskBits[static_cast<std::size_t>(y * rowBytes + x / 8)] |=
            static_cast<BYTE>(0x80u >> (x % 8));
    }
  }
  const UniqueBitmap mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
  ICONINFO icon{};
  icon.fIcon = TRUE;
  icon.hbmColor = colour.Get();
  icon.hbmMask = mask.Get();
  return UniqueIcon(CreateIconIndirect(&icon));
}

// The icon's width and height; {0, 0} when the handle is not an icon.
inline SIZE IconDimensions(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return SIZE{0, 0};
  const UniqueBitmap colour(info.hbmColor);
  const UniqueBitmap mask(info.hbmMask);
  BITMAP bitmap{};
  // A monochrome icon keeps its two masks one above the other in the mask bitmap.
  GetObjectW(colour ? colour.Get() : mask.Get(), sizeof(bitmap), &bitmap);
  return SIZE{bitmap.bmWidth, colour ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

}  // namespace kromelik::test
