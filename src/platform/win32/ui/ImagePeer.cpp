// An icon of the program's resources, painted by the program over its parent's surface.
#include <windows.h>

#include <algorithm>

#include "platform/ui/Controls.h"
#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/Peers.h"

namespace platform::win32 {

namespace {

class ImagePeer : public WindowPeer {
 public:
  ImagePeer(ui::Control& control, FormWindow& form)
      : WindowPeer(control, form), image_(static_cast<ui::Image&>(control)) {}

  void Place(const ui::Rect& rect) override {
    WindowPeer::Place(rect);
    InvalidateRect(Hwnd(), nullptr, FALSE);
  }

 protected:
  [[nodiscard]] Native Describe() const override { return {WC_STATICW, SS_LEFT}; }

  // Stands over the siblings it overlaps.
  void Created() override {
    SetWindowPos(Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  void Mirror(ui::Aspect aspect) override {
    if (aspect != ui::Aspect::Images) return;
    icon_.reset();
    InvalidateRect(Hwnd(), nullptr, FALSE);
  }

  std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
      case WM_PRINTCLIENT:
        return PaintMessage(message, wParam, [this](HDC dc) { Paint(dc); });
      default:
        return WindowPeer::OwnMessage(message, wParam, lParam);
    }
  }

 private:
  // The icon as large as the window's shorter side, in the middle; the system picks the
  // picture of the icon that suits that size.
  void Paint(HDC dc) {
    PaintParentBackground(Hwnd(), dc, Colours().WindowBrush());
    RECT client;
    GetClientRect(Hwnd(), &client);
    const int side = std::min(client.right, client.bottom);
    if (side <= 0 || image_.IconResource().empty()) return;
    if (icon_ == nullptr || iconSide_ != side) {
      icon_.reset(
          static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), image_.IconResource().c_str(),
                                        IMAGE_ICON, side, side, LR_DEFAULTCOLOR)));
      iconSide_ = side;
    }
    if (icon_ == nullptr) return;
    DrawIconEx(dc, (client.right - side) / 2, (client.bottom - side) / 2, icon_.get(), side, side,
               0, nullptr, DI_NORMAL);
  }

  ui::Image& image_;
  UniqueIcon icon_;
  int iconSide_ = 0;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeImagePeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<ImagePeer>(control, form);
}

}  // namespace platform::win32
