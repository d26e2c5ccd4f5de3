#include "platform/ui/Controls.h"
#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/Peers.h"

namespace platform::win32 {

namespace {

class LabelPeer : public SurfacePeer {
 public:
  LabelPeer(ui::Control& control, FormWindow& form)
      : SurfacePeer(control, form), label_(static_cast<ui::Label&>(control)) {}

 protected:
  [[nodiscard]] Native Describe() const override { return {WC_STATICW, SS_LEFT | SS_NOPREFIX}; }
  void Mirror(ui::Aspect aspect) override {
    if (aspect == ui::Aspect::Text) SetWindowTextW(Hwnd(), label_.Caption().c_str());
  }

 private:
  ui::Label& label_;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeLabelPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<LabelPeer>(control, form);
}

}  // namespace platform::win32
