#pragma once

#include <windows.h>

#include <optional>

namespace platform::win32 {

// Hands what a child window sends to its parent (commands, notifications, colours, drawing,
// context menus, cursors) to the child's own peer. Shared by the form and its containers.
std::optional<LRESULT> RouteFromChild(HWND router, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::win32
