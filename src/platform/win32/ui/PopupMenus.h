#pragma once

#include <windows.h>

#include "platform/ui/Menu.h"

namespace platform::win32 {

// Shows the model's popup menu at a point of the screen, waits until it closes, and clicks
// the chosen item. A point of (-1, -1) opens it at the cursor.
void ShowPopupMenu(const ui::PopupMenu& menu, HWND owner, POINT screen);

}  // namespace platform::win32
