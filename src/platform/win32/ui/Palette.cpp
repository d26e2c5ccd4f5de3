#include "platform/win32/ui/Palette.h"

namespace platform::win32 {

namespace {

using Colours = PaletteColours;

Colours SystemColours() {
  return {.window = GetSysColor(COLOR_BTNFACE),
          .panel = GetSysColor(COLOR_BTNFACE),
          .text = GetSysColor(COLOR_WINDOWTEXT),
          .grayText = GetSysColor(COLOR_GRAYTEXT),
          .field = GetSysColor(COLOR_WINDOW),
          .fieldText = GetSysColor(COLOR_WINDOWTEXT),
          .border = GetSysColor(COLOR_BTNSHADOW),
          .button = GetSysColor(COLOR_BTNFACE),
          .buttonHot = GetSysColor(COLOR_BTNFACE),
          .buttonPressed = GetSysColor(COLOR_BTNSHADOW),
          .accent = GetSysColor(COLOR_HIGHLIGHT),
          .accentText = GetSysColor(COLOR_HIGHLIGHTTEXT),
          .selection = GetSysColor(COLOR_HIGHLIGHT),
          .selectionText = GetSysColor(COLOR_HIGHLIGHTTEXT),
          .link = RGB(0, 102, 204),
          .heading = GetSysColor(COLOR_HIGHLIGHT),
          .headingText = GetSysColor(COLOR_HIGHLIGHTTEXT),
          .menu = GetSysColor(COLOR_MENU),
          .tooltip = GetSysColor(COLOR_INFOBK),
          .tooltipText = GetSysColor(COLOR_INFOTEXT)};
}

// Windows 11's light and dark surfaces, with its blue accent.
constexpr Colours kLight = {.window = RGB(243, 243, 243),
                            .panel = RGB(251, 251, 251),
                            .text = RGB(27, 27, 27),
                            .grayText = RGB(138, 138, 138),
                            .field = RGB(255, 255, 255),
                            .fieldText = RGB(27, 27, 27),
                            .border = RGB(200, 200, 200),
                            .button = RGB(253, 253, 253),
                            .buttonHot = RGB(234, 234, 234),
                            .buttonPressed = RGB(220, 220, 220),
                            .accent = RGB(0, 103, 192),
                            .accentText = RGB(255, 255, 255),
                            .selection = RGB(204, 228, 247),
                            .selectionText = RGB(27, 27, 27),
                            .link = RGB(0, 103, 192),
                            .heading = RGB(0, 103, 192),
                            .headingText = RGB(255, 255, 255),
                            .menu = RGB(249, 249, 249),
                            .tooltip = RGB(255, 255, 255),
                            .tooltipText = RGB(27, 27, 27)};

constexpr Colours kDark = {.window = RGB(32, 32, 32),
                           .panel = RGB(39, 39, 39),
                           .text = RGB(240, 240, 240),
                           .grayText = RGB(128, 128, 128),
                           .field = RGB(43, 43, 43),
                           .fieldText = RGB(240, 240, 240),
                           .border = RGB(80, 80, 80),
                           .button = RGB(51, 51, 51),
                           .buttonHot = RGB(62, 62, 62),
                           .buttonPressed = RGB(30, 30, 30),
                           .accent = RGB(96, 205, 255),
                           .accentText = RGB(0, 0, 0),
                           .selection = RGB(38, 79, 120),
                           .selectionText = RGB(255, 255, 255),
                           .link = RGB(96, 205, 255),
                           .heading = RGB(0, 120, 212),
                           .headingText = RGB(255, 255, 255),
                           .menu = RGB(44, 44, 44),
                           .tooltip = RGB(43, 43, 43),
                           .tooltipText = RGB(240, 240, 240)};

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
