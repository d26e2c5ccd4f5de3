// The About window as native windows, shown modally from a running main window: its controls'
// classes, texts and places, that every text fits, its own taskbar button, its links and a
// screenshot for a person to look at. The version resource is the test program's own.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "WindowTestSupport.h"
#include "info/FileInfoUtils.h"
#include "info/Maker.h"
#include "info/Unit_About.h"
#include "platform/fake/FakeServices.h"
#include "platform/ui/Layout.h"
#include "platform/win32/Services.h"
#include "platform/win32/ui/Handles.h"
#include "platform/win32/ui/Peers.h"
#include "platform/win32/ui/Win32FormHost.h"

namespace {

using platform::win32::WindowOf;
using window_test::ClassOf;
using window_test::PlaceOf;
using window_test::Show;
using window_test::TextExtent;
using window_test::TextOf;

constexpr wchar_t kMainCaption[] = L"Brindlow 1.0.0.0 (64-bit) Portable";

LOGFONTW FontOf(HWND window) {
  LOGFONTW font = {};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

class AboutWindow : public testing::Test {
 protected:
  void SetUp() override {
    services = fake.services;
    services.versions = &versions;
    services.process = &process;
    services.dispatcher = &dispatcher;
    services.forms = &host;
    main.SetCaption(kMainCaption);
    main.SetDesignClientSize({500, 300});
    about = std::make_unique<TForm8>(services);
  }

  // Runs the main window, opens the About window modally from it, calls `look` while it is
  // shown, then presses "Ok" (the main window closes when the About window has).
  void WhileShown(const std::function<void()>& look) {
    bool looked = false;
    ui::Event formShow = about->OnShow;
    about->OnShow = [&, formShow] {
      formShow();
      frame = WindowOf(*about);
      window_test::LetWindowsRun();
      look();
      looked = true;
      SendMessageW(Named(L"Button1"), BM_CLICK, 0, 0);
    };
    main.OnShow = [&] {
      about->ShowModal();
      mainEnabledAfter = IsWindowEnabled(WindowOf(main)) != FALSE;
      aboutVisibleAfter = IsWindowVisible(frame) != FALSE;
      PostMessageW(WindowOf(main), WM_CLOSE, 0, 0);
    };
    host.Run(main);
    EXPECT_TRUE(looked) << "the About window was not shown";
  }

  [[nodiscard]] HWND Named(const wchar_t* name) const {
    auto* control = about->Find<ui::Control>(name);
    return control != nullptr ? WindowOf(*control) : nullptr;
  }

  window_test::GuiScope gui;
  platform::fake::FakePlatform fake;  // records the links instead of opening them
  platform::win32::Win32VersionResources versions;
  platform::win32::Win32Process process;
  platform::win32::Win32Dispatcher dispatcher;
  platform::win32::Win32FormHost host;  // outlives the forms
  platform::Services services;
  ui::Form main{nullptr, L"Form1", host};
  std::unique_ptr<TForm8> about;
  HWND frame = nullptr;
  bool mainEnabledAfter = false;
  bool aboutVisibleAfter = true;
};

struct Expected {
  const wchar_t* name;
  const wchar_t* parent;  // null: the window itself
  const wchar_t* className;
  bool bottomText;  // a label whose text sits on the bottom edge of its place
};

constexpr Expected kControls[] = {
    {L"TabControlBody", nullptr, platform::win32::kPanelClass, false},
    {L"LabelVersion", L"TabControlBody", WC_STATICW, true},
    {L"LabelCopyright", L"TabControlBody", WC_STATICW, true},
    {L"LabelTelegram", L"TabControlBody", WC_STATICW, true},
    {L"LabelGMail", L"TabControlBody", WC_STATICW, true},
    {L"LabelYaMail", L"TabControlBody", WC_STATICW, true},
    {L"LabelMainWebSite", L"TabControlBody", WC_STATICW, true},
    {L"Image1", L"TabControlBody", WC_STATICW, false},
    {L"TabControlButtons", nullptr, platform::win32::kPanelClass, false},
    {L"Button1", L"TabControlButtons", WC_BUTTONW, false},
};

TEST_F(AboutWindow, ShowsItsControlsWhereTheLayoutPutsThemWithEveryTextWhole) {
  WhileShown([&] {
    const int dpi = window_test::DpiOf(frame);
    RECT client;
    GetClientRect(frame, &client);
    EXPECT_GE(client.right, ui::Scale(334, dpi));
    EXPECT_GE(client.bottom, ui::Scale(161, dpi));
    std::map<std::wstring, ui::Rect> laidOut;
    for (const ui::Placement& p : ui::LayoutForm(*about, {client.right, client.bottom}, dpi)) {
      laidOut[p.control->Name()] = p.rect;
    }
    // The labels stand one below the other from the top of the body, as wide as it is.
    const int inset = ui::Scale(4, dpi);
    EXPECT_EQ(laidOut.at(L"LabelVersion").top, inset);
    EXPECT_EQ(laidOut.at(L"LabelMainWebSite").top,
              inset + ui::Scale(20, dpi) + 4 * ui::Scale(17, dpi));
    EXPECT_EQ(laidOut.at(L"Image1"), (ui::Rect{ui::Scale(12, dpi), ui::Scale(14, dpi),
                                               ui::Scale(32, dpi), ui::Scale(32, dpi)}));
    EXPECT_EQ(laidOut.at(L"TabControlButtons").height, ui::Scale(35, dpi));
    EXPECT_EQ(laidOut.at(L"TabControlButtons").Bottom(), client.bottom);

    for (const Expected& e : kControls) {
      SCOPED_TRACE(testing::PrintToString(std::wstring(e.name)));
      HWND window = Named(e.name);
      ASSERT_NE(window, nullptr);
      EXPECT_EQ(ClassOf(window), e.className);
      EXPECT_EQ(GetParent(window), e.parent != nullptr ? Named(e.parent) : frame);
      EXPECT_TRUE(IsWindowVisible(window));
      const ui::Rect place = PlaceOf(window);
      const ui::Rect given = laidOut.at(e.name);
      if (e.bottomText) {
        // As wide as its place, as tall as its text, on the place's bottom edge.
        EXPECT_EQ(place.left, given.left);
        EXPECT_EQ(place.width, given.width);
        EXPECT_EQ(place.Bottom(), given.Bottom()) << Show(place) << " in " << Show(given);
        EXPECT_LE(place.height, given.height);
        EXPECT_NE(GetWindowLongPtrW(window, GWL_STYLE) & SS_CENTER, 0);
      } else {
        EXPECT_EQ(place, given) << Show(place) << " instead of " << Show(given);
      }
      if (e.className != std::wstring(platform::win32::kPanelClass) && !TextOf(window).empty()) {
        const SIZE text = TextExtent(window);
        EXPECT_LE(text.cx, place.width) << "the text is cut off";
        EXPECT_LE(text.cy, place.height) << "the text is cut off";
      }
    }
    // The icon is drawn over the labels it overlaps.
    EXPECT_EQ(GetWindow(Named(L"TabControlBody"), GW_CHILD), Named(L"Image1"));

    const auto shot =
        window_test::SaveScreenshot(frame, L"about-window-" + std::to_wstring(dpi) + L"dpi.bmp");
    window_test::ExpectDrawn(shot);
  });
}

TEST_F(AboutWindow, ShowsTheMainCaptionTheCopyrightAndLinkFaces) {
  WhileShown([&] {
    EXPECT_EQ(TextOf(frame), L"О программе");
    EXPECT_EQ(TextOf(Named(L"LabelVersion")), kMainCaption);
    const std::wstring copyright = GetLegalCopyright(versions, process.ExecutablePath());
    EXPECT_FALSE(copyright.empty());
    EXPECT_EQ(TextOf(Named(L"LabelCopyright")), copyright);
    EXPECT_EQ(TextOf(Named(L"LabelGMail")), maker::kFirstMail);
    EXPECT_EQ(TextOf(Named(L"LabelMainWebSite")), L"Сайт основной");
    EXPECT_EQ(TextOf(Named(L"Button1")), L"Ok");
    EXPECT_GE(FontOf(Named(L"Button1")).lfWeight, FW_BOLD);

    // Links: underlined and blue, with the hand cursor; plain labels are neither.
    const platform::win32::WindowDc screen(nullptr);
    for (const wchar_t* name : {L"LabelTelegram", L"LabelYaMail", L"LabelCopyright"}) {
      SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
      const bool link = std::wstring(name) != L"LabelCopyright";
      HWND label = Named(name);
      EXPECT_EQ(FontOf(label).lfUnderline != 0, link);
      EXPECT_STREQ(FontOf(label).lfFaceName, L"Tahoma");
      platform::win32::UniqueDc dc(CreateCompatibleDC(screen.Get()));
      SetTextColor(dc.get(), RGB(1, 2, 3));
      SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                   reinterpret_cast<LPARAM>(label));
      const COLORREF colour = GetTextColor(dc.get());
      EXPECT_EQ(GetBValue(colour) >= 0x80 && GetRValue(colour) < 0x40, link)
          << "blue text for links, the usual text colour for others";
      SetCursor(nullptr);
      SendMessageW(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
      EXPECT_EQ(GetCursor() == LoadCursorW(nullptr, IDC_HAND), link);
    }
  });
}

TEST_F(AboutWindow, HasItsOwnTaskbarButtonAndNoOwnerButStaysModal) {
  WhileShown([&] {
    EXPECT_NE(GetWindowLongPtrW(frame, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(GetWindow(frame, GW_OWNER), nullptr);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(frame, GWL_STYLE));
    EXPECT_NE(style & WS_SYSMENU, 0u);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u)
        << "a fixed border with only the close box";
    EXPECT_FALSE(IsWindowEnabled(WindowOf(main))) << "the main window waits";
  });
  EXPECT_TRUE(mainEnabledAfter);
  EXPECT_FALSE(aboutVisibleAfter) << "Ok closes the window";
}

TEST_F(AboutWindow, LinkClicksOpenTheirAddresses) {
  WhileShown([&] {
    for (const wchar_t* name :
         {L"LabelTelegram", L"LabelGMail", L"LabelYaMail", L"LabelMainWebSite"}) {
      HWND label = Named(name);
      SendMessageW(GetParent(label), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
                   reinterpret_cast<LPARAM>(label));
    }
  });
  ASSERT_EQ(fake.shell.links.size(), 4u);
  EXPECT_EQ(fake.shell.links[0].address, maker::kTelegramUrl);
  EXPECT_EQ(fake.shell.links[1].address, std::wstring(L"mailto:") + maker::kFirstMail);
  EXPECT_EQ(fake.shell.links[2].address, std::wstring(L"mailto:") + maker::kSecondMail);
  EXPECT_EQ(fake.shell.links[3].address, maker::kWebSite);
  EXPECT_EQ(fake.shell.links[0].owner, about.get());
}

}  // namespace
