#include "platform/win32/ui/HeaderLook.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

namespace platform::win32 {

namespace {

constexpr UINT kCaptionFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE;

// The item the mouse is over, which the header shows hot; -1 for none.
int ItemUnderMouse(HWND header) {
  HDHITTESTINFO hit{};
  if (!GetCursorPos(&hit.pt) || WindowFromPoint(hit.pt) != header) return -1;
  ScreenToClient(header, &hit.pt);
  const auto item =
      static_cast<int>(SendMessageW(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & (HHT_ONHEADER | HHT_ONDIVIDER | HHT_ONDIVOPEN)) != 0 ? item : -1;
}

}  // namespace

std::optional<LRESULT> HeaderLook::CustomDraw(HWND header, const NMCUSTOMDRAW& draw) {
  HTHEME theme = GetWindowTheme(header);
  if (theme == nullptr) return std::nullopt;
  if (draw.dwDrawStage == CDDS_ITEMPREPAINT) {
    return DrawItem(header, theme, draw) ? std::optional<LRESULT>(CDRF_SKIPDEFAULT) : std::nullopt;
  }
  if (draw.dwDrawStage != CDDS_PREPAINT) return std::nullopt;
  hotItem_ = ItemUnderMouse(header);
  // Right of the last column the header shows an empty item, drawn after its items: it is drawn
  // here and left out of what the header may still paint.
  const int count = Header_GetItemCount(header);
  RECT rest;
  GetClientRect(header, &rest);
  for (int index = 0; index < count; ++index) {
    RECT item;
    if (Header_GetItemRect(header, index, &item)) rest.left = std::max(rest.left, item.right);
  }
  if (count > 0 && rest.left < rest.right) {
    looks_[0].Draw(theme, draw.hdc, rest);
    ExcludeClipRect(draw.hdc, rest.left, rest.top, rest.right, rest.bottom);
  }
  return CDRF_NOTIFYITEMDRAW;
}

void HeaderLook::Reset() {
  for (StretchedThemePart& look : looks_) look.Reset();
}

bool HeaderLook::DrawItem(HWND header, HTHEME theme, const NMCUSTOMDRAW& draw) {
  const auto index = static_cast<int>(draw.dwItemSpec);
  wchar_t caption[260] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = caption;
  item.cchTextMax = static_cast<int>(std::size(caption));
  if (!Header_GetItem(header, index, &item)) return false;
  constexpr int kOwnPictures = HDF_SORTUP | HDF_SORTDOWN | HDF_IMAGE | HDF_BITMAP | HDF_OWNERDRAW;
  if ((item.fmt & kOwnPictures) != 0) return false;

  const bool pressed = (draw.uItemState & CDIS_SELECTED) != 0;
  const bool hot = (draw.uItemState & CDIS_HOT) != 0 || hotItem_ == index;
  const int state = pressed ? HIS_PRESSED : hot ? HIS_HOT : HIS_NORMAL;
  HDC dc = draw.hdc;
  RECT place = draw.rc;
  looks_[state - 1].Draw(theme, dc, place);
  GetThemeBackgroundContentRect(theme, dc, HP_HEADERITEM, state, &place, &place);
  if (pressed) {
    place.left += 2;
    place.top += 2;
  }
  if ((item.fmt & HDF_STRING) == 0) return true;

  // The caption's room as the header works it out: the text's width and a margin either side,
  // placed by the column's alignment and kept within the item.
  const auto margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
  RECT extent{};
  GetThemeTextExtent(theme, dc, HP_HEADERITEM, state, caption, -1, kCaptionFormat, nullptr,
                     &extent);
  int width = static_cast<int>(extent.right - extent.left) + 2 * margin;
  int left = place.left;
  if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) {
    left = place.left + (place.right - place.left) / 2 - width / 2;
  } else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) {
    left = place.right - width;
  }
  left = std::max<int>(left, place.left);
  width = std::min<int>(width, place.right - left);
  RECT text{left + margin, place.top, left + width - margin, place.bottom};
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  DrawThemeText(theme, dc, HP_HEADERITEM, state, caption, -1, kCaptionFormat | DT_END_ELLIPSIS, 0,
                &text);
  SetBkMode(dc, previousMode);
  return true;
}

}  // namespace platform::win32
