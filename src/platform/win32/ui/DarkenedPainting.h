#pragma once

#include <windows.h>

namespace platform::win32 {

class FormWindow;

// Dark painting for a control that has no dark look of its own (a picker, its spin buttons,
// a status bar, a list's header): in the dark style the control paints itself into a bitmap
// whose lightness is turned over before it reaches the screen, so white becomes the fields'
// dark grey and black the light text, and colours keep their hue. In the other styles the
// control paints itself as ever. `form` tells which style is in force at each paint.
// Called at each change of style: the painting hooks into the control the first time the
// dark style is in force, and not before (a hooked control's every message costs a look-up
// of the hook, a round trip to the server under Wine).
void PaintDarkenedInDarkStyle(HWND control, const FormWindow& form);

}  // namespace platform::win32
