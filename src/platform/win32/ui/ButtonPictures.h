#pragma once

#include "platform/win32/ui/Handles.h"

namespace platform::win32 {

// The program's own toolbar pictures, drawn for `size` pixels: 0 is a green arrow bending
// upwards, 6 two blue arrows in a circle. Null for the pictures it does not have.
UniqueIcon MakeToolbarPicture(int index, int size);

}  // namespace platform::win32
