#include "platform/win32/ui/PopupMenus.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Layout.h"
#include "platform/win32/ui/FormWindow.h"
#include "platform/win32/ui/Handles.h"
#include "platform/win32/ui/StyledDrawing.h"

namespace platform::win32 {

namespace {

std::wstring DoubledAmpersands(const std::wstring& text) {
  std::wstring doubled;
  for (const wchar_t c : text) {
    doubled += c;
    if (c == L'&') doubled += L'&';
  }
  return doubled;
}

// The two columns of an item's text as the menu shows them: the caption, and what follows a run
// of tabs in it (or else the shortcut), right of the widest caption.
struct MenuText {
  std::wstring first;
  std::wstring second;
};

MenuText TextOf(const ui::MenuItem& item) {
  MenuText text{item.Caption(), item.shortcutText};
  if (const std::size_t tab = text.first.find(L'\t'); tab != std::wstring::npos) {
    const std::size_t rest = text.first.find_first_not_of(L'\t', tab);
    if (rest != std::wstring::npos) text.second = text.first.substr(rest);
    text.first.resize(tab);
  }
  if (item.literalAmpersands) {
    text.first = DoubledAmpersands(text.first);
    text.second = DoubledAmpersands(text.second);
  }
  return text;
}

// An item as a menu drawn in a style shows it.
struct DrawnItem {
  std::wstring caption;
  std::wstring shortcut;
  bool separator = false;
  bool checked = false;
  bool radio = false;
  bool submenu = false;
};

// What one showing of a menu builds: the command ids' items, and the drawn items (when the
// menu is drawn in a style) for as long as the menu is open.
struct MenuBuild {
  std::vector<const ui::MenuItem*> chosen;
  std::vector<std::unique_ptr<DrawnItem>> drawn;
  bool ownerDrawn = false;
};

void Fill(HMENU menu, const ui::MenuContainer& from, MenuBuild& build);

void AttachDrawing(MENUITEMINFOW& info, const ui::MenuItem& item, MenuBuild& build) {
  auto drawn = std::make_unique<DrawnItem>();
  drawn->separator = item.Caption() == L"-";
  MenuText text = TextOf(item);
  drawn->caption = std::move(text.first);
  drawn->shortcut = std::move(text.second);
  drawn->checked = item.checked;
  drawn->radio = item.radioItem;
  drawn->submenu = !item.Items().empty();
  info.fMask |= MIIM_DATA | MIIM_FTYPE;
  info.fType |= MFT_OWNERDRAW;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(drawn.get());
  build.drawn.push_back(std::move(drawn));
}

// Appends one item; `build.chosen` maps command ids to items.
void Append(HMENU menu, const ui::MenuItem& item, MenuBuild& build) {
  MENUITEMINFOW info = {};
  info.cbSize = sizeof info;
  const MenuText text = TextOf(item);
  std::wstring caption = text.second.empty() ? text.first : text.first + L"\t" + text.second;
  UniqueMenu sub;
  if (item.Caption() == L"-") {
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_SEPARATOR;
  } else {
    build.chosen.push_back(&item);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_ID;
    info.fType = item.radioItem ? MFT_RADIOCHECK : MFT_STRING;
    info.fState =
        (item.enabled ? MFS_ENABLED : MFS_DISABLED) | (item.checked ? MFS_CHECKED : MFS_UNCHECKED);
    info.dwTypeData = caption.data();
    info.wID = static_cast<UINT>(build.chosen.size());
    if (!item.Items().empty()) {
      sub.reset(CreatePopupMenu());
      Fill(sub.get(), item, build);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = sub.get();
    }
  }
  if (build.ownerDrawn) AttachDrawing(info, item, build);
  // Once inserted, the submenu belongs to the menu.
  if (InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info)) (void)sub.release();
}

void Fill(HMENU menu, const ui::MenuContainer& from, MenuBuild& build) {
  for (const ui::MenuItem* item : from.Items()) {
    if (item->visible) Append(menu, *item, build);
  }
}

SIZE TextSize(HDC dc, const std::wstring& text) {
  RECT r = {};
  DrawTextW(dc, text.c_str(), -1, &r, DT_SINGLELINE | DT_CALCRECT);
  return {r.right - r.left, r.bottom - r.top};
}

// The columns of a drawn item: the mark, the caption, the shortcut and the submenu arrow.
struct Columns {
  int mark;
  int gap;
  int arrow;
};

Columns ColumnsAt(int dpi) {
  return {ui::Scale(28, dpi), ui::Scale(24, dpi), ui::Scale(20, dpi)};
}

void DrawRadioDot(HDC dc, const RECT& box, COLORREF colour) {
  UniqueBrush brush(CreateSolidBrush(colour));
  const Selected selectedBrush(dc, brush.get());
  const Selected selectedPen(dc, GetStockObject(NULL_PEN));
  const int side = (box.right - box.left) / 3;
  const int x = (box.left + box.right) / 2;
  const int y = (box.top + box.bottom) / 2;
  Ellipse(dc, x - side, y - side, x + side + 1, y + side + 1);
}

}  // namespace

void ShowPopupMenu(const ui::PopupMenu& menu, HWND owner, POINT screen) {
  MenuBuild build;
  const FormWindow* form = FormWindow::Of(owner);
  build.ownerDrawn = form != nullptr && form->Colours().Styled();
  UniqueMenu popup(CreatePopupMenu());
  if (popup == nullptr) return;
  Fill(popup.get(), menu, build);
  UniqueBrush background;
  if (build.ownerDrawn) {
    // The strip around the items, which the items do not cover.
    background.reset(CreateSolidBrush(form->Colours().menu));
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    info.hbrBack = background.get();
    SetMenuInfo(popup.get(), &info);
  }
  if (screen.x == -1 && screen.y == -1) GetCursorPos(&screen);
  // The owner must be in the foreground, or the menu does not close when clicked away.
  if (owner != nullptr) SetForegroundWindow(owner);
  const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY |
                     (menu.alignRight ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
  const UINT command =
      static_cast<UINT>(TrackPopupMenu(popup.get(), flags, screen.x, screen.y, 0, owner, nullptr));
  if (owner != nullptr) PostMessageW(owner, WM_NULL, 0, 0);
  if (command >= 1 && command <= build.chosen.size()) build.chosen[command - 1]->Click();
}

void MeasureMenuItem(MEASUREITEMSTRUCT& item, HWND owner, HFONT font, int dpi) {
  const auto* drawn = reinterpret_cast<const DrawnItem*>(item.itemData);
  if (drawn == nullptr) return;
  if (drawn->separator) {
    item.itemWidth = 1;
    item.itemHeight = ui::Scale(7, dpi);
    return;
  }
  const WindowDc dc(owner);
  const Selected selected(dc.Get(), font);
  const SIZE caption = TextSize(dc.Get(), drawn->caption);
  const Columns columns = ColumnsAt(dpi);
  int width = columns.mark + caption.cx + columns.arrow;
  if (!drawn->shortcut.empty()) width += columns.gap + TextSize(dc.Get(), drawn->shortcut).cx;
  item.itemWidth = static_cast<UINT>(width);
  item.itemHeight =
      static_cast<UINT>(std::max<int>(caption.cy + ui::Scale(8, dpi), ui::Scale(22, dpi)));
}

void DrawMenuItem(const DRAWITEMSTRUCT& item, const Palette& palette, HFONT font, int dpi) {
  const auto* drawn = reinterpret_cast<const DrawnItem*>(item.itemData);
  if (drawn == nullptr) return;
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  const bool enabled = (item.itemState & (ODS_DISABLED | ODS_GRAYED)) == 0;
  const bool hot = (item.itemState & ODS_SELECTED) != 0 && enabled;
  FillColour(dc, r, hot ? palette.buttonHot : palette.menu);
  if (drawn->separator) {
    const int y = (r.top + r.bottom) / 2;
    FillColour(dc, {r.left + ui::Scale(4, dpi), y, r.right - ui::Scale(4, dpi), y + 1},
               palette.border);
    return;
  }
  const Columns columns = ColumnsAt(dpi);
  const COLORREF ink = enabled ? palette.text : palette.grayText;
  if (drawn->checked) {
    const int side = ui::Scale(14, dpi);
    const int top = (r.top + r.bottom - side) / 2;
    const RECT box = {r.left + (columns.mark - side) / 2, top,
                      r.left + (columns.mark - side) / 2 + side, top + side};
    if (drawn->radio) {
      DrawRadioDot(dc, box, ink);
    } else {
      DrawTick(dc, box, ink, dpi);
    }
  }
  const Selected selected(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  RECT text = {r.left + columns.mark, r.top, r.right - columns.arrow, r.bottom};
  const UINT hidePrefix = (item.itemState & ODS_NOACCEL) != 0 ? DT_HIDEPREFIX : 0;
  DrawTextW(dc, drawn->caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | hidePrefix);
  if (!drawn->shortcut.empty()) {
    DrawTextW(dc, drawn->shortcut.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
  if (drawn->submenu) {
    const RECT cell = {r.right - columns.arrow, r.top, r.right, r.bottom};
    DrawChevron(dc, cell, ink, dpi, false);
    // The system draws its own arrow after this, in its own colours: not over ours.
    ExcludeClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
  }
}

}  // namespace platform::win32
