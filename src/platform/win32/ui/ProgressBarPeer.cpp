#include "platform/ui/Controls.h"
#include "platform/win32/ui/DarkenedPainting.h"
#include "platform/win32/ui/FormWindow.h"
#include "platform/win32/ui/Peers.h"

namespace platform::win32 {

namespace {

class ProgressBarPeer : public WindowPeer {
 public:
  ProgressBarPeer(ui::Control& control, FormWindow& form)
      : WindowPeer(control, form), bar_(static_cast<ui::ProgressBar&>(control)) {}

 protected:
  [[nodiscard]] Native Describe() const override { return {PROGRESS_CLASSW, 0}; }

  // The bar has no dark look of its own.
  void StyleChanged() override {
    WindowPeer::StyleChanged();
    PaintDarkenedInDarkStyle(Hwnd(), Form());
  }

  void Mirror(ui::Aspect aspect) override {
    if (aspect != ui::Aspect::Value) return;
    SendMessageW(Hwnd(), PBM_SETRANGE32, 0, bar_.Max());
    SendMessageW(Hwnd(), PBM_SETPOS, bar_.Position(), 0);
  }

 private:
  ui::ProgressBar& bar_;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeProgressBarPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<ProgressBarPeer>(control, form);
}

}  // namespace platform::win32
