#pragma once

#include <windows.h>

#include <functional>

#include "platform/win32/ui/Handles.h"
#include "platform/win32/ui/WindowPeer.h"

namespace platform::win32 {

// A bitmap of `width` by `height` pixels to draw into and copy from: 32 bits a pixel, top row
// first, in the screen's colours; `pixels` (where given) receives where they lie. (A bitmap
// compatible with a window's device context asks the display for its colour depth first: under
// Wine a few round trips to its server each time.)
UniqueBitmap MakeSurfaceBitmap(int width, int height, void** pixels = nullptr);

// Paints what the parent shows behind `window` (a styled panel, a group box) into `dc`;
// `fallback` fills it where the parent cannot tell.
void PaintParentBackground(HWND window, HDC dc, HBRUSH fallback);

// The answer to a control's WM_CTLCOLOR* message where its parent keeps no surface of its own
// (a form): a brush with what the parent shows behind it, so that its text and box stand on
// the parent's own background.
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

// What a container (a styled panel, a group box) shows, drawn once into a bitmap of its size
// and copied from there. The controls standing on it ask for it whenever they paint (the
// visual style's DrawThemeParentBackground, and their colour brushes), and drawing it anew for
// each asked, with the containers below asked in turn, cost a chain of messages every time.
class SurfaceCache {
 public:
  // Copies the surface of `window` into `dc`, drawing it with `draw` first where the cache does
  // not hold it at the window's size.
  void Paint(HWND window, HDC dc, const std::function<void(HDC)>& draw);
  // The surface as a brush, for the controls standing on the container to fill with (their
  // brush origin set to where they stand).
  HBRUSH Brush(HWND window, HDC dc, const std::function<void(HDC)>& draw);
  // What the container shows has changed: the next copy is drawn anew.
  void Reset() {
    brush_.reset();
    bitmap_.reset();
  }

 private:
  // The bitmap holding the surface at the window's size, drawn with `draw` where it is not.
  HBITMAP Drawn(HWND window, HDC dc, const std::function<void(HDC)>& draw);

  UniqueBitmap bitmap_;
  UniqueBrush brush_;
  SIZE size_{};
};

// A control that stands on the surface of the panel or group box holding it.
class SurfacePeer : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void Place(const ui::Rect& rect) override {
    background_.Reset();
    WindowPeer::Place(rect);
  }
  std::optional<LRESULT> ColorMessage(UINT message, HDC dc) override;
  void StyleChanged() override {
    background_.Reset();
    WindowPeer::StyleChanged();
  }

 private:
  ParentBackgroundBrush background_;
};

}  // namespace platform::win32
