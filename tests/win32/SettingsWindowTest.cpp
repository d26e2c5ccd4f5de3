// The main window's size and maximized state survive a restart, in a portable copy and in
// the user's own settings folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RealSystem.h"
#include "WindowTestSupport.h"
#include "platform/win32/Services.h"
#include "platform/win32/ui/Win32FormHost.h"

namespace {

using platform::win32::WindowOf;

// Starts of the main window over the real system, as one installation: portable beside
// `folder`, or with the settings in the user's folder.
class Installation {
 public:
  Installation(const std::wstring& folder, bool portable) {
    fake.process.executable = folder + L"Brindlow.exe";
    if (portable)
      CloseHandle(CreateFileW((folder + L"portable.ini").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr));
    services = fake.services;
    services.files = &files;
    services.shell = &shell;
    services.volumes = &volumes;
    services.dispatcher = &dispatcher;
    services.forms = &host;
  }

  // A start: the window made and shown.
  std::unique_ptr<TForm1> Start() {
    auto form = std::make_unique<TForm1>(services, state);
    form->Show();
    window_test::LetWindowsRun();
    return form;
  }

  platform::fake::FakePlatform fake;
  platform::win32::Win32FileSystem files;
  platform::win32::Win32Shell shell;
  platform::win32::Win32Volumes volumes;
  platform::win32::Win32Dispatcher dispatcher;
  platform::win32::Win32FormHost host;
  platform::Services services;
  ProcessState state;
};

SIZE OuterSize(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

class SettingsAcrossStarts : public testing::TestWithParam<bool> {};

TEST_P(SettingsAcrossStarts, KeepTheSizeAndTheMaximizedState) {
  const window_test::GuiScope gui;
  const real_system::TempFolder temp;
  Installation installation(temp.Path(), GetParam());
  std::wstring settingsFile;
  {
    auto first = installation.Start();
    HWND window = WindowOf(*first);
    ASSERT_NE(window, nullptr) << "no window could be made";
    settingsFile = first->PortablePath();
    SetWindowPos(window, nullptr, 0, 0, 913, 677, SWP_NOMOVE | SWP_NOZORDER);
    first->Close();
  }
  if (GetParam()) {
    EXPECT_EQ(settingsFile, temp.Path() + L"Config\\Option.ini");
  }
  EXPECT_NE(GetFileAttributesW(settingsFile.c_str()), INVALID_FILE_ATTRIBUTES);
  {
    auto second = installation.Start();
    HWND window = WindowOf(*second);
    EXPECT_EQ(OuterSize(window).cx, 913);
    EXPECT_EQ(OuterSize(window).cy, 677);
    ShowWindow(window, SW_MAXIMIZE);
    second->Close();
  }
  {
    auto third = installation.Start();
    EXPECT_TRUE(IsZoomed(WindowOf(*third)));
    third->Close();
  }
  if (!GetParam()) DeleteFileW(settingsFile.c_str());
}

INSTANTIATE_TEST_SUITE_P(Places, SettingsAcrossStarts, testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Portable" : "PerUser"; });

}  // namespace
