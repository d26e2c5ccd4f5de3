// The program's windows in each style, chosen from the theme menu: the main window, its
// general menu, and the About and update windows made after the choice. Each is dark in the
// dark style and light in the light one, with screenshots for a person to look at. Wine lacks
// the system's dark looks, so this is also the run of a system without them.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MainWindowFixture.h"
#include "info/Unit_About.h"
#include "updater/Unit_Update.h"

namespace {

using platform::win32::WindowOf;

struct StyleCase {
  const char* what;
  const wchar_t* item;
  ui::Style style;
};

class StyledWindows : public ShownMainWindow, public testing::WithParamInterface<StyleCase> {
 protected:
  void SetUp() override { OpenOverSampleRows(); }

  static RECT ClientOnScreen(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client;
  }

  // Dark is dark, light is light, and text stands out.
  void ExpectInStyle(const window_test::Lightness& seen, const std::string& what) const {
    if (GetParam().style == ui::Style::Dark) {
      EXPECT_LT(seen.mean, 96) << what << " is not dark";
    } else {
      EXPECT_GT(seen.mean, 160) << what << " is not light";
    }
    EXPECT_GE(seen.lightest - seen.darkest, 100) << what << " shows nothing that stands out";
  }

  [[nodiscard]] std::wstring ShotName(const std::wstring& window) const {
    const std::string style = GetParam().what;
    return window + L"-" + std::wstring(style.begin(), style.end()) + L"-" +
           std::to_wstring(Dpi()) + L"dpi.bmp";
  }

  // Shows `window` modally over the main window and looks at it while it is shown.
  void LookAtModal(ui::Form& window, const std::wstring& name) {
    bool looked = false;
    const ui::Event formShow = window.OnShow;
    window.OnShow = [&] {
      if (formShow) formShow();
      window_test::LetWindowsRun();
      HWND shown = WindowOf(window);
      ExpectInStyle(window_test::LightnessOf(ClientOnScreen(shown)), Narrow(name));
      window_test::ExpectDrawn(window_test::SaveScreenshot(shown, ShotName(name)));
      looked = true;
      PostMessageW(shown, WM_CLOSE, 0, 0);
    };
    window.ShowModal();
    EXPECT_TRUE(looked) << Narrow(name) << " was not shown";
  }

  static std::string Narrow(const std::wstring& text) { return testing::PrintToString(text); }

  platform::win32::Win32VersionResources versions;
  platform::win32::Win32Process process;
};

TEST_P(StyledWindows, EveryWindowTakesTheChosenStyle) {
  form->Find<ui::MenuItem>(GetParam().item)->Click();
  form->ListViewAttributes->SetFocus();
  Pump();
  ExpectInStyle(window_test::LightnessOf(ClientOnScreen(frame)), "the main window");
  window_test::ExpectDrawn(window_test::SaveScreenshot(frame, ShotName(L"main-window")));

  window_test::Lightness menuSeen;
  window_test::Screenshot menuShot;
  {
    const window_test::MenuWatcher watcher(
        [&](HWND menu, HMENU) {
          Sleep(100);  // drawn
          RECT place;
          GetWindowRect(menu, &place);
          InflateRect(&place, -3, -3);  // the frame is the system's
          menuSeen = window_test::LightnessOf(place);
          menuShot = window_test::SaveScreenshot(menu, ShotName(L"general-menu"));
        },
        {VK_ESCAPE});
    SendMessageW(Named(L"SpeedButton_GeneralMenu"), BM_CLICK, 0, 0);
  }
  ExpectInStyle(menuSeen, "the general menu");
  window_test::ExpectDrawn(menuShot);

  // Made after the choice, as the program makes them after its main window.
  services.versions = &versions;
  services.process = &process;
  TForm8 about(services);
  LookAtModal(about, L"about-window");
  TForm10 update(services, state, updater::UpdateServers{}, [] { return std::wstring(); });
  LookAtModal(update, L"update-window");
}

INSTANTIATE_TEST_SUITE_P(Items, StyledWindows,
                         testing::Values(StyleCase{"light", L"ThemeLight", ui::Style::Light},
                                         StyleCase{"dark", L"ThemeDark", ui::Style::Dark}),
                         [](const testing::TestParamInfo<StyleCase>& info) {
                           return std::string(info.param.what);
                         });

}  // namespace
