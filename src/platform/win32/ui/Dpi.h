#pragma once

#include <windows.h>

namespace platform::win32 {

// The window's DPI: GetDpiForWindow where the system has it, else the screen's.
int WindowDpi(HWND window);

// The outer rectangle for the client rectangle `rect` at `dpi`.
RECT OuterRect(RECT rect, DWORD style, DWORD exStyle, int dpi);

}  // namespace platform::win32
