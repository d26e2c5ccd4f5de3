// The update window's download: the Download button's two modes, the transfer with its
// progress, and the installation of what arrived.
#include <optional>
#include <string>

#include "platform/CodePage.h"
#include "platform/ui/Guard.h"
#include "updater/DownloadFile.h"
#include "updater/InstallPlan.h"
#include "updater/Unit_Update.h"

using updater::FileNameFromUrl;
using updater::GetTempFolder;

void TForm10::ButtonDownloadClick() {
  if (mode_ == kDownloading) {
    // Cancel: the window is idle at once; the transfer below on the stack then fails.
    ShowIdle();
    AbortUpdate = true;
    IdHTTP1->Disconnect();
    LabelUpDate->SetCaption(LangNoDownload->Caption());
    services_.files->RemoveFile(GetTempFolder(*services_.process) + FileNameFromUrl(UpdateUrl));
    return;
  }
  AbortUpdate = false;
  ShowDownloading();
  if (!UpdateApp(UpdateUrl)) {
    // Cancelled, the window is as Cancel left it; failed, it goes back to idle and says so.
    if (!AbortUpdate && mode_ == kDownloading) {
      ShowIdle();
      LabelUpDate->SetCaption(LangNoDownload->Caption());
    }
    return;
  }
  LabelUpDate->SetCaption(LangDownloadComplet->Caption());
  Install();
  ShowIdle();
}

void TForm10::ShowDownloading() {
  SetMode(kDownloading);
  ButtonClose->SetEnabled(false);
  ProgressBarUpdate->SetVisible(true);
  ProgressBarUpdate->SetPosition(0);
  GroupBoxOption->SetEnabled(false);
}

void TForm10::ShowIdle() {
  SetMode(kIdle);
  ButtonClose->SetEnabled(true);
  ProgressBarUpdate->SetPosition(0);
  ProgressBarUpdate->SetVisible(false);
  GroupBoxOption->SetEnabled(true);
}

std::wstring TForm10::StoredFileFor(const std::wstring& url) const {
  const std::wstring folder = state_.PortableMode
                                  ? updater::FolderOf(services_.process->ExecutablePath())
                                  : GetTempFolder(*services_.process);
  return folder + FileNameFromUrl(url);
}

bool TForm10::UpdateApp(const std::wstring& Server) {
  if (auto proxy = updater::ProxyToUse(*services_.registry)) IdHTTP1->proxy = proxy;
  platform::HttpRequest request;
  request.url = Server;
  request.headers = {{L"User-Agent", updater::kUserAgent}};
  request.allowPlainHttp = servers_.allowPlainHttp;
  const updater::DownloadProgress progress{
      .begin = [this](std::int64_t expected) { ui::Guard([&] { IdHTTP1WorkBegin(expected); }); },
      .work = [this](std::int64_t received) { ui::Guard([&] { IdHTTP1Work(received); }); },
      .end = [this] { IdHTTP1WorkEnd(); },
  };
  // Checked against the manifest of the release it was asked for, whatever a check finds
  // meanwhile.
  const auto isRelease = [this, manifest = UpdateManifest,
                          name = FileNameFromUrl(Server)](const std::wstring& file) {
    return updater::IsReleaseFile(manifest, name, file, *services_.crypto);
  };
  return updater::DownloadToFile(*IdHTTP1, request, *services_.files, StoredFileFor(Server),
                                 progress, isRelease);
}

void TForm10::IdHTTP1WorkBegin(std::int64_t AWorkCountMax) {
  ProgressBarUpdate->SetMax(100);
  TaskbarUpdate->SetMax(ProgressBarUpdate->Max());
  BytesPerPercent = updater::BytesPerPercent(AWorkCountMax);
  services_.dispatcher->ProcessMessages();
}

void TForm10::IdHTTP1Work(std::int64_t AWorkCount) {
  if (AbortUpdate) IdHTTP1->Disconnect();
  TaskbarUpdate->SetState(ui::TaskbarState::Normal);
  if (const std::optional<std::int64_t> position =
          updater::ProgressPosition(AWorkCount, BytesPerPercent)) {
    ProgressBarUpdate->SetPosition(*position);
  }
  TaskbarUpdate->SetPosition(ProgressBarUpdate->Position());
  services_.dispatcher->ProcessMessages();
}

void TForm10::IdHTTP1WorkEnd() {
  TaskbarUpdate->SetState(ui::TaskbarState::None);
  services_.dispatcher->ProcessMessages();
}

void TForm10::Install() {
  const std::wstring exe = services_.process->ExecutablePath();
  const std::wstring name = FileNameFromUrl(UpdateUrl);
  const bool quick = CheckBoxQuickUpdate->Checked();
  if (state_.PortableMode) {
    if (quick) SimplePortableUpdate(updater::FolderOf(exe) + name, exe);
    return;
  }
  const std::wstring setup = GetTempFolder(*services_.process) + name;
  if (quick) {
    services_.shell->Execute(this, setup, updater::SilentSetupParameters(state_.CurrentLanguage),
                             false);
    services_.process->Terminate();
  } else {
    services_.shell->Execute(this, setup, L"", false);
  }
}

void TForm10::SimplePortableUpdate(const std::wstring& ZipInAppDir,
                                   const std::wstring& CurrentExePath) {
  const std::wstring script =
      GetTempFolder(*services_.process) + updater::UpdateScriptName(services_.clock->LocalNow());
  const std::optional<std::string> text = platform::ToAnsi(
      updater::PortableUpdateScript(updater::FolderOf(CurrentExePath),
                                    updater::NameOf(CurrentExePath), updater::NameOf(ZipInAppDir)));
  // Half a script must never run: one not written whole is removed.
  if (!text || !services_.files->WriteWholeFile(script, *text)) {
    services_.files->RemoveFile(script);
    services_.dialogs->ShowMessage(this, L"Failed to create update script!", kApplicationTitle,
                                   platform::kMbOk);
    return;
  }
  services_.shell->Execute(this, script, L"", true);
  services_.process->ExitNow(0);
}
