#include <algorithm>

#include "platform/ui/Controls.h"
#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/Peers.h"

namespace platform::win32 {

namespace {

class LabelPeer : public SurfacePeer {
 public:
  LabelPeer(ui::Control& control, FormWindow& form)
      : SurfacePeer(control, form), label_(static_cast<ui::Label&>(control)) {}

  // A static control draws its text from the top: text kept at the bottom edge gets a window
  // just as tall as the text, at the bottom of the place the layout gives.
  void Place(const ui::Rect& rect) override {
    given_ = rect;
    SurfacePeer::Place(TextPlace(rect));
  }

 protected:
  [[nodiscard]] Native Describe() const override {
    const ui::TextAlign alignment = label_.Alignment();
    const DWORD align = alignment == ui::TextAlign::Center  ? SS_CENTER
                        : alignment == ui::TextAlign::Right ? SS_RIGHT
                                                            : SS_LEFT;
    return {WC_STATICW, align | SS_NOPREFIX, 0, label_.Caption()};
  }
  void Mirror(ui::Aspect aspect) override {
    if (aspect != ui::Aspect::Text) return;
    ShowText(label_.Caption());
    if (given_.width > 0) SurfacePeer::Place(TextPlace(given_));
  }

 private:
  [[nodiscard]] ui::Rect TextPlace(const ui::Rect& rect) const {
    if (label_.Layout() != ui::TextLayout::Bottom || rect.height <= 0) return rect;
    const WindowDc dc(Hwnd());
    const Selected font(dc.Get(), Font());
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc.Get(), &metrics);
    RECT measured{0, 0, rect.width, 0};
    DrawTextW(dc.Get(), label_.Caption().c_str(), -1, &measured,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    const int height = std::min<int>(rect.height, std::max<int>(measured.bottom, metrics.tmHeight));
    return {rect.left, rect.Bottom() - height, rect.width, height};
  }

  ui::Label& label_;
  ui::Rect given_;
};

// A label that looks like a link: blue, underlined, and it reports clicks.
class LinkLabelPeer : public LabelPeer {
 public:
  LinkLabelPeer(ui::Control& control, FormWindow& form)
      : LabelPeer(control, form), link_(static_cast<ui::LinkLabel&>(control)) {}

  std::optional<LRESULT> Command(WORD code) override {
    if (code != STN_CLICKED) return std::nullopt;
    link_.Click();
    return 0;
  }
  std::optional<LRESULT> ColorMessage(UINT message, HDC dc) override {
    // The palette's link blue. The hot-track colour is that blue only in some colour schemes;
    // others (Wine's own) make it a light grey for menus.
    const std::optional<LRESULT> brush = LabelPeer::ColorMessage(message, dc);
    SetTextColor(dc, Colours().link);
    return brush;
  }

 protected:
  [[nodiscard]] Native Describe() const override {
    Native native = LabelPeer::Describe();
    native.style |= SS_NOTIFY;
    return native;
  }

  // The font the form gives, underlined.
  std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_SETFONT || wParam == 0) return LabelPeer::OwnMessage(message, wParam, lParam);
    LOGFONTW log = {};
    if (GetObjectW(reinterpret_cast<HFONT>(wParam), sizeof log, &log) == 0) return std::nullopt;
    log.lfUnderline = TRUE;
    UniqueFont underlined(CreateFontIndirectW(&log));
    if (underlined == nullptr) return std::nullopt;
    const LRESULT result = Default(WM_SETFONT, reinterpret_cast<WPARAM>(underlined.get()), lParam);
    underlined_ = std::move(underlined);  // the previous one is no longer in use
    return result;
  }

 private:
  ui::LinkLabel& link_;
  UniqueFont underlined_;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeLabelPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<LabelPeer>(control, form);
}

std::unique_ptr<WindowPeer> MakeLinkLabelPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<LinkLabelPeer>(control, form);
}

}  // namespace platform::win32
