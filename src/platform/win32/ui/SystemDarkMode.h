#pragma once

#include <windows.h>

#include "platform/ui/Style.h"

namespace platform::win32 {

// What the system itself does for a dark or light program: its title bars, its menus, and
// the dark looks of its controls. The dark looks come through entry points that the system
// does not document; they are looked up once, all or none, and where any one is missing
// (older systems, Wine) only the title bar is asked for and the program paints the rest.
namespace system_dark_mode {

// The system's dark control looks can be had.
bool Available();

// The program's menus and control looks follow `style` from now on.
void SetProgramStyle(ui::Style style);

// A window of the program: its title bar is dark or light with the style.
void StyleTitleBar(HWND window, ui::Style style);

// A control takes the system's dark look of `darkClass` ("Explorer", "CFD", "ItemsView") in
// the dark style, its own otherwise. Nothing happens where the system has no dark looks.
void StyleControl(HWND control, ui::Style style, const wchar_t* darkClass);

// The user asked for high contrast: the system's colours win over any style.
bool HighContrast();

}  // namespace system_dark_mode

}  // namespace platform::win32
