#pragma once

#include <windows.h>

#include "platform/win32/ui/Handles.h"
#include "platform/win32/ui/WindowPeer.h"

namespace platform::win32 {

// Paints what the parent shows behind `window` (a styled panel, a group box) into `dc`;
// `fallback` fills it where the parent cannot tell.
void PaintParentBackground(HWND window, HDC dc, HBRUSH fallback);

// The answer to a control's WM_CTLCOLOR* message: a brush with what its parent shows behind
// it, so that its text and box stand on the panel's own surface.
class ParentBackgroundBrush {
 public:
  HBRUSH Get(HWND control, HDC dc, HBRUSH fallback);
  // The control moved or the parent changed: the next answer is painted again.
  void Reset() {
    brush_.reset();
    bitmap_.reset();
  }

 private:
  UniqueBitmap bitmap_;
  UniqueBrush brush_;
};

// A control that stands on the surface of the panel or group box holding it.
class SurfacePeer : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Place(const ui::Rect& rect) override {
    background_.Reset();
    WindowPeer::Place(rect);
  }
  std::optional<LRESULT> ColorMessage(UINT /*message*/, HDC dc) override {
    if (Colours().Styled()) SetTextColor(dc, Colours().text);
    return reinterpret_cast<LRESULT>(background_.Get(Hwnd(), dc, Colours().WindowBrush()));
  }
  void StyleChanged() override {
    background_.Reset();
    WindowPeer::StyleChanged();
  }

 private:
  ParentBackgroundBrush background_;
};

}  // namespace platform::win32
