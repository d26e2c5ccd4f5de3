// A tab control without tabs: a styled panel that holds other controls.
#include <windows.h>

#include <uxtheme.h>
#include <vssym32.h>

#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/Peers.h"
#include "platform/win32/ui/StyledDrawing.h"
#include "platform/win32/ui/ThemeParts.h"

namespace platform::win32 {

namespace {

class TabControlPeer : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  [[nodiscard]] bool IsContainer() const override { return true; }
  void StyleChanged() override {
    pane_.Reset();
    surface_.Reset();
    WindowPeer::StyleChanged();
  }
  HBRUSH SurfaceBrush(HDC dc) override {
    return surface_.Brush(Hwnd(), dc, [this](HDC surface) { PaintPane(surface); });
  }

 protected:
  [[nodiscard]] Native Describe() const override {
    return {WC_TABCONTROLW, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
  }
  void Mirror(ui::Aspect /*aspect*/) override {}

  std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      // Its own paint is clipped to what the controls on it leave in sight; the controls asking
      // for their background are answered from the surface.
      case WM_PAINT:
        return PaintMessage(message, wParam, [this](HDC dc) { PaintPane(dc); });
      case WM_PRINTCLIENT:
        return PaintMessage(message, wParam, [this](HDC dc) {
          surface_.Paint(Hwnd(), dc, [this](HDC surface) { PaintPane(surface); });
        });
      default:
        return WindowPeer::OwnMessage(message, wParam, lParam);
    }
  }

 private:
  // The pane of a tab control over the whole window; with no tabs there is no tab row.
  void PaintPane(HDC dc) {
    RECT client;
    GetClientRect(Hwnd(), &client);
    FillRect(dc, &client, Colours().PanelBrush());
    if (Colours().Styled()) {
      DrawFrame(dc, client, Colours());
    } else if (HTHEME theme = GetWindowTheme(Hwnd())) {
      pane_.Draw(theme, dc, client);
    } else {
      DrawEdge(dc, &client, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
  }

  StretchedThemePart pane_{TABP_PANE, 0};
  SurfaceCache surface_;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeTabControlPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<TabControlPeer>(control, form);
}

}  // namespace platform::win32
