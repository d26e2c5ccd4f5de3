// The general menu behind the "≡" button, and how the main window follows the mouse.
#include "app/Unit_Base.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Layout.h"

// Released, a click latches the button and opens the menu below it, right edges aligned; the
// button stays latched until a command or a mouse move over the window releases it, so a
// click on a latched button only releases it.
void TForm1::SpeedButton_GeneralMenuClick() {
  ui::SpeedButton& button = *SpeedButton_GeneralMenu;
  if (!button.allowAllUp) {
    ReleaseMenuButton();
    Host().EndMenu();
    services_.dispatcher->ProcessMessages();
    return;
  }
  button.allowAllUp = false;
  button.down = true;
  services_.dispatcher->ProcessMessages();
  const ui::Rect place = Host().ScreenBounds(button);
  PopupMenu_General->Popup({place.Right(), place.Bottom()});
}

void TForm1::ReleaseMenuButton() {
  SpeedButton_GeneralMenu->allowAllUp = true;
  SpeedButton_GeneralMenu->down = false;
}

void TForm1::RefreshListMenuClick() {
  ReleaseMenuButton();
  ui::Guard([this] { cbPathChange(); });
}

void TForm1::IconSmallMenuClick() {
  ReleaseMenuButton();
  SetSystemIconSize(ListViewAttributes, false);
  IconSmallMenu->checked = true;
  IconBigMenu->checked = false;
  ButtonRefreshClick();
}

void TForm1::IconBigMenuClick() {
  ReleaseMenuButton();
  SetSystemIconSize(ListViewAttributes, true);
  IconSmallMenu->checked = false;
  IconBigMenu->checked = true;
  ButtonRefreshClick();
}

void TForm1::CheckUpdateMenuClick() {
  ReleaseMenuButton();
  if (updateWindow_ != nullptr) updateWindow_->ShowModal();
}

void TForm1::AboutMenuClick() {
  ReleaseMenuButton();
  if (aboutWindow_ != nullptr) aboutWindow_->ShowModal();
}

void TForm1::WMMoving(ui::Rect& proposed) {
  const ui::Rect area = Host().WorkArea(proposed);
  if (area.width > 0 && area.height > 0) proposed = ui::KeptInWorkArea(proposed, area);
}
