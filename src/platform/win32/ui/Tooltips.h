#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/ui/Palette.h"

namespace platform::win32 {

// The one tooltip control of a form, showing the hints of its controls.
class Tooltips {
 public:
  void Create(HWND form);
  // Shows `hint` over `control`; an empty hint removes the tip.
  void Set(HWND control, const std::wstring& hint);
  // Passes a mouse message of `control` on, so that its tip shows when the mouse rests on it.
  // (The tooltip control could hook into each control itself, but a hooked control's every
  // message costs a look-up of the hook, a round trip to the server under Wine.)
  void Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const;
  // The tips take the palette's colours.
  void Restyle(const Palette& palette);

 private:
  // Owned by the form's window, which destroys it.
  HWND tooltip_ = nullptr;
};

}  // namespace platform::win32
