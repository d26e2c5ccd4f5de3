#include "platform/win32/ui/ThemeParts.h"

#include <vssym32.h>

#include <algorithm>

#include "platform/win32/ui/Backgrounds.h"

namespace platform::win32 {

namespace {

// Where the three pieces of one dimension lie in the sample and in the drawing: corner, middle,
// corner. An extent no larger than the sample is copied as it is, its middle piece empty.
struct Cuts {
  int sample;
  int from[4];
  int to[4];
};

Cuts CutsFor(int extent, int corner) {
  const int sample = 2 * corner + 1;
  if (extent <= sample) {
    const int half = extent / 2;
    return {extent, {0, half, half, extent}, {0, half, half, extent}};
  }
  return {sample, {0, corner, corner + 1, sample}, {0, corner, extent - corner, extent}};
}

}  // namespace

void StretchedThemePart::Draw(HTHEME theme, HDC dc, const RECT& rect) {
  MARGINS margins{};
  GetThemeMargins(theme, dc, part_, state_, TMT_SIZINGMARGINS, nullptr, &margins);
  const Cuts across =
      CutsFor(rect.right - rect.left, 2 * std::max({margins.cxLeftWidth, margins.cxRightWidth, 2}));
  const Cuts down = CutsFor(rect.bottom - rect.top,
                            2 * std::max({margins.cyTopHeight, margins.cyBottomHeight, 2}));
  UniqueDc memory(CreateCompatibleDC(dc));
  if (memory == nullptr || across.sample <= 0 || down.sample <= 0) {
    DrawThemeBackground(theme, dc, part_, state_, &rect, nullptr);
    return;
  }
  if (sample_ == nullptr || sampledTheme_ != theme || sampleSize_.cx != across.sample ||
      sampleSize_.cy != down.sample) {
    sample_ = MakeSurfaceBitmap(across.sample, down.sample);
    if (sample_ == nullptr) {
      DrawThemeBackground(theme, dc, part_, state_, &rect, nullptr);
      return;
    }
    sampledTheme_ = theme;
    sampleSize_ = {across.sample, down.sample};
    const Selected selected(memory.get(), sample_.get());
    const RECT small{0, 0, across.sample, down.sample};
    FillRect(memory.get(), &small, GetSysColorBrush(COLOR_WINDOW));
    DrawThemeBackground(theme, memory.get(), part_, state_, &small, nullptr);
  }
  const Selected selected(memory.get(), sample_.get());
  const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const RECT piece{rect.left + across.to[column], rect.top + down.to[row],
                       rect.left + across.to[column + 1], rect.top + down.to[row + 1]};
      const int fromWidth = across.from[column + 1] - across.from[column];
      const int fromHeight = down.from[row + 1] - down.from[row];
      if (IsRectEmpty(&piece) || fromWidth == 0 || fromHeight == 0) continue;
      if (fromWidth == 1 && fromHeight == 1) {
        // One pixel stretched is a fill, which the clipping keeps to what is in sight.
        const UniqueBrush colour(
            CreateSolidBrush(GetPixel(memory.get(), across.from[column], down.from[row])));
        FillRect(dc, &piece, colour.get());
        continue;
      }
      StretchBlt(dc, piece.left, piece.top, piece.right - piece.left, piece.bottom - piece.top,
                 memory.get(), across.from[column], down.from[row], fromWidth, fromHeight, SRCCOPY);
    }
  }
  SetStretchBltMode(dc, previousMode);
}

}  // namespace platform::win32
