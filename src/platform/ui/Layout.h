#pragma once

#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/Form.h"

namespace ui {

struct Placement {
  Control* control;
  Rect rect;  // in device pixels, relative to the parent's window
};

// Scales a 96-DPI length to `dpi`.
int Scale(int value, int dpi);

// Border that a container keeps free around the controls docked in it, at 96 DPI.
int DockInset(const Control& container);

// Places every control of `form` for a client area of `client` device pixels at `dpi`:
// docked controls fill the free area (top, bottom, left, right, then client, each in
// creation order), anchored ones keep their designed distances to the parent's edges.
std::vector<Placement> LayoutForm(const Form& form, Size client, int dpi);

// Top-left corner of a window of `window` size centred on `area` (a monitor's work area),
// moved in where it would fall left of or above it.
Point CentredOrigin(const Rect& area, Size window);

// `window` moved, keeping its size, so that it lies inside `area`; a window larger than the
// area lines up with its right and bottom edges.
Rect KeptInWorkArea(Rect window, const Rect& area);

}  // namespace ui
