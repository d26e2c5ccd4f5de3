#include <vector>

#include "platform/ui/Controls.h"
#include "platform/ui/Layout.h"
#include "platform/win32/ui/DarkenedPainting.h"
#include "platform/win32/ui/FormWindow.h"
#include "platform/win32/ui/Peers.h"

namespace platform::win32 {

namespace {

// A status bar with the model's panels; the last panel reaches to the right end.
class StatusBarPeer : public WindowPeer {
 public:
  StatusBarPeer(ui::Control& control, FormWindow& form)
      : WindowPeer(control, form), bar_(static_cast<ui::StatusBar&>(control)) {}

 protected:
  [[nodiscard]] Native Describe() const override {
    return {STATUSCLASSNAMEW, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER};
  }

  // The bar has no dark look of its own.
  void StyleChanged() override {
    WindowPeer::StyleChanged();
    PaintDarkenedInDarkStyle(Hwnd(), Form());
  }

  void Mirror(ui::Aspect aspect) override {
    if (aspect != ui::Aspect::Panels) return;
    const std::vector<ui::StatusPanel>& panels = bar_.Panels();
    std::vector<int> edges;
    int right = 0;
    for (const ui::StatusPanel& panel : panels) {
      right += ui::Scale(panel.width, Dpi());
      edges.push_back(right);
    }
    if (!edges.empty()) edges.back() = -1;
    if (edges != edges_) {
      SendMessageW(Hwnd(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
      edges_ = edges;
    }
    for (size_t i = 0; i < panels.size(); ++i) {
      SendMessageW(Hwnd(), SB_SETTEXTW, i, reinterpret_cast<LPARAM>(panels[i].text.c_str()));
    }
  }

 private:
  ui::StatusBar& bar_;
  std::vector<int> edges_;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeStatusBarPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<StatusBarPeer>(control, form);
}

}  // namespace platform::win32
