#include "platform/ui/Controls.h"
#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/Peers.h"
#include "platform/win32/ui/StyledDrawing.h"

namespace platform::win32 {

namespace {

// A two-state check box. Marks pushed by the model send no notification, so they run no
// handler; the user's click toggles the model and runs it.
class CheckBoxPeer : public SurfacePeer {
 public:
  CheckBoxPeer(ui::Control& control, FormWindow& form)
      : SurfacePeer(control, form), box_(static_cast<ui::CheckBox&>(control)) {}

  std::optional<LRESULT> Command(WORD code) override {
    if (code != BN_CLICKED) return std::nullopt;
    box_.UserToggle(SendMessageW(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED);
    return 0;
  }

  // In the program's styles box and caption are the palette's: the system's box would keep
  // its own text colour.
  std::optional<LRESULT> Notify(NMHDR& header) override {
    return PaintStyled(header, Colours(), [this](HDC dc, const RECT& client, DrawnState state) {
      PaintParentBackground(Hwnd(), dc, Colours().WindowBrush());
      const Selected font(dc, Font());
      const bool checked = SendMessageW(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
      DrawCheckBox(dc, client, Colours(), state, checked, box_.Caption(), Dpi());
    });
  }

 protected:
  [[nodiscard]] Native Describe() const override {
    return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0, box_.Caption()};
  }

  void Mirror(ui::Aspect aspect) override {
    if (aspect == ui::Aspect::Text) {
      ShowText(box_.Caption());
    } else if (aspect == ui::Aspect::Value) {
      SendMessageW(Hwnd(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }
  }

 private:
  ui::CheckBox& box_;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeCheckBoxPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<CheckBoxPeer>(control, form);
}

}  // namespace platform::win32
