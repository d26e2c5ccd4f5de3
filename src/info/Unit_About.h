#pragma once

#include <string>

#include "platform/Platform.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"

// The About window: the program's icon, version and copyright, and the maker's contacts.
// Made once at start-up, shown modally from the general menu.
class TForm8 : public ui::Form {
 public:
  // Builds the window and runs FormCreate.
  explicit TForm8(const platform::Services& services);

  // Its own taskbar button, owned by no other window.
  void CreateParams();
  void FormCreate();
  // The version line is the main window's caption of this moment.
  void FormShow();
  void LabelTelegramClick() { OpenLink(Telegram); }
  void LabelGMailClick() { OpenLink(L"mailto:" + FirstMail); }
  void LabelYaMailClick() { OpenLink(L"mailto:" + SecondMail); }
  void LabelMainWebSiteClick() { OpenLink(WebSite); }
  void Button1Click() { Close(); }

  // The maker's addresses, as configured for the build.
  const std::wstring Telegram;
  const std::wstring FirstMail;
  const std::wstring SecondMail;
  const std::wstring WebSite;

  ui::TabControl* TabControlBody;
  ui::Label* LabelVersion;
  ui::Label* LabelCopyright;
  ui::LinkLabel* LabelTelegram;
  ui::LinkLabel* LabelGMail;
  ui::LinkLabel* LabelYaMail;
  ui::LinkLabel* LabelMainWebSite;
  ui::Image* Image1;
  ui::TabControl* TabControlButtons;
  ui::Button* Button1;

 private:
  void CreateComponents();
  void ConnectEvents();
  void OpenLink(const std::wstring& address);

  platform::Services services_;
};
