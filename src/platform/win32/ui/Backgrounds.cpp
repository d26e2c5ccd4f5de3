#include "platform/win32/ui/Backgrounds.h"

#include <uxtheme.h>

#include <algorithm>

namespace platform::win32 {

void PaintParentBackground(HWND window, HDC dc, HBRUSH fallback) {
  RECT client;
  GetClientRect(window, &client);
  if (FAILED(DrawThemeParentBackground(window, dc, &client))) FillRect(dc, &client, fallback);
}

HBRUSH ParentBackgroundBrush::Get(HWND control, HDC dc, HBRUSH fallback) {
  SetBkMode(dc, TRANSPARENT);
  if (brush_ != nullptr) return brush_.get();
  RECT client;
  GetClientRect(control, &client);
  UniqueDc memory(CreateCompatibleDC(dc));
  UniqueBitmap bitmap(CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1),
                                             std::max<LONG>(client.bottom, 1)));
  if (memory == nullptr || bitmap == nullptr) return fallback;
  {
    const Selected selected(memory.get(), bitmap.get());
    PaintParentBackground(control, memory.get(), fallback);
  }
  brush_.reset(CreatePatternBrush(bitmap.get()));
  bitmap_ = std::move(bitmap);
  return brush_ != nullptr ? brush_.get() : fallback;
}

void SurfaceCache::Paint(HWND window, HDC dc, const std::function<void(HDC)>& draw) {
  RECT client;
  GetClientRect(window, &client);
  const SIZE size{std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)};
  UniqueDc memory(CreateCompatibleDC(dc));
  if (memory == nullptr) {
    draw(dc);
    return;
  }
  const bool drawn = bitmap_ != nullptr && size.cx == size_.cx && size.cy == size_.cy;
  if (!drawn) {
    bitmap_.reset(CreateCompatibleBitmap(dc, size.cx, size.cy));
    size_ = size;
    if (bitmap_ == nullptr) {
      draw(dc);
      return;
    }
  }
  const Selected selected(memory.get(), bitmap_.get());
  if (!drawn) draw(memory.get());
  BitBlt(dc, 0, 0, size.cx, size.cy, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace platform::win32
