// The update window's checks: at every showing, in the background at start-up, and the
// question that offers a newer version.
#include <memory>
#include <string>

#include "app/ProcessState.h"
#include "updater/Unit_Update.h"

namespace {

// What the background check found, kept by its thread until it hands it over.
struct BackgroundCheck {
  std::wstring TempServerVersion;
  std::wstring TempDownloadUrl;
  updater::ReleaseManifest TempManifest;
  bool FoundSource = false;
};

}  // namespace

void TForm10::Check(std::wstring& ServerVersion, const std::wstring& LocalVersion) {
  std::wstring version;
  std::wstring url;
  updater::ReleaseManifest manifest;
  const bool found = Lookup().FindUpdateSource(version, url, manifest);
  if (found) ServerVersion = version;
  services_.dispatcher->RunOnUiThread([&] {
    if (!found) {
      LabelUpDate->SetCaption(LangFailedCheckUpdates->Caption());
      LabelServerVersion->SetCaption(LangConnectionError->Caption());
      CompareResult = 0;
      UpdateUrl.clear();
      UpdateVersion.clear();
      UpdateManifest = {};
      return;
    }
    UpdateUrl = url;
    UpdateVersion = version;
    UpdateManifest = std::move(manifest);
    CompareResult = updater::CompareVersions(version, LocalVersion);
    LabelUpDate->SetCaption(CompareResult == 1 ? LangUpdateAvailable->Caption() + L" " +
                                                     LocalVersion + L" ---> " + version
                                               : LangNoUpdate->Caption());
    LabelServerVersion->SetCaption(version);
  });
}

void TForm10::CheckForUpdatesInBackground() {
  auto task = std::make_shared<BackgroundCheck>();
  StartThread([this, task] {
    task->FoundSource = Lookup().FindUpdateSource(task->TempServerVersion, task->TempDownloadUrl,
                                                  task->TempManifest);
    const std::wstring local = LocalVersion();
    // Handed over whole, so that the window's thread alone touches what it reads.
    services_.dispatcher->RunOnUiThread([this, task, local] {
      BgServerVersion = task->FoundSource ? task->TempServerVersion : L"";
      BgDownloadUrl = task->FoundSource ? task->TempDownloadUrl : L"";
      BgManifest = task->FoundSource ? task->TempManifest : updater::ReleaseManifest{};
      UpdateAvailable = task->FoundSource && updater::CompareVersions(BgServerVersion, local) == 1;
      ShowUpdatePrompt();
    });
  });
  UpdateCheckThread = threads_.back().get();
}

void TForm10::ShowUpdatePrompt() {
  if (!UpdateAvailable || BgDownloadUrl.empty()) return;
  const std::wstring text =
      LangUpdateAvailable->Caption() + L" " + BgServerVersion + L"\r\n" + LangUpdateNow->Caption();
  if (!services_.dialogs->AskYesNo(Host().MainForm(), text, kApplicationTitle, LangYes->Caption(),
                                   LangNo->Caption())) {
    return;
  }
  UpdateUrl = BgDownloadUrl;
  UpdateVersion = BgServerVersion;
  UpdateManifest = BgManifest;
  QuickStartPending = true;
  if (Visible()) {
    // Asked over the open window, which cannot be shown again: the download starts there,
    // unless one runs already.
    QuickStartPending = false;
    if (mode_ == kIdle) QuickStartUpdate();
    return;
  }
  ShowModal();
}

void TForm10::QuickStartUpdate() {
  UpdateUrl = BgDownloadUrl;
  UpdateVersion = BgServerVersion;
  UpdateManifest = BgManifest;
  LabelUpDate->SetCaption(LangUpdateAvailable->Caption() + L" " + LocalVersion() + L" ---> " +
                          UpdateVersion);
  // The download begins once the window's modal loop runs, not inside its showing.
  StartThread([this] {
    try {
      services_.dispatcher->RunOnUiThread([this] { ButtonDownloadClick(); });
    } catch (...) {
      // Dropped here, as a handler's failure is.
    }
  });
}
