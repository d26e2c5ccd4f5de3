#pragma once

#include <windows.h>

#include <uxtheme.h>

#include "platform/win32/ui/Handles.h"

namespace platform::win32 {

// A part of the visual style, drawn once at a small size and stretched from there to the size
// asked for: its corners as drawn, its edges and middle stretched from the sample's middle row
// and column, which is what the style's own stretching of the part's image shows as long as
// the image's margins lie within the corners. Under Wine the style draws some parts at a price
// that grows with the area (a panel's pane: 12 ms at 860 by 720 pixels) and others at a fixed
// price that is high (a header item: 1.7 ms, whatever its size).
class StretchedThemePart {
 public:
  StretchedThemePart(int part, int state) : part_(part), state_(state) {}

  // Draws the part over `rect` as DrawThemeBackground would.
  void Draw(HTHEME theme, HDC dc, const RECT& rect);
  // The theme or the DPI changed: the next drawing samples the part anew.
  void Reset() { sample_.reset(); }

 private:
  int part_;
  int state_;
  HTHEME sampledTheme_ = nullptr;
  UniqueBitmap sample_;
  SIZE sampleSize_{};
};

}  // namespace platform::win32
