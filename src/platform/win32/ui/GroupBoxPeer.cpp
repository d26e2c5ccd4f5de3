#include <windows.h>

#include <uxtheme.h>
#include <vssym32.h>

#include "platform/ui/Controls.h"
#include "platform/ui/Layout.h"
#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/Peers.h"
#include "platform/win32/ui/StyledDrawing.h"

namespace platform::win32 {

namespace {

// A group box; the controls of the group are windows inside it. It is painted here, so
// that its caption keeps the group's own font (bold) whatever the visual style says.
class GroupBoxPeer : public SurfacePeer {
 public:
  GroupBoxPeer(ui::Control& control, FormWindow& form)
      : SurfacePeer(control, form), box_(static_cast<ui::GroupBox&>(control)) {}
  [[nodiscard]] bool IsContainer() const override { return true; }
  // Where it lies on the panel, in which look and at which size of its font decide what it
  // shows.
  void Place(const ui::Rect& rect) override {
    surface_.Reset();
    SurfacePeer::Place(rect);
  }
  void StyleChanged() override {
    surface_.Reset();
    SurfacePeer::StyleChanged();
  }
  void DpiChanged() override {
    surface_.Reset();
    SurfacePeer::DpiChanged();
  }
  HBRUSH SurfaceBrush(HDC dc) override {
    return surface_.Brush(Hwnd(), dc, [this](HDC surface) { DrawSurface(surface); });
  }

 protected:
  [[nodiscard]] Native Describe() const override {
    return {WC_BUTTONW, BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, box_.Caption()};
  }
  void Mirror(ui::Aspect aspect) override {
    // A new caption is drawn anew (WM_SETTEXT below).
    if (aspect == ui::Aspect::Text) ShowText(box_.Caption());
  }

  std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        PaintSurface(reinterpret_cast<HDC>(wParam));
        return 1;
      case WM_PAINT:
      case WM_PRINTCLIENT:
        return PaintMessage(message, wParam, [this](HDC dc) { PaintSurface(dc); });
      case WM_ENABLE:
      case WM_SETTEXT: {
        const LRESULT result = Default(message, wParam, lParam);
        surface_.Reset();
        InvalidateRect(Hwnd(), nullptr, TRUE);
        return result;
      }
      default:
        return SurfacePeer::OwnMessage(message, wParam, lParam);
    }
  }

 private:
  // The panel shows through everywhere but the frame and the caption.
  void PaintSurface(HDC dc) {
    surface_.Paint(Hwnd(), dc, [this](HDC surface) { DrawSurface(surface); });
  }
  void DrawSurface(HDC dc) const {
    PaintParentBackground(Hwnd(), dc, Colours().WindowBrush());
    Paint(dc);
  }

  void Paint(HDC dc) const {
    RECT client;
    GetClientRect(Hwnd(), &client);
    const Selected font(dc, Font());
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const std::wstring& caption = box_.Caption();
    RECT text{ui::Scale(8, Dpi()), 0, client.right, metrics.tmHeight};
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    const bool enabled = IsWindowEnabled(Hwnd()) != FALSE;

    RECT frame = client;
    frame.top += metrics.tmHeight / 2;
    const int saved = SaveDC(dc);
    if (!caption.empty()) {
      ExcludeClipRect(dc, text.left - 2, text.top, text.right + 2, text.bottom);
    }
    HTHEME theme = Colours().Styled() ? nullptr : OpenThemeData(Hwnd(), L"BUTTON");
    if (Colours().Styled()) {
      DrawFrame(dc, frame, Colours());
    } else if (theme != nullptr) {
      DrawThemeBackground(theme, dc, BP_GROUPBOX, enabled ? GBS_NORMAL : GBS_DISABLED, &frame,
                          nullptr);
      CloseThemeData(theme);
    } else {
      DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    }
    RestoreDC(dc, saved);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? Colours().text : Colours().grayText);
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_NOPREFIX);
  }

  ui::GroupBox& box_;
  SurfaceCache surface_;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeGroupBoxPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<GroupBoxPeer>(control, form);
}

}  // namespace platform::win32
