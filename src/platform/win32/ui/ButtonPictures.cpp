// The toolbar pictures, drawn with smooth edges at any size (no bitmap to scale).
#include "platform/win32/ui/ButtonPictures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <vector>

namespace platform::win32 {

namespace {

struct Vec {
  double x;
  double y;
};

// Pictures are designed on a 16 by 16 grid; a shape says whether a grid point is inside.
using Shape = std::function<bool(Vec)>;

double DistanceToSegment(Vec p, Vec a, Vec b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double t =
      std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool InTriangle(Vec p, Vec a, Vec b, Vec c) {
  auto side = [](Vec p, Vec q, Vec r) {
    return (p.x - r.x) * (q.y - r.y) - (q.x - r.x) * (p.y - r.y);
  };
  const double d1 = side(p, a, b);
  const double d2 = side(p, b, c);
  const double d3 = side(p, c, a);
  return !((d1 < 0 || d2 < 0 || d3 < 0) && (d1 > 0 || d2 > 0 || d3 > 0));
}

// ↰: a stroke from the lower right to the left, turning up into an arrow head.
bool UpArrow(Vec p) {
  constexpr double kHalf = 1.4;
  return DistanceToSegment(p, {13.5, 12.5}, {5.5, 12.5}) <= kHalf ||
         DistanceToSegment(p, {5.5, 12.5}, {5.5, 6.5}) <= kHalf ||
         InTriangle(p, {5.5, 1.0}, {0.8, 7.0}, {10.2, 7.0});
}

// Two arcs around the centre, each ending in a head that points along the circle.
bool RefreshArrows(Vec p) {
  constexpr double kRadius = 5.2;
  constexpr double kHalf = 1.2;
  constexpr double kPi = std::numbers::pi;
  const Vec c{8.0, 8.0};
  const double r = std::hypot(p.x - c.x, p.y - c.y);
  double angle = std::atan2(p.y - c.y, p.x - c.x);
  if (angle < 0) angle += 2 * kPi;
  // Arcs from 20° to 150° and from 200° to 330° (clockwise on the screen).
  for (double start : {20.0, 200.0}) {
    const double from = start * kPi / 180;
    const double to = (start + 120) * kPi / 180;
    if (std::abs(r - kRadius) <= kHalf && angle >= from && angle <= to) return true;
    // The head at the end of the arc, pointing on clockwise.
    const Vec end{c.x + kRadius * std::cos(to), c.y + kRadius * std::sin(to)};
    const Vec radial{std::cos(to), std::sin(to)};
    const Vec along{-std::sin(to), std::cos(to)};
    const Vec tip{end.x + along.x * 3.4, end.y + along.y * 3.4};
    const Vec outer{end.x + radial.x * 3.0, end.y + radial.y * 3.0};
    const Vec inner{end.x - radial.x * 3.0, end.y - radial.y * 3.0};
    if (InTriangle(p, tip, outer, inner)) return true;
  }
  return false;
}

// Samples the shape 4 by 4 times per pixel; the coverage is the alpha of the colour.
UniqueIcon Render(const Shape& shape, COLORREF colour, int size) {
  BITMAPV5HEADER header = {};
  header.bV5Size = sizeof header;
  header.bV5Width = size;
  header.bV5Height = -size;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  const WindowDc screen(nullptr);
  UniqueBitmap colour32(CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&header),
                                         DIB_RGB_COLORS, &bits, nullptr, 0));
  // The alpha channel decides; the mask is all clear. Rows of a bitmap are whole words.
  const std::vector<BYTE> clear(static_cast<size_t>((size + 15) / 16 * 2 * size), 0);
  UniqueBitmap mask(CreateBitmap(size, size, 1, 1, clear.data()));
  if (colour32 == nullptr || mask == nullptr || bits == nullptr) return nullptr;

  constexpr int kSamples = 4;
  const double step = 16.0 / size;
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int inside = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const Vec p{(x + (sx + 0.5) / kSamples) * step, (y + (sy + 0.5) / kSamples) * step};
          if (shape(p)) ++inside;
        }
      }
      // Icons keep their colour straight; the system multiplies by alpha when drawing.
      const std::uint32_t alpha = 255u * inside / (kSamples * kSamples);
      pixels[y * size + x] =
          (alpha << 24) | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }
  }
  ICONINFO info = {};
  info.fIcon = TRUE;
  info.hbmColor = colour32.get();
  info.hbmMask = mask.get();
  return UniqueIcon(CreateIconIndirect(&info));
}

}  // namespace

UniqueIcon MakeToolbarPicture(int index, int size) {
  if (size <= 0) return nullptr;
  switch (index) {
    case 0:
      return Render(UpArrow, RGB(0x2E, 0x9D, 0x3A), size);
    case 6:
      return Render(RefreshArrows, RGB(0x1F, 0x6F, 0xD1), size);
    default:
      return nullptr;
  }
}

}  // namespace platform::win32
