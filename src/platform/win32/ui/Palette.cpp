#include "platform/win32/ui/Palette.h"

namespace platform::win32 {

namespace {

using Colours = PaletteColours;

Colours SystemColours() {
  return {GetSysColor(COLOR_BTNFACE),
          GetSysColor(COLOR_BTNFACE),
          GetSysColor(COLOR_WINDOWTEXT),
          GetSysColor(COLOR_GRAYTEXT),
          GetSysColor(COLOR_WINDOW),
          GetSysColor(COLOR_WINDOWTEXT),
          GetSysColor(COLOR_BTNSHADOW),
          GetSysColor(COLOR_BTNFACE),
          GetSysColor(COLOR_BTNFACE),
          GetSysColor(COLOR_BTNSHADOW),
          GetSysColor(COLOR_HIGHLIGHT),
          GetSysColor(COLOR_HIGHLIGHTTEXT),
          GetSysColor(COLOR_HIGHLIGHT),
          GetSysColor(COLOR_HIGHLIGHTTEXT),
          RGB(0, 102, 204),
          GetSysColor(COLOR_MENU),
          GetSysColor(COLOR_INFOBK),
          GetSysColor(COLOR_INFOTEXT)};
}

constexpr Colours kLight = {RGB(243, 243, 243), RGB(251, 251, 251), RGB(27, 27, 27),
                            RGB(138, 138, 138), RGB(255, 255, 255), RGB(27, 27, 27),
                            RGB(200, 200, 200), RGB(253, 253, 253), RGB(234, 234, 234),
                            RGB(220, 220, 220), RGB(0, 103, 192),   RGB(255, 255, 255),
                            RGB(204, 228, 247), RGB(27, 27, 27),    RGB(0, 103, 192),
                            RGB(249, 249, 249), RGB(255, 255, 255), RGB(27, 27, 27)};

constexpr Colours kDark = {
    RGB(32, 32, 32),    RGB(39, 39, 39), RGB(240, 240, 240), RGB(128, 128, 128), RGB(43, 43, 43),
    RGB(240, 240, 240), RGB(80, 80, 80), RGB(51, 51, 51),    RGB(62, 62, 62),    RGB(30, 30, 30),
    RGB(96, 205, 255),  RGB(0, 0, 0),    RGB(38, 79, 120),   RGB(255, 255, 255), RGB(96, 205, 255),
    RGB(44, 44, 44),    RGB(43, 43, 43), RGB(240, 240, 240)};

Colours ColoursOf(ui::Style style) {
  switch (style) {
    case ui::Style::Light:
      return kLight;
    case ui::Style::Dark:
      return kDark;
    default:
      return SystemColours();
  }
}

}  // namespace

Palette::Palette(ui::Style style) : PaletteColours(ColoursOf(style)), style_(style) {
  windowBrush_.reset(CreateSolidBrush(window));
  panelBrush_.reset(CreateSolidBrush(panel));
  fieldBrush_.reset(CreateSolidBrush(field));
  borderBrush_.reset(CreateSolidBrush(border));
  menuBrush_.reset(CreateSolidBrush(menu));
}

void FillColour(HDC dc, const RECT& rect, COLORREF colour) {
  const COLORREF previous = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, previous);
}

}  // namespace platform::win32
