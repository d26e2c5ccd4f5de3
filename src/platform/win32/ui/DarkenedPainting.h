#pragma once

#include <windows.h>

namespace platform::win32 {

class FormWindow;

// Dark painting for a control that has no dark look of its own (a picker, its spin buttons,
// a status bar, a list's header): in the dark style the control paints itself into a bitmap
// whose lightness is turned over before it reaches the screen, so white becomes the fields'
// dark grey and black the light text, and colours keep their hue. In the other styles the
// control paints itself as ever. `form` tells which style is in force at each paint.
void PaintDarkenedInDarkStyle(HWND control, const FormWindow& form);

}  // namespace platform::win32
