#include "win32/DrawnPictures.h"

#include <algorithm>

namespace kromelik {

namespace {

// Draws the picture twice with one routine: in colour on black, and as its mask, every
// shape black on white. Sizes are in 32ths of the picture, so it scales as a whole.
class Painter {
 public:
  Painter(HDC dc, int size, bool mask) : dc_(dc), size_(size), mask_(mask) {}

  int At(int units) const { return (units * size_ + 16) / 32; }

  void Disc(int left, int top, int right, int bottom, COLORREF colour) const {
    const UniqueBrush brush(CreateSolidBrush(Ink(colour)));
    const UniquePen pen(CreatePen(PS_SOLID, 1, Ink(colour)));
    const ScopedSelectObject selectBrush(dc_, brush.Get());
    const ScopedSelectObject selectPen(dc_, pen.Get());
    Ellipse(dc_, At(left), At(top), At(right), At(bottom));
  }
  void Box(int left, int top, int right, int bottom, COLORREF colour) const {
    RECT box{At(left), At(top), At(right), At(bottom)};
    const UniqueBrush brush(CreateSolidBrush(Ink(colour)));
    FillRect(dc_, &box, brush.Get());
  }
  void Polygon(const POINT* units, int count, COLORREF colour) const {
    POINT points[8];
    count = std::min(count, 8);
    for (int i = 0; i < count; ++i) points[i] = {At(units[i].x), At(units[i].y)};
    const UniqueBrush brush(CreateSolidBrush(Ink(colour)));
    const UniquePen pen(CreatePen(PS_SOLID, 1, Ink(colour)));
    const ScopedSelectObject selectBrush(dc_, brush.Get());
    const ScopedSelectObject selectPen(dc_, pen.Get());
    ::Polygon(dc_, points, count);
  }
  // A thick stroke with round ends, from one point to the next.
  void Stroke(int width, COLORREF colour, const POINT& from, const POINT& to) const {
    const UniquePen pen(ThickPen(width, colour));
    const ScopedSelectObject select(dc_, pen.Get());
    MoveToEx(dc_, At(from.x), At(from.y), nullptr);
    LineTo(dc_, At(to.x), At(to.y));
  }
  void Arc(int width, COLORREF colour, const RECT& box, const POINT& start, const POINT& end) const {
    const UniquePen pen(ThickPen(width, colour));
    const ScopedSelectObject select(dc_, pen.Get());
    ::Arc(dc_, At(box.left), At(box.top), At(box.right), At(box.bottom), At(start.x), At(start.y),
          At(end.x), At(end.y));
  }

 private:
  COLORREF Ink(COLORREF colour) const { return mask_ ? RGB(0, 0, 0) : colour; }
  HPEN ThickPen(int width, COLORREF colour) const {
    LOGBRUSH brush{BS_SOLID, Ink(colour), 0};
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                        static_cast<DWORD>(std::max(1, At(width))), &brush, 0, nullptr);
  }

  HDC dc_;
  int size_;
  bool mask_;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);

void Draw(const Painter& paint, DrawnPicture picture) {
  switch (picture) {
    case DrawnPicture::Programs:
      paint.Box(2, 4, 30, 28, RGB(40, 70, 130));    // the window's frame and title bar
      paint.Box(4, 9, 28, 26, RGB(235, 240, 248));  // its inside
      paint.Box(7, 12, 15, 18, RGB(220, 60, 50));
      paint.Box(17, 12, 25, 18, RGB(60, 160, 70));
      paint.Box(7, 20, 15, 25, RGB(50, 120, 210));
      paint.Box(17, 20, 25, 25, RGB(240, 180, 30));
      break;
    case DrawnPicture::Run: {
      paint.Disc(2, 2, 30, 30, RGB(40, 150, 60));
      const POINT arrow[] = {{12, 8}, {24, 16}, {12, 24}};
      paint.Polygon(arrow, 3, kWhite);
      break;
    }
    case DrawnPicture::ShutDown:
      paint.Disc(2, 2, 30, 30, RGB(200, 40, 35));
      // The power sign: a ring open at the top (drawn anticlockwise from the gap's left
      // end round to its right end) and a bar through the gap.
      paint.Arc(3, kWhite, RECT{9, 9, 23, 23}, POINT{12, 6}, POINT{20, 6});
      paint.Stroke(3, kWhite, POINT{16, 7}, POINT{16, 15});
      break;
    case DrawnPicture::Close:
      paint.Box(4, 4, 28, 28, RGB(200, 40, 35));
      paint.Stroke(4, kWhite, POINT{10, 10}, POINT{22, 22});
      paint.Stroke(4, kWhite, POINT{22, 10}, POINT{10, 22});
      break;
    case DrawnPicture::Profile:
      paint.Box(1, 1, 31, 31, RGB(30, 90, 160));
      paint.Disc(11, 5, 21, 15, kWhite);   // the head
      paint.Disc(5, 17, 27, 39, kWhite);   // the shoulders, cut off by the tile's edge
      paint.Box(1, 31, 31, 32, RGB(30, 90, 160));
      break;
    case DrawnPicture::Coin:
      paint.Disc(2, 2, 30, 30, RGB(170, 120, 20));   // the rim
      paint.Disc(5, 5, 27, 27, RGB(240, 195, 60));   // the face
      paint.Disc(10, 10, 22, 22, RGB(205, 155, 35));  // its raised middle
      paint.Disc(12, 12, 20, 20, RGB(240, 195, 60));
      break;
  }
}

}  // namespace

UniqueIcon DrawPicture(DrawnPicture picture, int size) {
  if (size <= 0) return UniqueIcon();
  const WindowDc screen(nullptr);
  if (!screen) return UniqueIcon();
  const UniqueBitmap colour(CreateCompatibleBitmap(screen.Get(), size, size));
  const UniqueBitmap mask(CreateBitmap(size, size, 1, 1, nullptr));
  const MemoryDc dc(CreateCompatibleDC(screen.Get()));
  if (!colour || !mask || !dc) return UniqueIcon();
  const RECT all{0, 0, size, size};
  {
    const ScopedSelectObject select(dc.Get(), colour.Get());
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    Draw(Painter(dc.Get(), size, false), picture);
  }
  {
    const ScopedSelectObject select(dc.Get(), mask.Get());
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Draw(Painter(dc.Get(), size, true), picture);
  }
  ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
  return UniqueIcon(CreateIconIndirect(&info));
}

}  // namespace kromelik
