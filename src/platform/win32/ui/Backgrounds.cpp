#include "platform/win32/ui/Backgrounds.h"

#include <uxtheme.h>

#include <algorithm>

namespace platform::win32 {

UniqueBitmap MakeSurfaceBitmap(int width, int height, void** pixels) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, as a screen's rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (pixels != nullptr) *pixels = bitmap != nullptr ? bits : nullptr;
  return bitmap;
}

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
  UniqueBitmap bitmap =
      MakeSurfaceBitmap(std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  if (memory == nullptr || bitmap == nullptr) return fallback;
  {
    const Selected selected(memory.get(), bitmap.get());
    PaintParentBackground(control, memory.get(), fallback);
  }
  brush_.reset(CreatePatternBrush(bitmap.get()));
  bitmap_ = std::move(bitmap);
  return brush_ != nullptr ? brush_.get() : fallback;
}

HBITMAP SurfaceCache::Drawn(HWND window, HDC dc, const std::function<void(HDC)>& draw) {
  RECT client;
  GetClientRect(window, &client);
  const SIZE size{std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)};
  if (bitmap_ != nullptr && size.cx == size_.cx && size.cy == size_.cy) return bitmap_.get();
  Reset();
  UniqueDc memory(CreateCompatibleDC(dc));
  if (memory == nullptr) return nullptr;
  bitmap_ = MakeSurfaceBitmap(size.cx, size.cy);
  size_ = size;
  if (bitmap_ == nullptr) return nullptr;
  const Selected selected(memory.get(), bitmap_.get());
  draw(memory.get());
  return bitmap_.get();
}

void SurfaceCache::Paint(HWND window, HDC dc, const std::function<void(HDC)>& draw) {
  HBITMAP bitmap = Drawn(window, dc, draw);
  UniqueDc memory(bitmap != nullptr ? CreateCompatibleDC(dc) : nullptr);
  if (memory == nullptr) {
    draw(dc);
    return;
  }
  const Selected selected(memory.get(), bitmap);
  BitBlt(dc, 0, 0, size_.cx, size_.cy, memory.get(), 0, 0, SRCCOPY);
}

HBRUSH SurfaceCache::Brush(HWND window, HDC dc, const std::function<void(HDC)>& draw) {
  HBITMAP bitmap = Drawn(window, dc, draw);
  if (brush_ == nullptr && bitmap != nullptr) brush_.reset(CreatePatternBrush(bitmap));
  return brush_.get();
}

std::optional<LRESULT> SurfacePeer::ColorMessage(UINT /*message*/, HDC dc) {
  if (Colours().Styled()) SetTextColor(dc, Colours().text);
  // On a container the container's own surface serves, shifted to where the control stands:
  // drawing what lies behind each control anew cost every control a chain of messages.
  HWND parent = GetParent(Hwnd());
  WindowPeer* container = Owning(parent, GetParent(parent));  // the parent, if it is a peer
  if (HBRUSH surface = container != nullptr ? container->SurfaceBrush(dc) : nullptr) {
    POINT origin{0, 0};
    MapWindowPoints(Hwnd(), parent, &origin, 1);
    SetBrushOrgEx(dc, -origin.x, -origin.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(surface);
  }
  return reinterpret_cast<LRESULT>(background_.Get(Hwnd(), dc, Colours().WindowBrush()));
}

}  // namespace platform::win32
