#include "platform/ui/Controls.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Layout.h"
#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/ButtonPictures.h"
#include "platform/win32/ui/Peers.h"
#include "platform/win32/ui/StyledDrawing.h"

namespace platform::win32 {

namespace {

// A push button; with a picture it shows the picture, centred, instead of its caption.
class ButtonPeer : public SurfacePeer {
 public:
  ButtonPeer(ui::Control& control, FormWindow& form)
      : SurfacePeer(control, form), button_(static_cast<ui::Button&>(control)) {}

  std::optional<LRESULT> Command(WORD code) override {
    if (code != BN_CLICKED) return std::nullopt;
    button_.Click();
    return 0;
  }

  // In the program's styles the face is the palette's.
  std::optional<LRESULT> Notify(NMHDR& header) override {
    return PaintStyled(header, Colours(), [this](HDC dc, const RECT& client, DrawnState state) {
      const Selected font(dc, Font());
      DrawButton(dc, client, Colours(), state, button_.Caption(),
                 HasPicture() ? picture_.get() : nullptr, Dpi());
    });
  }

 protected:
  [[nodiscard]] Native Describe() const override {
    const DWORD kind = button_.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    return {WC_BUTTONW, static_cast<DWORD>(kind | WS_TABSTOP | (HasPicture() ? BS_ICON : 0)), 0,
            Text()};
  }

  void Mirror(ui::Aspect aspect) override {
    if (aspect == ui::Aspect::Text) {
      ShowText(Text());
    } else if (aspect == ui::Aspect::Images && HasPicture()) {
      UniqueIcon previous = std::move(picture_);
      picture_ = MakePicture();
      SendMessageW(Hwnd(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture_.get()));
    }
  }

 private:
  // A button showing a picture never draws its text: the text is what a screen reader calls
  // it, the name given, else the hint that says what it does.
  [[nodiscard]] std::wstring Text() const {
    if (!HasPicture()) return button_.Caption();
    return button_.AccessibleName().empty() ? button_.Hint() : button_.AccessibleName();
  }

  [[nodiscard]] bool HasPicture() const {
    return button_.Images() != nullptr && button_.ImageIndex() >= 0;
  }

  [[nodiscard]] UniqueIcon MakePicture() const {
    const ui::ImageList& images = *button_.Images();
    if (images.SharedHandle() != 0) {
      return UniqueIcon(ImageList_GetIcon(reinterpret_cast<HIMAGELIST>(images.SharedHandle()),
                                          button_.ImageIndex(), ILD_TRANSPARENT));
    }
    return MakeToolbarPicture(button_.ImageIndex(), ui::Scale(images.Size(), Dpi()));
  }

  ui::Button& button_;
  UniqueIcon picture_;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeButtonPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<ButtonPeer>(control, form);
}

}  // namespace platform::win32
