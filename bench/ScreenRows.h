#pragma once
// What the rows of a list show on the screen, read from its pixels: asking the list for a
// row's text or image would make the program fill the row first.
#include <windows.h>

#include "RemoteProgram.h"

namespace bench {

// The rows of the list's first screen whose icon or type column the screen shows blank.
int RowsShownWithoutTypeOrIcon(const RemoteProgram& program, HWND list);

}  // namespace bench
