#pragma once

#include <windows.h>

#include "platform/ui/Menu.h"
#include "platform/win32/ui/Palette.h"

namespace platform::win32 {

// Shows the model's popup menu at a point of the screen, waits until it closes, and clicks
// the chosen item. A point of (-1, -1) opens it at the cursor. In the program's styles the
// owner's form draws the items in its palette (the system draws menus in its own colours).
void ShowPopupMenu(const ui::PopupMenu& menu, HWND owner, POINT screen);

// The owner's answers for the items of a menu drawn in a style.
void MeasureMenuItem(MEASUREITEMSTRUCT& item, HWND owner, HFONT font, int dpi);
void DrawMenuItem(const DRAWITEMSTRUCT& item, const Palette& palette, HFONT font, int dpi);

}  // namespace platform::win32
