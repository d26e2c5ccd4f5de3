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

}  // namespace platform::win32
