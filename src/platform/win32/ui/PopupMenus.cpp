#include "platform/win32/ui/PopupMenus.h"

#include <string>
#include <vector>

#include "platform/win32/ui/Handles.h"

namespace platform::win32 {

namespace {

void Fill(HMENU menu, const ui::MenuContainer& from, std::vector<const ui::MenuItem*>& chosen);

std::wstring DoubledAmpersands(const std::wstring& text) {
  std::wstring doubled;
  for (const wchar_t c : text) {
    doubled += c;
    if (c == L'&') doubled += L'&';
  }
  return doubled;
}

// The caption as the menu shows it: what follows a run of tabs (or the shortcut) stands in the
// second column, right of the widest caption.
std::wstring MenuText(const ui::MenuItem& item) {
  std::wstring first = item.Caption();
  std::wstring second = item.shortcutText;
  if (const std::size_t tab = first.find(L'\t'); tab != std::wstring::npos) {
    const std::size_t rest = first.find_first_not_of(L'\t', tab);
    if (rest != std::wstring::npos) second = first.substr(rest);
    first.resize(tab);
  }
  if (item.literalAmpersands) {
    first = DoubledAmpersands(first);
    second = DoubledAmpersands(second);
  }
  return second.empty() ? first : first + L"\t" + second;
}

// Appends one item; `chosen` maps command ids to items.
void Append(HMENU menu, const ui::MenuItem& item, std::vector<const ui::MenuItem*>& chosen) {
  MENUITEMINFOW info = {};
  info.cbSize = sizeof info;
  std::wstring caption = MenuText(item);
  UniqueMenu sub;
  if (item.Caption() == L"-") {
    info.fMask = MIIM_FTYPE;
    info.fType = MFT_SEPARATOR;
  } else {
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
