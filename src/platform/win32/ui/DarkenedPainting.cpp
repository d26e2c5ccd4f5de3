#include "platform/win32/ui/DarkenedPainting.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/FormWindow.h"

namespace platform::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x4441524B;  // "DARK"

// Lightness 0..255 maps from white to `darkest` and from black to `lightest`.
void TurnLightness(std::uint32_t* pixels, size_t count, int darkest, int lightest) {
  for (size_t i = 0; i < count; ++i) {
    const std::uint32_t p = pixels[i];
    const int r = static_cast<int>((p >> 16) & 0xFF);
    const int g = static_cast<int>((p >> 8) & 0xFF);
    const int b = static_cast<int>(p & 0xFF);
    const int lightness = (std::max({r, g, b}) + std::min({r, g, b})) / 2;
    const int turned = darkest + (lightest - darkest) * (255 - lightness) / 255;
    const int shift = turned - lightness;
    auto channel = [shift](int c) {
      return static_cast<std::uint32_t>(std::clamp(c + shift, 0, 255));
    };
    pixels[i] = (channel(r) << 16) | (channel(g) << 8) | channel(b);
  }
}

void PaintTurned(HWND window, HDC target, const Palette& palette) {
  RECT client;
  GetClientRect(window, &client);
  const int width = std::max<int>(client.right, 1);
  const int height = std::max<int>(client.bottom, 1);
  void* bits = nullptr;
  UniqueDc memory(CreateCompatibleDC(target));
  UniqueBitmap bitmap = MakeSurfaceBitmap(width, height, &bits);
  if (memory == nullptr || bitmap == nullptr || bits == nullptr) {
    DefSubclassProc(window, WM_PAINT, reinterpret_cast<WPARAM>(target), 0);
    return;
  }
  {
    const Selected selected(memory.get(), bitmap.get());
    DefSubclassProc(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.get()), 0);
    DefSubclassProc(window, WM_PAINT, reinterpret_cast<WPARAM>(memory.get()), 0);
    GdiFlush();
    auto lightness = [](COLORREF c) {
      return (std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) +
              std::min({GetRValue(c), GetGValue(c), GetBValue(c)})) /
             2;
    };
    TurnLightness(static_cast<std::uint32_t*>(bits), static_cast<size_t>(width) * height,
                  lightness(palette.field), lightness(palette.fieldText));
    BitBlt(target, 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
  }
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                      DWORD_PTR data) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, Proc, kSubclassId);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  const auto& form = *reinterpret_cast<const FormWindow*>(data);
  try {
    if (form.Alive() && form.Colours().Dark()) {
      switch (message) {
        case WM_ERASEBKGND:
          return 1;
        case WM_PRINTCLIENT:
          PaintTurned(window, reinterpret_cast<HDC>(wParam), form.Colours());
          return 0;
        case WM_PAINT: {
          PAINTSTRUCT ps;
          HDC dc = BeginPaint(window, &ps);
          PaintTurned(window, dc, form.Colours());
          EndPaint(window, &ps);
          return 0;
        }
        default:
          break;
      }
    }
  } catch (...) {
    // Nothing may cross the window procedure.
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void PaintDarkenedInDarkStyle(HWND control, const FormWindow& form) {
  if (control == nullptr || !form.Colours().Dark()) return;
  SetWindowSubclass(control, Proc, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(const_cast<FormWindow*>(&form)));
}

}  // namespace platform::win32
