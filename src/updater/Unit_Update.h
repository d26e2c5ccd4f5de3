#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ProcessState.h"
#include "platform/Platform.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"
#include "updater/HttpClientComponent.h"
#include "updater/UpdateLookup.h"

// The update window: the running and the offered version, the Download button and three
// options. Shown modally from the general menu or the update prompt; a check runs on a worker
// thread at every showing.
class TForm10 : public ui::Form {
 public:
  // Builds the window and runs FormCreate, which may start the background check.
  // `settingsPath` gives the settings file's path when asked.
  TForm10(const platform::Services& services, ProcessState& state, updater::UpdateServers servers,
          std::function<std::wstring()> settingsPath);
  // Waits for the threads the window started.
  ~TForm10() override;
  TForm10(const TForm10&) = delete;
  TForm10& operator=(const TForm10&) = delete;

  void CreateParams();
  void FormCreate();
  void LoadNastr();
  void SaveNastr();
  void FormShow();
  void FormClose();
  void ButtonCloseClick() { Close(); }
  void CheckBoxForceUpdateClick();

  // The download and its installation.
  enum DownloadMode { kIdle = 0, kDownloading = 1 };
  [[nodiscard]] int Mode() const { return mode_; }
  void ButtonDownloadClick();
  // Downloads `Server` into its place; false when the transfer failed or was cancelled.
  bool UpdateApp(const std::wstring& Server);
  void IdHTTP1WorkBegin(std::int64_t AWorkCountMax);
  void IdHTTP1Work(std::int64_t AWorkCount);
  void IdHTTP1WorkEnd();
  // Writes and starts the script that unpacks the archive over the application folder and
  // ends the process; returns only when the script could not be made.
  void SimplePortableUpdate(const std::wstring& ZipInAppDir, const std::wstring& CurrentExePath);

  // The checks.
  // Looks the newest version up (on the calling worker) and shows the outcome (on the UI
  // thread). `ServerVersion` receives the version found.
  void Check(std::wstring& ServerVersion, const std::wstring& LocalVersion);
  void CheckForUpdatesInBackground();
  void ShowUpdatePrompt();
  void QuickStartUpdate();
  [[nodiscard]] std::wstring LocalVersion() const;

  // What the checks found, read by the download: only a file the signed manifest names, by
  // size and SHA-256, is kept.
  std::wstring UpdateUrl;
  std::wstring UpdateVersion;
  updater::ReleaseManifest UpdateManifest;
  int CompareResult = 0;
  std::wstring BgServerVersion;
  std::wstring BgDownloadUrl;
  updater::ReleaseManifest BgManifest;
  bool QuickStartPending = false;
  bool AbortUpdate = false;
  bool UpdateAvailable = false;
  std::int64_t BytesPerPercent = 0;
  // The background check's thread, kept with the others the window started.
  platform::Thread* UpdateCheckThread = nullptr;

  ui::TabControl* TabControlButtons;
  ui::Button* ButtonClose;
  ui::Button* ButtonDownload;
  ui::ProgressBar* ProgressBarUpdate;
  ui::GroupBox* GroupBoxOption;
  ui::CheckBox* CheckBoxQuickUpdate;
  ui::CheckBox* CheckBoxForceUpdate;
  ui::CheckBox* CheckBoxAutoCheck;
  ui::GroupBox* GroupBox1;
  ui::Label* LabelUpDate;
  ui::Label* LabelLocalVersion;
  ui::Label* LabelServerVersion;
  ui::Label* LabelLocalTitle;
  ui::Label* LabelServerTitle;
  ui::PopupMenu* PopupMenuLanguage;
  ui::MenuItem* LangNoDownload;
  ui::MenuItem* LangDownloadComplet;
  ui::MenuItem* LangNoUpdate;
  ui::MenuItem* LangServerVersion;
  ui::MenuItem* LangVersionComputer;
  ui::MenuItem* LangUpdateAvailable;
  ui::MenuItem* LangDownload;
  ui::MenuItem* LangCancel;
  ui::MenuItem* LangUpdateNow;
  ui::MenuItem* LangYes;
  ui::MenuItem* LangNo;
  ui::MenuItem* LangCheckUpdate;
  ui::MenuItem* LangFailedCheckUpdates;
  ui::MenuItem* LangConnectionError;
  updater::HttpClientComponent* IdHTTP1;
  updater::HttpClientComponent* IdHTTP2;
  ui::TaskbarProgress* TaskbarUpdate;

 private:
  void CreateComponents();
  void CreateMessageItems();
  void ConnectEvents();
  void SetMode(int mode);
  // The window as it is while no download runs, or while one does.
  void ShowIdle();
  void ShowDownloading();
  void Install();
  // Runs `work` on a new thread, kept to be joined when the window goes.
  void StartThread(std::function<void()> work);
  [[nodiscard]] std::wstring StoredFileFor(const std::wstring& url) const;
  [[nodiscard]] updater::UpdateLookup Lookup() const;

  platform::Services services_;
  ProcessState& state_;
  updater::UpdateServers servers_;
  std::function<std::wstring()> settingsPath_;
  int mode_ = kIdle;
  std::vector<std::unique_ptr<platform::Thread>> threads_;
};
