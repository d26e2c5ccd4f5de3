#include "platform/win32/ui/StyledDrawing.h"

#include <algorithm>

#include "platform/ui/Layout.h"

namespace platform::win32 {

void DrawTick(HDC dc, const RECT& box, COLORREF colour, int dpi) {
  const int width = box.right - box.left;
  const POINT tick[] = {{box.left + width * 3 / 13, box.top + width * 7 / 13},
                        {box.left + width * 5 / 13, box.top + width * 9 / 13},
                        {box.left + width * 10 / 13, box.top + width * 4 / 13}};
  UniquePen pen(CreatePen(PS_SOLID, std::max(1, ui::Scale(2, dpi) * 3 / 4), colour));
  const Selected selected(dc, pen.get());
  Polyline(dc, tick, 3);
}

void DrawChevron(HDC dc, const RECT& cell, COLORREF colour, int dpi, bool down) {
  const int half = ui::Scale(4, dpi);
  const int x = (cell.left + cell.right) / 2;
  const int y = (cell.top + cell.bottom) / 2;
  const POINT right[] = {{x - half / 2, y - half}, {x + half / 2, y}, {x - half / 2, y + half}};
  const POINT below[] = {{x - half, y - half / 2}, {x, y + half / 2}, {x + half, y - half / 2}};
  UniquePen pen(CreatePen(PS_SOLID, 1, colour));
  const Selected selected(dc, pen.get());
  Polyline(dc, down ? below : right, 3);
}

DrawnState StateOf(UINT customDrawState) {
  return {(customDrawState & CDIS_DISABLED) == 0, (customDrawState & CDIS_HOT) != 0,
          (customDrawState & CDIS_SELECTED) != 0, (customDrawState & CDIS_FOCUS) != 0};
}

void DrawFrame(HDC dc, const RECT& rect, const Palette& palette) {
  FrameRect(dc, &rect, palette.BorderBrush());
}

void DrawButton(HDC dc, const RECT& rect, const Palette& palette, DrawnState state,
                const std::wstring& caption, HICON icon, int dpi) {
  const COLORREF face = !state.enabled  ? palette.window
                        : state.pressed ? palette.buttonPressed
                        : state.hot     ? palette.buttonHot
                                        : palette.button;
  FillColour(dc, rect, face);
  DrawFrame(dc, rect, palette);
  if (state.focused) {
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, palette.BorderBrush());
  }
  RECT content = rect;
  if (state.pressed) OffsetRect(&content, 1, 1);
  if (icon != nullptr) {
    ICONINFO info = {};
    BITMAP bitmap = {};
    if (GetIconInfo(icon, &info)) {
      GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
      if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
      if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    }
    const int side = bitmap.bmWidth > 0 ? bitmap.bmWidth : ui::Scale(16, dpi);
    DrawIconEx(dc, (content.left + content.right - side) / 2,
               (content.top + content.bottom - side) / 2, icon, side, side, 0, nullptr, DI_NORMAL);
    return;
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, state.enabled ? palette.text : palette.grayText);
  DrawTextW(dc, caption.c_str(), -1, &content, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawCheckBox(HDC dc, const RECT& rect, const Palette& palette, DrawnState state, bool checked,
                  const std::wstring& caption, int dpi) {
  const int side = ui::Scale(13, dpi);
  const int top = (rect.top + rect.bottom - side) / 2;
  RECT box = {rect.left, top, rect.left + side, top + side};
  if (checked && state.enabled) {
    FillColour(dc, box, palette.accent);
    DrawTick(dc, box, palette.accentText, dpi);
  } else {
    FillColour(dc, box, state.hot || state.pressed ? palette.buttonHot : palette.field);
    DrawFrame(dc, box, palette);
    if (checked) DrawTick(dc, box, palette.grayText, dpi);
  }
  RECT text = rect;
  text.left = box.right + ui::Scale(5, dpi);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, state.enabled ? palette.text : palette.grayText);
  RECT measured = text;
  DrawTextW(dc, caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
  DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER);
  if (state.focused) {
    const int height = measured.bottom - measured.top;
    RECT focus = {text.left - 1, (rect.top + rect.bottom - height) / 2 - 1,
                  std::min(measured.right + 1, rect.right), 0};
    focus.bottom = focus.top + height + 2;
    SetTextColor(dc, palette.text);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace platform::win32
