#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/win32/ui/Palette.h"

namespace platform::win32 {

// The one tooltip control of a form, showing the hints of its controls. Its window is made
// when the mouse first moves over a control with a hint: a window of its own costs a few
// milliseconds under Wine, and until then no tip can show.
class Tooltips {
 public:
  void Attach(HWND form) { form_ = form; }
  // Shows `hint` over `control`; an empty hint removes the tip.
  void Set(HWND control, const std::wstring& hint);
  // Passes a mouse message of `control` on, so that its tip shows when the mouse rests on it.
  // (The tooltip control could hook into each control itself, but a hooked control's every
  // message costs a look-up of the hook, a round trip to the server under Wine.)
  void Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  // The tips take the palette's colours.
  void Restyle(const Palette& palette);

 private:
  void Make();
  void Add(HWND control, const std::wstring& hint) const;
  void ApplyStyle() const;

  HWND form_ = nullptr;
  // Owned by the form's window, which destroys it.
  HWND tooltip_ = nullptr;
  // The hints, until the tooltip window holds them.
  std::map<HWND, std::wstring> waiting_;
  // The palette's look, once one was given.
  bool restyled_ = false;
  ui::Style style_ = ui::Style::None;
  COLORREF background_ = 0;
  COLORREF text_ = 0;
};

}  // namespace platform::win32
