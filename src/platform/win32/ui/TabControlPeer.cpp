// A tab control without tabs: a styled panel that holds other controls. It is a plain window
// that draws the tab control's pane, not a tab control: making one of those costs several
// times as much under Wine, and a tab list without tabs only confuses a screen reader.
#include <windows.h>

#include <uxtheme.h>
#include <vssym32.h>

#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/Peers.h"
#include "platform/win32/ui/StyledDrawing.h"
#include "platform/win32/ui/ThemeParts.h"

namespace platform::win32 {

namespace {

const wchar_t* PanelClass() {
  static const ATOM registered = RegisterWindowClass({.name = kPanelClass});
  return registered != 0 ? kPanelClass : nullptr;
}

class TabControlPeer : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  ~TabControlPeer() override { CloseTheme(); }
  TabControlPeer(const TabControlPeer&) = delete;
  TabControlPeer& operator=(const TabControlPeer&) = delete;
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
    return {PanelClass(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
  }
  void Created() override { theme_ = OpenThemeData(Hwnd(), L"TAB"); }
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
      case WM_THEMECHANGED:
        CloseTheme();
        Created();
        pane_.Reset();
        surface_.Reset();
        InvalidateRect(Hwnd(), nullptr, TRUE);
        return 0;
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
    } else if (theme_ != nullptr) {
      pane_.Draw(theme_, dc, client);
    } else {
      DrawEdge(dc, &client, EDGE_RAISED, BF_RECT | BF_SOFT);
    }
  }

  void CloseTheme() {
    if (theme_ != nullptr) CloseThemeData(theme_);
    theme_ = nullptr;
  }

  HTHEME theme_ = nullptr;
  StretchedThemePart pane_{TABP_PANE, 0};
  SurfaceCache surface_;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeTabControlPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<TabControlPeer>(control, form);
}

}  // namespace platform::win32
