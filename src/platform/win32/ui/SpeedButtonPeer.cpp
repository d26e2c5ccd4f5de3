#include <windows.h>

#include <windowsx.h>

#include "platform/ui/Controls.h"
#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/Peers.h"

namespace platform::win32 {

namespace {

// A flat button drawn by the program. It handles the mouse itself, so that it never takes
// the keyboard focus from the control that has it.
class SpeedButtonPeer : public SurfacePeer {
 public:
  SpeedButtonPeer(ui::Control& control, FormWindow& form)
      : SurfacePeer(control, form), button_(static_cast<ui::SpeedButton&>(control)) {}

  bool DrawItem(const DRAWITEMSTRUCT& item) override {
    RECT r = item.rcItem;
    const Palette& colours = Colours();
    PaintParentBackground(Hwnd(), item.hDC, colours.WindowBrush());
    if (colours.Styled() && hot_) {
      FillColour(item.hDC, r, pressed_ ? colours.buttonPressed : colours.buttonHot);
    } else if (pressed_ && hot_) {
      DrawEdge(item.hDC, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot_) {
      DrawEdge(item.hDC, &r, BDR_RAISEDINNER, BF_RECT);
    }
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, enabled ? colours.text : colours.grayText);
    if (pressed_ && hot_) OffsetRect(&r, 1, 1);
    const Selected font(item.hDC, Font());
    DrawTextW(item.hDC, button_.Caption().c_str(), -1, &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return true;
  }

 protected:
  [[nodiscard]] Native Describe() const override { return {WC_BUTTONW, BS_OWNERDRAW, 0, Text()}; }

  void Mirror(ui::Aspect aspect) override {
    if (aspect == ui::Aspect::Text) ShowText(Text());
  }

  std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        SetCapture(Hwnd());
        pressed_ = true;
        hot_ = true;
        InvalidateRect(Hwnd(), nullptr, FALSE);
        return 0;
      case WM_MOUSEMOVE:
        Track(lParam);
        return 0;
      case WM_MOUSELEAVE:
        tracking_ = false;
        SetHot(false);
        return 0;
      case WM_LBUTTONUP: {
        const bool click = pressed_ && Inside(lParam);
        if (GetCapture() == Hwnd()) ReleaseCapture();
        if (click) button_.Click();
        return 0;
      }
      case WM_CAPTURECHANGED:
        pressed_ = false;
        InvalidateRect(Hwnd(), nullptr, FALSE);
        return 0;
      default:
        return SurfacePeer::OwnMessage(message, wParam, lParam);
    }
  }

 private:
  // It draws its caption itself: its text is what a screen reader calls it ("≡" would be read
  // as a symbol).
  [[nodiscard]] std::wstring Text() const {
    return button_.AccessibleName().empty() ? button_.Caption() : button_.AccessibleName();
  }

  [[nodiscard]] bool Inside(LPARAM lParam) const {
    RECT client;
    GetClientRect(Hwnd(), &client);
    return PtInRect(&client, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
  }

  void Track(LPARAM lParam) {
    if (!tracking_) {
      TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Hwnd(), 0};
      tracking_ = TrackMouseEvent(&track) != FALSE;
    }
    SetHot(Inside(lParam));
  }

  void SetHot(bool hot) {
    if (hot == hot_) return;
    hot_ = hot;
    InvalidateRect(Hwnd(), nullptr, FALSE);
  }

  ui::SpeedButton& button_;
  bool pressed_ = false;
  bool hot_ = false;
  bool tracking_ = false;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeSpeedButtonPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<SpeedButtonPeer>(control, form);
}

}  // namespace platform::win32
