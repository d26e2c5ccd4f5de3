#include "platform/win32/ui/PopupMenus.h"

#include <vector>

#include "platform/win32/ui/Handles.h"

namespace platform::win32 {

namespace {

void Fill(HMENU menu, const ui::MenuContainer& from, std::vector<const ui::MenuItem*>& chosen);

// Appends one item; `chosen` maps command ids to items.
void Append(HMENU menu, const ui::MenuItem& item, std::vector<const ui::MenuItem*>& chosen) {
  MENUITEMINFOW info = {};
  info.cbSize = sizeof info;
  std::wstring caption = item.Caption();
  UniqueMenu sub;
  if (caption == L"-") {
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_SEPARATOR;
  } else {
    if (!item.shortcutText.empty()) caption += L"\t" + item.shortcutText;
    chosen.push_back(&item);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_ID;
    info.fType = item.radioItem ? MFT_RADIOCHECK : MFT_STRING;
    info.fState =
        (item.enabled ? MFS_ENABLED : MFS_DISABLED) | (item.checked ? MFS_CHECKED : MFS_UNCHECKED);
    info.dwTypeData = caption.data();
    info.wID = static_cast<UINT>(chosen.size());
    if (!item.Items().empty()) {
      sub.reset(CreatePopupMenu());
      Fill(sub.get(), item, chosen);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = sub.get();
    }
  }
  // Once inserted, the submenu belongs to the menu.
  if (InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info)) (void)sub.release();
}

void Fill(HMENU menu, const ui::MenuContainer& from, std::vector<const ui::MenuItem*>& chosen) {
  for (const ui::MenuItem* item : from.Items()) {
    if (item->visible) Append(menu, *item, chosen);
  }
}

}  // namespace

void ShowPopupMenu(const ui::PopupMenu& menu, HWND owner, POINT screen) {
  std::vector<const ui::MenuItem*> chosen;
  UniqueMenu popup(CreatePopupMenu());
  if (popup == nullptr) return;
  Fill(popup.get(), menu, chosen);
  if (screen.x == -1 && screen.y == -1) GetCursorPos(&screen);
  // The owner must be in the foreground, or the menu does not close when clicked away.
  if (owner != nullptr) SetForegroundWindow(owner);
  const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY |
                     (menu.alignRight ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
  const UINT command =
      static_cast<UINT>(TrackPopupMenu(popup.get(), flags, screen.x, screen.y, 0, owner, nullptr));
  if (owner != nullptr) PostMessageW(owner, WM_NULL, 0, 0);
  if (command >= 1 && command <= chosen.size()) chosen[command - 1]->Click();
}

}  // namespace platform::win32
