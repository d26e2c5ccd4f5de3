// The update window as native windows against servers on 127.0.0.1 started by the test: a
// real check on a worker thread, a real download with progress, a Cancel in the middle, and a
// check that no server answers, during which the window stays responsive and can be closed.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "LocalServer.h"
#include "ThrowawayReleaseKey.h"
#include "WindowTestSupport.h"
#include "platform/fake/FakeServices.h"
#include "platform/win32/Services.h"
#include "platform/win32/ui/Win32FormHost.h"
#include "updater/Unit_Update.h"

namespace {

using platform::win32::WindowOf;
using server_test::LocalServer;
using server_test::Reply;
using window_test::TextOf;

const std::string kSetup(300000, 's');

// The real queue, with a look at the window each time the program lets messages run.
class WatchingDispatcher : public platform::Dispatcher {
 public:
  void ProcessMessages() override {
    real_.ProcessMessages();
    if (onProcess) onProcess();
  }
  void RunOnUiThread(const std::function<void()>& work) override { real_.RunOnUiThread(work); }
  void Post(std::function<void()> work) override { real_.Post(std::move(work)); }
  std::function<void()> onProcess;

 private:
  platform::win32::Win32Dispatcher real_;
};

class UpdateWindowOnWine : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"brindlow-update-test-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    fake.process.executable = realProcess.ExecutablePath();
    fake.process.temp = folder;
    services = fake.services;
    services.files = &files;
    services.versions = &versions;
    services.http = &http;
    services.threads = &threads;
    services.crypto = &crypto;
    services.dispatcher = &dispatcher;
    services.forms = &host;
  }
  void TearDown() override {
    form.reset();
    for (const wchar_t* name :
         {L"\\Option.ini", L"\\Brindlow-setup.exe", L"\\Brindlow-setup.exe.part"}) {
      DeleteFileW((folder + name).c_str());
    }
    RemoveDirectoryW(folder.c_str());
  }

  void Make(const std::wstring& primary, const std::wstring& mirror) {
    WritePrivateProfileStringW(L"Option", L"CheckBoxAutoCheck", L"0",
                               (folder + L"\\Option.ini").c_str());
    form = std::make_unique<TForm10>(
        services, state, updater::UpdateServers{primary, mirror, true, releaseKey.PublicKey()},
        [this] { return folder + L"\\Option.ini"; });
  }

  // Shows the window modally, calls `look` once it is on the screen, then closes it.
  void WhileShown(const std::function<void()>& look) {
    bool looked = false;
    const ui::Event formShow = form->OnShow;
    form->OnShow = [&, formShow] {
      formShow();
      frame = WindowOf(*form);
      look();
      looked = true;
      PostMessageW(frame, WM_CLOSE, 0, 0);
    };
    form->ShowModal();
    EXPECT_TRUE(looked) << "the update window was not shown";
  }

  [[nodiscard]] HWND Named(const wchar_t* name) const {
    return WindowOf(*form->Find<ui::Control>(name));
  }

  // Lets the window run until `done` holds or 20 s have passed.
  static bool RunUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done() && std::chrono::steady_clock::now() < deadline) window_test::LetWindowsRun();
    return done();
  }

  // The outcome is shown and the options are usable again.
  [[nodiscard]] bool CheckEnded() const {
    return !TextOf(Named(L"LabelServerVersion")).empty() &&
           IsWindowEnabled(Named(L"CheckBoxQuickUpdate"));
  }

  [[nodiscard]] bool FileThere(const std::wstring& name) const {
    return GetFileAttributesW((folder + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  window_test::GuiScope gui;
  platform::fake::FakePlatform fake;  // records what the shell would start
  platform::win32::Win32Process realProcess;
  platform::win32::Win32FileSystem files;
  platform::win32::Win32VersionResources versions;
  platform::win32::Win32Http http;
  platform::win32::Win32Threads threads;
  platform::win32::Win32Crypto crypto;
  release_test::ThrowawayReleaseKey releaseKey;
  WatchingDispatcher dispatcher;
  platform::win32::Win32FormHost host;  // outlives the form
  platform::Services services;
  ProcessState state;
  std::wstring folder;
  std::unique_ptr<TForm10> form;
  HWND frame = nullptr;
};

TEST_F(UpdateWindowOnWine, ShowsEveryTextWhole) {
  Make(L"http://127.0.0.1:1/", L"http://127.0.0.1:1/");
  WhileShown([&] {
    const int dpi = window_test::DpiOf(frame);
    for (const ui::Component* component : form->Components()) {
      const auto* control = dynamic_cast<const ui::Control*>(component);
      HWND window = control != nullptr ? WindowOf(*control) : nullptr;
      if (window == nullptr || !IsWindowVisible(window) || TextOf(window).empty()) continue;
      SCOPED_TRACE(testing::PrintToString(control->Name()));
      const LONG_PTR type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
      const bool checkBox = window_test::ClassOf(window) == WC_BUTTONW &&
                            (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX);
      // A check box's text stands right of its box.
      const int box = checkBox ? ui::Scale(16, dpi) : 0;
      const SIZE text = window_test::TextExtent(window);
      const ui::Rect place = window_test::PlaceOf(window);
      EXPECT_LE(text.cx + box, place.width) << "the text is cut off";
      EXPECT_LE(text.cy, place.height) << "the text is cut off";
    }
    window_test::ExpectDrawn(
        window_test::SaveScreenshot(frame, L"update-window-" + std::to_wstring(dpi) + L"dpi.bmp"));
  });
}

TEST_F(UpdateWindowOnWine, ChecksTheMirrorAndDownloadsTheSetupProgramWithProgress) {
  LocalServer server{{
      {"/b/Brindlow/version.txt", Reply{.body = "9.0.0.0\r\n"}},
      {"/b/Brindlow/manifest.txt",
       Reply{.body = releaseKey.SignedManifest("9.0.0.0", {{"Brindlow-setup.exe", kSetup}})}},
      {"/b/Brindlow/Brindlow-setup.exe", Reply{.body = kSetup, .pieceSize = 30000, .pauseMs = 10}},
  }};
  Make(server.Url("/a/"), server.Url("/b/"));
  std::vector<int> positions;
  bool downloadingShot = false;
  WhileShown([&] {
    ASSERT_TRUE(RunUntil([&] { return CheckEnded(); }));
    EXPECT_EQ(TextOf(Named(L"LabelUpDate")), L"Доступно обновление 1.0.0.0 ---> 9.0.0.0");
    EXPECT_EQ(TextOf(Named(L"LabelServerVersion")), L"9.0.0.0");
    EXPECT_EQ(TextOf(Named(L"LabelLocalVersion")), L"1.0.0.0");
    EXPECT_TRUE(IsWindowEnabled(Named(L"ButtonDownload")));
    EXPECT_TRUE(IsWindowEnabled(Named(L"CheckBoxQuickUpdate")));
    window_test::ExpectDrawn(window_test::SaveScreenshot(frame, L"update-window-checked.bmp"));

    SendMessageW(Named(L"CheckBoxQuickUpdate"), BM_CLICK, 0, 0);
    dispatcher.onProcess = [&] {
      const int position =
          static_cast<int>(SendMessageW(Named(L"ProgressBarUpdate"), PBM_GETPOS, 0, 0));
      if (positions.empty() || positions.back() != position) positions.push_back(position);
      if (position >= 50 && !downloadingShot && IsWindowVisible(Named(L"ProgressBarUpdate"))) {
        downloadingShot = true;
        EXPECT_EQ(TextOf(Named(L"ButtonDownload")), L"Отмена");
        EXPECT_FALSE(IsWindowEnabled(Named(L"ButtonClose")));
        window_test::ExpectDrawn(
            window_test::SaveScreenshot(frame, L"update-window-downloading.bmp"));
      }
    };
    SendMessageW(Named(L"ButtonDownload"), BM_CLICK, 0, 0);
    dispatcher.onProcess = nullptr;
    EXPECT_EQ(TextOf(Named(L"LabelUpDate")), L"Файлы обновления загружены!");
    EXPECT_EQ(TextOf(Named(L"ButtonDownload")), L"Скачать");
    EXPECT_FALSE(IsWindowVisible(Named(L"ProgressBarUpdate")));
  });
  EXPECT_EQ(server.Requested(), (std::vector<std::string>{
                                    "/a/Brindlow/version.txt", "/b/Brindlow/version.txt",
                                    "/b/Brindlow/manifest.txt", "/b/Brindlow/Brindlow-setup.exe"}));
  EXPECT_TRUE(downloadingShot);
  ASSERT_GE(positions.size(), 5u) << "the bar moved in steps";
  EXPECT_EQ(positions.back(), 100);
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
  const std::wstring setup = folder + L"\\Brindlow-setup.exe";
  EXPECT_EQ(files.ReadWholeFile(setup, kSetup.size() + 1), kSetup);
  ASSERT_EQ(fake.shell.executed.size(), 1u);
  EXPECT_EQ(fake.shell.executed[0].file, setup);
  EXPECT_EQ(fake.shell.executed[0].parameters, L"") << "not quick";
}

TEST_F(UpdateWindowOnWine, CancelInTheMiddleStopsAtOnceAndLeavesNoFile) {
  LocalServer server{{
      {"/a/Brindlow/version.txt", Reply{.body = "9.0"}},
      {"/a/Brindlow/manifest.txt",
       Reply{.body = releaseKey.SignedManifest("9.0", {{"Brindlow-setup.exe", kSetup}})}},
      {"/a/Brindlow/Brindlow-setup.exe", Reply{.body = kSetup, .pieceSize = 10000, .pauseMs = 30}},
  }};
  Make(server.Url("/a/"), server.Url("/b/"));
  bool cancelled = false;
  bool idleAtOnce = false;
  WhileShown([&] {
    ASSERT_TRUE(RunUntil([&] { return CheckEnded(); }));
    dispatcher.onProcess = [&] {
      if (cancelled || SendMessageW(Named(L"ProgressBarUpdate"), PBM_GETPOS, 0, 0) < 20) return;
      cancelled = true;
      SendMessageW(Named(L"ButtonDownload"), BM_CLICK, 0, 0);
      idleAtOnce = TextOf(Named(L"ButtonDownload")) == L"Скачать" &&
                   IsWindowEnabled(Named(L"ButtonClose")) &&
                   !IsWindowVisible(Named(L"ProgressBarUpdate"));
    };
    SendMessageW(Named(L"ButtonDownload"), BM_CLICK, 0, 0);
    dispatcher.onProcess = nullptr;
    EXPECT_EQ(TextOf(Named(L"LabelUpDate")), L"Файлы обновления не загружены!");
  });
  EXPECT_TRUE(cancelled);
  EXPECT_TRUE(idleAtOnce);
  EXPECT_FALSE(FileThere(L"Brindlow-setup.exe"));
  EXPECT_FALSE(FileThere(L"Brindlow-setup.exe.part"));
  EXPECT_TRUE(fake.shell.executed.empty());
}

TEST_F(UpdateWindowOnWine, WithNoServerAnsweringTheCheckFailsInTimeAndTheWindowStaysResponsive) {
  // The primary takes the request and never answers; nothing listens for the mirror.
  LocalServer silent{{{"/a/Brindlow/version.txt", Reply{.silent = true}}}};
  const std::wstring closed =
      L"http://127.0.0.1:" + std::to_wstring(LocalServer::ClosedPort()) + L"/";
  Make(silent.Url("/a/"), closed);
  WhileShown([&] {
    EXPECT_EQ(TextOf(Named(L"LabelUpDate")), L"Проверка обновления...");
    EXPECT_FALSE(IsWindowEnabled(Named(L"ButtonDownload")));
    // Another thread gets its answer from the window while the check waits for the server.
    DWORD_PTR answer = 0;
    LRESULT answered = 0;
    std::thread other([&] {
      answered = SendMessageTimeoutW(frame, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &answer);
    });
    ASSERT_TRUE(RunUntil([&] { return answered != 0; }));
    other.join();
    EXPECT_FALSE(CheckEnded()) << "the read limit has not passed yet";

    ASSERT_TRUE(RunUntil([&] { return CheckEnded(); }));
    EXPECT_EQ(TextOf(Named(L"LabelUpDate")), L"Не удалось проверить обновления");
    EXPECT_EQ(TextOf(Named(L"LabelServerVersion")), L"Ошибка соединения");
    EXPECT_FALSE(IsWindowEnabled(Named(L"ButtonDownload")));
    EXPECT_TRUE(IsWindowEnabled(Named(L"CheckBoxForceUpdate")));
    SendMessageW(Named(L"CheckBoxForceUpdate"), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(Named(L"ButtonDownload")));
    window_test::ExpectDrawn(window_test::SaveScreenshot(frame, L"update-window-no-server.bmp"));
  });
}

TEST_F(UpdateWindowOnWine, ClosingWhileACheckWaitsEndsCleanly) {
  LocalServer silent{{{"/a/Brindlow/version.txt", Reply{.silent = true}}}};
  const std::wstring closed =
      L"http://127.0.0.1:" + std::to_wstring(LocalServer::ClosedPort()) + L"/";
  Make(silent.Url("/a/"), closed);
  WhileShown([&] { EXPECT_TRUE(RunUntil([&] { return !silent.Requested().empty(); })); });
  // Closed at once, while the check still waits for the primary server.
  EXPECT_FALSE(IsWindowVisible(frame));
  EXPECT_EQ(TextOf(Named(L"LabelServerVersion")), L"");
  // The window goes only once its check has ended; the check's hand-overs still run while the
  // window's thread waits for it (a wait that kept them out would never end).
  form.reset();
}

}  // namespace
