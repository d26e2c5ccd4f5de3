#include "app/Program.h"

#include "platform/ui/Guard.h"
#include "updater/UpdateConfig.h"

int Application::Run() {
  Title = kApplicationTitle;
  Form1 = std::make_unique<TForm1>(services_, state);
  Form8 = std::make_unique<TForm8>(services_);
  Form10 = std::make_unique<TForm10>(services_, state, updater::ConfiguredServers(),
                                     [this] { return Form1->PortablePath(); });
  Form1->SetModalWindows(Form8.get(), Form10.get());
  ui::Guard([this] { Form1->CleanTranslationsLikeGlobload(); });
  ui::Guard([this] { Form1->LoadLanguage(); });
  ui::Guard([this] { Form1->globLoad(); });
  if (Form1->IsWindows10Or11()) {
    services_.forms->Run(*Form1);
  } else {
    services_.dialogs->ShowMessage(nullptr, Form1->LangOnlyWindows->Caption(),
                                   Form1->LangError->Caption(),
                                   platform::kMbOk | platform::kMbIconError);
  }
  return 0;
}
