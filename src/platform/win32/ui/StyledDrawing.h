#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include "platform/win32/ui/Palette.h"

namespace platform::win32 {

// How the program draws, in its styles, what the system would draw in its own colours.

// What a control shows of its state.
struct DrawnState {
  bool enabled = true;
  bool hot = false;
  bool pressed = false;
  bool focused = false;
};

// The state a control's custom-draw notice tells.
DrawnState StateOf(UINT customDrawState);

// In the program's styles a button's custom-draw notice `header` is answered by `paint`,
// which paints the control whole; the control then paints nothing itself. Nullopt leaves the
// notice, or a stage the program does not paint at, to the control.
template <class Paint>
std::optional<LRESULT> PaintStyled(const NMHDR& header, const Palette& palette, Paint paint) {
  if (header.code != NM_CUSTOMDRAW || !palette.Styled()) return std::nullopt;
  const auto& draw = reinterpret_cast<const NMCUSTOMDRAW&>(header);
  if (draw.dwDrawStage != CDDS_PREERASE && draw.dwDrawStage != CDDS_PREPAINT) return std::nullopt;
  RECT client;
  GetClientRect(header.hwndFrom, &client);
  paint(draw.hdc, client, StateOf(draw.uItemState));
  return CDRF_SKIPDEFAULT;
}

// A push button's face with its caption or, when it has one, its icon in the middle.
void DrawButton(HDC dc, const RECT& rect, const Palette& palette, DrawnState state,
                const std::wstring& caption, HICON icon, int dpi);

// A check box and its caption, over a background already painted.
void DrawCheckBox(HDC dc, const RECT& rect, const Palette& palette, DrawnState state, bool checked,
                  const std::wstring& caption, int dpi);

// A tick inside the square `box`.
void DrawTick(HDC dc, const RECT& box, COLORREF colour, int dpi);

// A chevron in the middle of `cell`, pointing right or down.
void DrawChevron(HDC dc, const RECT& cell, COLORREF colour, int dpi, bool down);

// A frame one pixel wide.
void DrawFrame(HDC dc, const RECT& rect, const Palette& palette);

}  // namespace platform::win32
