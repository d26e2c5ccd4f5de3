// The update window over scripted servers: what a showing checks and shows, the force option,
// the download's states and installations, Cancel in the middle, the background check with
// its question, and the one stored option.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/fake/FakeServices.h"
#include "platform/ui/Layout.h"
#include "updater/Unit_Update.h"

namespace {

using platform::fake::FakeHttp;

const std::wstring kExe = L"C:\\Tools\\Brindlow\\Brindlow.exe";
const std::wstring kSettings = L"C:\\Tools\\Brindlow\\Config\\Option.ini";
const std::wstring kTemp = L"C:\\Temp\\";
const std::wstring kPrimary = L"https://brindlow.example/download/";
const std::wstring kMirror = L"https://mirror.brindlow.example/download/";
const std::wstring kVersionFile = kPrimary + L"Brindlow/version.txt";
const std::wstring kSetupUrl = kPrimary + L"Brindlow/Brindlow-setup.exe";
const std::wstring kZipUrl = kPrimary + L"Brindlow/Brindlow.zip";
const std::string kPayload(1000, 'x');

class UpdateWindow : public testing::Test {
 protected:
  UpdateWindow() {
    fake.process.executable = kExe;
    fake.process.temp = L"C:\\Temp";
    fake.files.AddFolder(L"C:\\");
    fake.files.CreateFolders(L"C:\\Tools\\Brindlow\\Config");
    fake.files.CreateFolders(L"C:\\Temp");
    auto& resource = fake.versions.files[kExe];
    resource.bytes[L"\\VarFileInfo\\Translation"] = {0x09, 0x04, 0xE4, 0x04};
    resource.strings[L"\\StringFileInfo\\040904E4\\FileVersion"] = L"5.9.0.0";
    fake.clock.now = {2026, 3, 4, 7, 5, 9, 0};
  }

  // The window as made at start-up, with the background check (if it starts) run to its end.
  TForm10& Make(bool autoCheck = false) {
    fake.files.AddFileBytes(kSettings, autoCheck ? "" : "[Option]\r\nCheckBoxAutoCheck=0\r\n");
    form = std::make_unique<TForm10>(fake.services, state, Servers(), [] { return kSettings; });
    fake.threads.RunAll();
    return *form;
  }

  [[nodiscard]] updater::UpdateServers Servers() const {
    return {kPrimary, kMirror, false, fake.crypto.key};
  }

  // Puts a release on the primary server: its version file, its signed manifest and the
  // download named in it.
  void Offer(const std::string& version, const std::wstring& download) {
    fake.http.answers[kVersionFile] = FakeHttp::Answer::Body(version);
    const std::string name(download.begin() + download.rfind(L'/') + 1, download.end());
    const std::string trimmed = version.substr(0, version.find_first_of("\r\n"));
    fake.http.answers[kPrimary + L"Brindlow/manifest.txt"] =
        FakeHttp::Answer::Body(fake.crypto.SignedManifest(trimmed, {{name, kPayload}}));
    fake.http.answers[download] = FakeHttp::Answer::Body(kPayload);
  }

  // Shows the window as the general menu does and lets its check run.
  void Open() {
    form->ShowModal();
    fake.threads.RunAll();
  }

  [[nodiscard]] bool Idle() const {
    return form->Mode() == TForm10::kIdle && form->ButtonDownload->Caption() == L"Скачать" &&
           form->ButtonClose->Enabled() && !form->ProgressBarUpdate->Visible() &&
           form->GroupBoxOption->Enabled();
  }

  platform::fake::FakePlatform fake;
  ProcessState state;
  std::unique_ptr<TForm10> form;
};

TEST_F(UpdateWindow, OwnsItsComponentsInOrderWithTheirTexts) {
  TForm10& w = Make();
  std::vector<std::wstring> names;
  for (const ui::Component* c : w.Components()) names.push_back(c->Name());
  const std::vector<std::wstring> expected = {L"TabControlButtons",
                                              L"ButtonClose",
                                              L"ButtonDownload",
                                              L"ProgressBarUpdate",
                                              L"GroupBoxOption",
                                              L"CheckBoxQuickUpdate",
                                              L"CheckBoxForceUpdate",
                                              L"CheckBoxAutoCheck",
                                              L"GroupBox1",
                                              L"LabelUpDate",
                                              L"LabelLocalVersion",
                                              L"LabelServerVersion",
                                              L"LabelLocalTitle",
                                              L"LabelServerTitle",
                                              L"PopupMenuLanguage",
                                              L"LangNoDownload",
                                              L"LangDownloadComplet",
                                              L"LangNoUpdate",
                                              L"LangServerVersion",
                                              L"LangVersionComputer",
                                              L"LangUpdateAvailable",
                                              L"LangDownload",
                                              L"LangCancel",
                                              L"LangUpdateNow",
                                              L"LangYes",
                                              L"LangNo",
                                              L"LangCheckUpdate",
                                              L"LangFailedCheckUpdates",
                                              L"LangConnectionError",
                                              L"IdHTTP1",
                                              L"IdHTTP2",
                                              L"TaskbarUpdate"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(w.Caption(), L"Обновление");
  EXPECT_TRUE(w.OwnTaskbarButton());
  EXPECT_TRUE(w.CheckBoxQuickUpdate->Checked());
  EXPECT_FALSE(w.CheckBoxForceUpdate->Checked());
  EXPECT_EQ(w.LabelServerVersion->Caption(), L"LabelServerVersion");
  EXPECT_TRUE(w.ProgressBarUpdate->Visible()) << "until the first download ends";
  for (const ui::MenuItem* item : w.PopupMenuLanguage->Items()) EXPECT_FALSE(item->visible);
}

std::vector<std::wstring> NamesOf(const std::vector<ui::Control*>& controls) {
  std::vector<std::wstring> names;
  for (const ui::Control* c : controls) names.push_back(c->Name());
  return names;
}

// The bars dock from the bottom up, buttons lowest; Tab reads the window from the top.
TEST_F(UpdateWindow, DocksItsBarsBottomUpAndTabsFromTheOptionsDown) {
  TForm10& w = Make();
  std::map<std::wstring, int> tops;
  for (const ui::Placement& p : ui::LayoutForm(w, {434, 191}, 96)) {
    tops[p.control->Name()] = p.rect.top;
  }
  EXPECT_EQ(tops.at(L"TabControlButtons"), 154);
  EXPECT_EQ(tops.at(L"GroupBoxOption"), 114);
  EXPECT_EQ(tops.at(L"ProgressBarUpdate"), 93);
  EXPECT_EQ(NamesOf(w.TabOrder()),
            (std::vector<std::wstring>{L"GroupBoxOption", L"TabControlButtons",
                                       L"ProgressBarUpdate", L"GroupBox1"}));
  EXPECT_EQ(NamesOf(w.GroupBoxOption->TabOrder()),
            (std::vector<std::wstring>{L"CheckBoxForceUpdate", L"CheckBoxQuickUpdate",
                                       L"CheckBoxAutoCheck"}));
  EXPECT_EQ(NamesOf(w.TabControlButtons->TabOrder()),
            (std::vector<std::wstring>{L"ButtonClose", L"ButtonDownload"}));
}

struct CheckCase {
  const char* what;
  std::string served;  // empty: no server answers
  std::wstring status;
  std::wstring serverLine;
  int compareResult;
  bool downloadEnabled;
};

class WindowCheck : public UpdateWindow, public testing::WithParamInterface<CheckCase> {};

TEST_P(WindowCheck, ShowsTheOutcomeAndEnablesDownloadOnlyForANewerVersion) {
  const CheckCase& c = GetParam();
  TForm10& w = Make();
  if (!c.served.empty()) Offer(c.served, kSetupUrl);
  w.ShowModal();
  EXPECT_EQ(w.LabelUpDate->Caption(), L"Проверка обновления...");
  EXPECT_EQ(w.LabelLocalVersion->Caption(), L"5.9.0.0");
  fake.threads.RunAll();
  EXPECT_EQ(w.LabelUpDate->Caption(), c.status);
  EXPECT_EQ(w.LabelServerVersion->Caption(), c.serverLine);
  EXPECT_EQ(w.CompareResult, c.compareResult);
  EXPECT_EQ(w.ButtonDownload->Enabled(), c.downloadEnabled);
  EXPECT_TRUE(w.GroupBoxOption->Enabled());
  EXPECT_EQ(w.UpdateUrl, c.served.empty() ? L"" : kSetupUrl);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowCheck,
    testing::Values(CheckCase{"Newer", "5.10.0.1\r\n", L"Доступно обновление 5.9.0.0 ---> 5.10.0.1",
                              L"5.10.0.1", 1, true},
                    CheckCase{"Same", "5.9", L"Нет обновления", L"5.9", 0, false},
                    CheckCase{"Older", "5.8.9", L"Нет обновления", L"5.8.9", -1, false},
                    CheckCase{"NoServer", "", L"Не удалось проверить обновления",
                              L"Ошибка соединения", 0, false}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(UpdateWindow, ForceOptionEnablesDownloadAndUntickingDisablesIt) {
  TForm10& w = Make();
  Offer("6.0", kSetupUrl);
  Open();
  ASSERT_TRUE(w.ButtonDownload->Enabled());
  w.CheckBoxForceUpdate->UserToggle(true);
  w.CheckBoxForceUpdate->UserToggle(false);
  EXPECT_FALSE(w.ButtonDownload->Enabled()) << "whatever the check found";

  // Ticked while a check runs, the check leaves the button and the options alone.
  w.Close();
  fake.http.answers.clear();
  w.ShowModal();
  w.CheckBoxForceUpdate->UserToggle(true);
  fake.threads.RunAll();
  EXPECT_EQ(w.LabelServerVersion->Caption(), L"Ошибка соединения");
  EXPECT_FALSE(w.GroupBoxOption->Enabled());
  // Shown again, the option is unticked and the button off until the check says otherwise.
  w.Close();
  w.ShowModal();
  EXPECT_FALSE(w.CheckBoxForceUpdate->Checked());
  EXPECT_FALSE(w.ButtonDownload->Enabled());
}

TEST_F(UpdateWindow, DownloadsWithProgressAndRunsTheSetupProgramSilently) {
  state.CurrentLanguage = L"English";
  TForm10& w = Make();
  Offer("6.0", kSetupUrl);
  Open();
  std::vector<int> positions;
  std::vector<bool> downloading;
  fake.dispatcher.onProcess = [&] {
    positions.push_back(w.ProgressBarUpdate->Position());
    downloading.push_back(w.Mode() == TForm10::kDownloading && !w.ButtonClose->Enabled() &&
                          !w.GroupBoxOption->Enabled() && w.ButtonDownload->Caption() == L"Отмена");
  };
  w.ButtonDownload->Click();
  fake.dispatcher.onProcess = nullptr;
  EXPECT_EQ(positions, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 100}));
  EXPECT_EQ(downloading, std::vector<bool>(12, true));
  EXPECT_EQ(w.TaskbarUpdate->State(), ui::TaskbarState::None) << "when the transfer ended";
  EXPECT_EQ(fake.files.Bytes(kTemp + L"Brindlow-setup.exe"), kPayload);
  EXPECT_FALSE(fake.files.Bytes(kTemp + L"Brindlow-setup.exe.part").has_value());
  ASSERT_EQ(fake.shell.executed.size(), 1u);
  EXPECT_EQ(fake.shell.executed[0].file, kTemp + L"Brindlow-setup.exe");
  EXPECT_EQ(fake.shell.executed[0].parameters,
            L"/SILENT /CLOSEAPPLICATIONS /SUPPRESSMSGBOXES /LANG=English /MERGETASKS=\"runcmd1\"");
  EXPECT_FALSE(fake.shell.executed[0].hidden);
  EXPECT_EQ(fake.process.terminations, 1);
  EXPECT_EQ(w.LabelUpDate->Caption(), L"Файлы обновления загружены!");
  EXPECT_TRUE(Idle());
  const platform::HttpRequest& sent = fake.http.sent.back().request;
  EXPECT_EQ(sent.url, kSetupUrl);
  EXPECT_EQ(sent.headers.back().second,
            L"text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
}

TEST_F(UpdateWindow, WithoutQuickTheSetupProgramRunsNormallyAndTheWindowStays) {
  TForm10& w = Make();
  Offer("6.0", kSetupUrl);
  Open();
  w.CheckBoxQuickUpdate->UserToggle(false);
  w.ButtonDownload->Click();
  ASSERT_EQ(fake.shell.executed.size(), 1u);
  EXPECT_EQ(fake.shell.executed[0].parameters, L"");
  EXPECT_EQ(fake.process.terminations, 0);
  EXPECT_TRUE(Idle());
}

TEST_F(UpdateWindow, PortableWithoutQuickStoresTheArchiveBesideTheProgramOnly) {
  state.PortableMode = true;
  TForm10& w = Make();
  Offer("6.0", kZipUrl);
  Open();
  w.CheckBoxQuickUpdate->UserToggle(false);
  w.ButtonDownload->Click();
  EXPECT_EQ(fake.files.Bytes(L"C:\\Tools\\Brindlow\\Brindlow.zip"), kPayload);
  EXPECT_TRUE(fake.shell.executed.empty()) << "nothing is unpacked";
  EXPECT_EQ(w.LabelUpDate->Caption(), L"Файлы обновления загружены!");
  EXPECT_TRUE(Idle());
}

TEST_F(UpdateWindow, PortableQuickWritesTheScriptStartsItHiddenAndEndsTheProcess) {
  state.PortableMode = true;
  fake.process.executable = L"C:\\Tools\\Brindlow\\Renamed 100%.exe";
  fake.versions.files[fake.process.executable] = fake.versions.files[kExe];
  TForm10& w = Make();
  Offer("6.0", kZipUrl);
  Open();
  EXPECT_THROW(w.ButtonDownloadClick(), platform::fake::FakeProcess::Exited);
  EXPECT_EQ(fake.process.exitCode, 0);
  const std::wstring script = kTemp + L"update_070509.bat";
  ASSERT_EQ(fake.shell.executed.size(), 1u);
  EXPECT_EQ(fake.shell.executed[0].file, script);
  EXPECT_TRUE(fake.shell.executed[0].hidden);
  const std::string text = fake.files.Bytes(script).value_or("");
  EXPECT_NE(text.find("cd /d \"C:\\Tools\\Brindlow\\\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("taskkill /F /IM \"Renamed 100%%.exe\" >nul 2>&1\r\n"), std::string::npos)
      << "the name the program runs under";
  EXPECT_NE(text.find("OpenRead('Brindlow.zip')"), std::string::npos);
}

TEST_F(UpdateWindow, ScriptThatCannotBeWrittenIsReportedAndTheWindowGoesIdle) {
  state.PortableMode = true;
  TForm10& w = Make();
  Offer("6.0", kZipUrl);
  Open();
  fake.files.FailWrites(kTemp + L"update_070509.bat", 5);
  w.ButtonDownloadClick();
  ASSERT_EQ(fake.dialogs.shown.size(), 1u);
  EXPECT_EQ(fake.dialogs.shown[0].text, L"Failed to create update script!");
  EXPECT_TRUE(fake.shell.executed.empty());
  EXPECT_FALSE(fake.process.exitCode.has_value());
  EXPECT_TRUE(Idle());
}

TEST_F(UpdateWindow, FailedDownloadReturnsToIdleSaysSoAndStoresNothing) {
  TForm10& w = Make();
  Offer("6.0", kSetupUrl);
  Open();
  fake.http.answers[kSetupUrl] = FakeHttp::Answer::Status(404);
  w.ButtonDownload->Click();
  EXPECT_TRUE(Idle());
  EXPECT_EQ(w.LabelUpDate->Caption(), L"Файлы обновления не загружены!");
  EXPECT_FALSE(fake.files.Find(kTemp + L"Brindlow-setup.exe"));
  EXPECT_FALSE(fake.files.Find(kTemp + L"Brindlow-setup.exe.part"));
  EXPECT_TRUE(fake.shell.executed.empty());

  // Forced after a failed check, the empty address fails the same way.
  fake.http.answers.clear();
  w.Close();
  Open();
  w.CheckBoxForceUpdate->UserToggle(true);
  w.ButtonDownload->Click();
  EXPECT_TRUE(Idle());
  EXPECT_EQ(w.LabelUpDate->Caption(), L"Файлы обновления не загружены!");
}

TEST_F(UpdateWindow, ADownloadTheSignedManifestDoesNotNameIsDeletedAndNothingRuns) {
  const struct {
    const char* what;
    bool portable;
    std::string served;
  } cases[] = {
      {"another setup program of the same size", false, std::string(kPayload.size(), 'y')},
      {"a truncated setup program", false, kPayload.substr(1)},
      {"another archive of the same size", true, std::string(kPayload.size(), 'y')},
      {"a truncated archive", true, kPayload.substr(0, kPayload.size() - 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fake.files.AddFileBytes(L"C:\\Tools\\Brindlow\\Brindlow.zip", "kept");
    state.PortableMode = c.portable;
    TForm10& w = Make();
    const std::wstring url = c.portable ? kZipUrl : kSetupUrl;
    Offer("6.0", url);
    Open();
    fake.http.answers[url] = FakeHttp::Answer::Body(c.served);
    w.ButtonDownloadClick();
    EXPECT_TRUE(Idle());
    EXPECT_EQ(w.LabelUpDate->Caption(), L"Файлы обновления не загружены!");
    EXPECT_FALSE(fake.files.Find(kTemp + L"Brindlow-setup.exe"));
    EXPECT_FALSE(fake.files.Find(kTemp + L"Brindlow-setup.exe.part"));
    EXPECT_EQ(fake.files.Bytes(L"C:\\Tools\\Brindlow\\Brindlow.zip"), "kept");
    EXPECT_FALSE(fake.files.Find(L"C:\\Tools\\Brindlow\\Brindlow.zip.part"));
    EXPECT_TRUE(fake.shell.executed.empty());
    EXPECT_EQ(fake.process.terminations, 0);
    EXPECT_FALSE(fake.process.exitCode.has_value());
    form.reset();
  }
}

TEST_F(UpdateWindow, CancelInTheMiddleTakesEffectAtOnceAndWritesNothing) {
  state.PortableMode = true;
  TForm10& w = Make();
  Offer("6.0", kZipUrl);
  Open();
  // A setup program of an earlier run lies in the temporary folder; the executable's folder
  // holds an archive that must stay as it is.
  fake.files.AddFileBytes(kTemp + L"Brindlow.zip", "old");
  fake.files.AddFileBytes(L"C:\\Tools\\Brindlow\\Brindlow.zip", "kept");
  bool idleAtOnce = false;
  fake.http.beforePiece = [&](std::size_t delivered) {
    if (delivered != 500) return;
    w.ButtonDownload->Click();  // the Cancel click, arriving while the transfer runs
    idleAtOnce = Idle();
  };
  w.ButtonDownload->Click();
  EXPECT_TRUE(idleAtOnce);
  EXPECT_TRUE(Idle());
  EXPECT_TRUE(w.AbortUpdate);
  EXPECT_EQ(w.LabelUpDate->Caption(), L"Файлы обновления не загружены!");
  EXPECT_FALSE(fake.files.Find(kTemp + L"Brindlow.zip"));
  EXPECT_EQ(fake.files.Bytes(L"C:\\Tools\\Brindlow\\Brindlow.zip"), "kept");
  EXPECT_FALSE(fake.files.Find(L"C:\\Tools\\Brindlow\\Brindlow.zip.part"));
  EXPECT_TRUE(fake.shell.executed.empty());
}

TEST_F(UpdateWindow, BackgroundCheckAsksAboutANewerVersionAndYesStartsTheDownload) {
  Offer("6.0", kSetupUrl);
  fake.dialogs.answerYes = true;
  std::wstring statusWhileDownloading;
  fake.dispatcher.onProcess = [&] {
    if (form && form->Mode() == TForm10::kDownloading && statusWhileDownloading.empty()) {
      statusWhileDownloading = form->LabelUpDate->Caption();
    }
  };
  TForm10& w = Make(true);
  ASSERT_EQ(fake.dialogs.questions.size(), 1u);
  const auto& question = fake.dialogs.questions[0];
  EXPECT_EQ(question.text, L"Доступно обновление 6.0\r\nХотите обновить приложение сейчас?");
  EXPECT_EQ(question.caption, L"Brindlow");
  EXPECT_EQ(question.yes, L"Да");
  EXPECT_EQ(question.no, L"Нет");
  EXPECT_TRUE(w.UpdateAvailable);
  ASSERT_EQ(fake.forms.shownModal.size(), 1u) << "the window opened";
  EXPECT_FALSE(w.QuickStartPending);
  EXPECT_EQ(statusWhileDownloading, L"Доступно обновление 5.9.0.0 ---> 6.0");
  EXPECT_EQ(w.LabelServerVersion->Caption(), L"") << "no window check ran";
  EXPECT_EQ(fake.http.sent.size(), 3u) << "the version, the manifest and the download";
  EXPECT_EQ(fake.files.Bytes(kTemp + L"Brindlow-setup.exe"), kPayload);
}

struct PromptCase {
  const char* what;
  std::string served;
  bool answerYes;
  bool asked;
};

class BackgroundCheck : public UpdateWindow, public testing::WithParamInterface<PromptCase> {};

TEST_P(BackgroundCheck, ChangesNothingUnlessANewerVersionIsAccepted) {
  const PromptCase& c = GetParam();
  if (!c.served.empty()) Offer(c.served, kSetupUrl);
  fake.dialogs.answerYes = c.answerYes;
  TForm10& w = Make(true);
  EXPECT_EQ(fake.dialogs.questions.size(), c.asked ? 1u : 0u);
  EXPECT_TRUE(fake.forms.shownModal.empty());
  EXPECT_TRUE(w.UpdateUrl.empty());
  // A later opening runs a normal window check.
  Open();
  EXPECT_NE(w.LabelUpDate->Caption(), L"Проверка обновления...");
  EXPECT_TRUE(fake.shell.executed.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, BackgroundCheck,
                         testing::Values(PromptCase{"AnsweredNo", "6.0", false, true},
                                         PromptCase{"SameVersion", "5.9.0.0", true, false},
                                         PromptCase{"NoServer", "", true, false}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(UpdateWindow, StoresTheStartupOptionAndChecksInTheBackgroundOnlyWhenTicked) {
  form = std::make_unique<TForm10>(fake.services, state, Servers(), [] { return kSettings; });
  EXPECT_TRUE(form->CheckBoxAutoCheck->Checked()) << "no settings file yet";
  EXPECT_EQ(fake.threads.Pending(), 1u) << "the background check";
  fake.threads.RunAll();
  form->ShowModal();
  form->CheckBoxAutoCheck->UserToggle(false);
  form->Close();
  EXPECT_NE(fake.files.Bytes(kSettings).value_or("").find("CheckBoxAutoCheck=0"),
            std::string::npos);
  fake.threads.RunAll();

  const int started = fake.threads.started;
  TForm10 next(fake.services, state, Servers(), [] { return kSettings; });
  EXPECT_FALSE(next.CheckBoxAutoCheck->Checked());
  EXPECT_EQ(fake.threads.started, started) << "no background check";
}

}  // namespace
