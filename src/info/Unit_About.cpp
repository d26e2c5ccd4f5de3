#include "info/Unit_About.h"

#include "info/FileInfoUtils.h"
#include "info/Maker.h"
#include "platform/ui/Guard.h"

namespace {

const ui::Font kFormFont{L"Tahoma", -11, false};

}  // namespace

TForm8::TForm8(const platform::Services& services)
    : ui::Form(nullptr, L"Form8", *services.forms),
      Telegram(maker::kTelegramUrl),
      FirstMail(maker::kFirstMail),
      SecondMail(maker::kSecondMail),
      WebSite(maker::kWebSite),
      services_(services) {
  CreateParams();
  CreateComponents();
  ConnectEvents();
  FormCreate();
}

void TForm8::CreateParams() {
  SetOwnTaskbarButton(true);
}

void TForm8::CreateComponents() {
  using ui::Align;
  SetCaption(L"О программе");
  SetDesignClientSize({334, 161});
  SetMinimumSize({350, 200});
  SetSizeable(false);
  SetRoundedCorners(true);
  SetFont(kFormFont);

  TabControlBody = &Create<ui::TabControl>(L"TabControlBody", this);
  TabControlBody->SetAlign(Align::Client);
  TabControlBody->SetBounds({0, 0, 334, 126});

  auto label = [&]<class T>(T*& field, const wchar_t* name, int height, const wchar_t* caption) {
    field = &Create<T>(name, TabControlBody);
    field->SetAlign(Align::Top);
    field->SetBounds({0, 0, 326, height});
    field->SetAlignment(ui::TextAlign::Center);
    field->SetLayout(ui::TextLayout::Bottom);
    field->SetCaption(caption);
  };
  label(LabelVersion, L"LabelVersion", 20, L"");
  label(LabelCopyright, L"LabelCopyright", 17, L"");
  label(LabelTelegram, L"LabelTelegram", 17, L"Telegram");
  label(LabelGMail, L"LabelGMail", 17, FirstMail.c_str());
  label(LabelYaMail, L"LabelYaMail", 17, SecondMail.c_str());
  label(LabelMainWebSite, L"LabelMainWebSite", 17, L"Сайт основной");
  for (ui::LinkLabel* link : {LabelTelegram, LabelGMail, LabelYaMail, LabelMainWebSite}) {
    link->SetFont(kFormFont);
  }

  // Made after the labels, so that it stands over them.
  Image1 = &Create<ui::Image>(L"Image1", TabControlBody);
  Image1->SetBounds({12, 14, 32, 32});

  TabControlButtons = &Create<ui::TabControl>(L"TabControlButtons", this);
  TabControlButtons->SetAlign(Align::Bottom);
  TabControlButtons->SetBounds({0, 126, 334, 35});

  Button1 = &Create<ui::Button>(L"Button1", TabControlButtons);
  Button1->SetAlign(Align::Client);
  Button1->SetCaption(L"Ok");
  Button1->SetFont({L"Tahoma", -11, true});
}

// Every handler runs guarded: a failure leaves the window as far as the handler got.
void TForm8::ConnectEvents() {
  using ui::Guarded;
  OnShow = Guarded([this] { FormShow(); });
  LabelTelegram->OnClick = Guarded([this] { LabelTelegramClick(); });
  LabelGMail->OnClick = Guarded([this] { LabelGMailClick(); });
  LabelYaMail->OnClick = Guarded([this] { LabelYaMailClick(); });
  LabelMainWebSite->OnClick = Guarded([this] { LabelMainWebSiteClick(); });
  Button1->OnClick = Guarded([this] { Button1Click(); });
}

void TForm8::FormCreate() {
  Image1->SetIconResource(L"MAINICON");
  LabelCopyright->SetCaption(
      GetLegalCopyright(*services_.versions, services_.process->ExecutablePath()));
}

void TForm8::FormShow() {
  if (const ui::Form* main = Host().MainForm()) LabelVersion->SetCaption(main->Caption());
}

void TForm8::OpenLink(const std::wstring& address) {
  services_.shell->OpenLink(this, address);
  services_.dispatcher->ProcessMessages();
}
