#include "ScreenRows.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace bench {

namespace {

// The list's client area as the screen shows it, 32 bits a pixel, top row first.
class ScreenCopy {
 public:
  explicit ScreenCopy(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    width_ = client.right;
    height_ = client.bottom;
    pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height_), pixels_.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }

  // The rectangle shows more than one colour: something is drawn in it.
  [[nodiscard]] bool ShowsSomething(RECT r) const {
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    r.right = std::min<LONG>(r.right, width_);
    r.bottom = std::min<LONG>(r.bottom, height_);
    if (r.left >= r.right || r.top >= r.bottom) return false;
    const std::uint32_t first = At(r.left, r.top);
    for (LONG y = r.top; y < r.bottom; ++y) {
      for (LONG x = r.left; x < r.right; ++x) {
        if (At(x, y) != first) return true;
      }
    }
    return false;
  }

 private:
  [[nodiscard]] std::uint32_t At(LONG x, LONG y) const {
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)] &
           0xFFFFFFu;
  }

  LONG width_ = 0;
  LONG height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace

int RowsShownWithoutTypeOrIcon(const RemoteProgram& program, HWND list) {
  const int top = static_cast<int>(program.Send(list, LVM_GETTOPINDEX, 0, 0));
  const int page = static_cast<int>(program.Send(list, LVM_GETCOUNTPERPAGE, 0, 0));
  const int rows = program.RowCount(list);
  const ScreenCopy screen(list);
  int missing = 0;
  for (int row = top; row < std::min(rows, top + page); ++row) {
    const RECT icon = program.CellRect(list, row, 0, LVIR_ICON);
    const RECT type = program.CellRect(list, row, 1, LVIR_LABEL);
    if (!screen.ShowsSomething(icon) || !screen.ShowsSomething(type)) ++missing;
  }
  return missing;
}

}  // namespace bench
