// The About window's model: its texts, the version line taken from the main window at every
// showing, and the links it opens through the shell.
#include <gtest/gtest.h>

#include <string>

#include "app/Program.h"
#include "info/Maker.h"
#include "info/Unit_About.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::fake::FakePlatform;

const std::wstring kExe = L"C:\\Tools\\Brindlow\\Brindlow.exe";
const std::wstring kCopyright = L"\u00A9 2026 Maker";

void GiveResource(FakePlatform& fake, const wchar_t* copyright) {
  auto& resource = fake.versions.files[kExe];
  resource.bytes[L"\\VarFileInfo\\Translation"] = {0x09, 0x04, 0xE4, 0x04};
  resource.strings[L"\\StringFileInfo\\040904E4\\FileVersion"] = L"5.9.26.228";
  if (copyright != nullptr) {
    // The query counts the terminating NUL.
    resource.strings[L"\\StringFileInfo\\040904E4\\LegalCopyright"] =
        std::wstring(copyright) + L'\0';
  }
}

// The About window beside a stand-in for the main window that the host is running.
class AboutWindow : public testing::Test {
 protected:
  AboutWindow() {
    main.SetCaption(L"Brindlow 5.9.26.228 (64-bit)");
    fake.forms.Run(main);
  }

  static bool Prepare(FakePlatform& fake) {
    fake.process.executable = kExe;
    GiveResource(fake, kCopyright.c_str());
    return true;
  }

  FakePlatform fake;
  bool prepared = Prepare(fake);  // before the window reads the resource
  ui::Form main{nullptr, L"Form1", fake.forms};
  TForm8 about{fake.services};
};

TEST_F(AboutWindow, ShowsItsTextsAndTheCopyrightOfTheResource) {
  EXPECT_EQ(about.Name(), L"Form8");
  EXPECT_EQ(about.Caption(), L"О программе");
  EXPECT_EQ(about.LabelCopyright->Caption(), kCopyright) << "up to the NUL";
  EXPECT_EQ(about.LabelTelegram->Caption(), L"Telegram");
  EXPECT_EQ(about.LabelGMail->Caption(), maker::kFirstMail);
  EXPECT_EQ(about.LabelYaMail->Caption(), maker::kSecondMail);
  EXPECT_EQ(about.LabelMainWebSite->Caption(), L"Сайт основной");
  EXPECT_EQ(about.Button1->Caption(), L"Ok");
  EXPECT_TRUE(about.Button1->GetFont().bold);
  EXPECT_EQ(about.Image1->IconResource(), L"MAINICON");
  EXPECT_TRUE(about.OwnTaskbarButton());
  EXPECT_FALSE(about.Sizeable());
  EXPECT_FALSE(about.Visible()) << "hidden until asked for";
  // The translation reaches every caption by component name.
  for (const wchar_t* name : {L"LabelVersion", L"LabelCopyright", L"LabelTelegram", L"LabelGMail",
                              L"LabelYaMail", L"LabelMainWebSite", L"Button1"}) {
    EXPECT_TRUE(about.FindComponent(name) != nullptr &&
                about.FindComponent(name)->GetText(L"Caption"))
        << testing::PrintToString(std::wstring(name));
  }
}

TEST(AboutWindowAlone, LeavesTheCopyrightEmptyWithoutAValue) {
  FakePlatform fake;
  fake.process.executable = kExe;
  GiveResource(fake, nullptr);
  TForm8 about(fake.services);
  EXPECT_EQ(about.LabelCopyright->Caption(), L"");

  about.ShowModal();
  EXPECT_EQ(about.LabelVersion->Caption(), L"") << "no main window runs: nothing to copy";
}

TEST_F(AboutWindow, CopiesTheMainWindowsCaptionAtEveryShowing) {
  about.ShowModal();
  EXPECT_EQ(about.LabelVersion->Caption(), L"Brindlow 5.9.26.228 (64-bit)");
  about.Button1->Click();
  EXPECT_FALSE(about.Visible()) << "Ok closes the window";

  // A new language, or any other change of the caption, shows at the next showing.
  main.SetCaption(L"Brindlow 6.0.0.1 (64-bit) Portable");
  about.ShowModal();
  EXPECT_EQ(about.LabelVersion->Caption(), L"Brindlow 6.0.0.1 (64-bit) Portable");
  EXPECT_EQ(fake.forms.shownModal.size(), 2u);
}

struct LinkCase {
  const char* what;
  const wchar_t* label;
  std::wstring address;
};

class AboutLinks : public AboutWindow, public testing::WithParamInterface<LinkCase> {};

TEST_P(AboutLinks, OpenTheirAddressThroughTheShellThenLetMessagesRun) {
  auto* link = about.Find<ui::LinkLabel>(GetParam().label);
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->GetCursor(), ui::Cursor::HandPoint);
  const int processed = fake.dispatcher.processed;

  link->Click();

  ASSERT_EQ(fake.shell.links.size(), 1u);
  EXPECT_EQ(fake.shell.links[0].owner, &about);
  EXPECT_EQ(fake.shell.links[0].address, GetParam().address);
  EXPECT_GT(fake.dispatcher.processed, processed);
  EXPECT_TRUE(fake.shell.opened.empty()) << "a link is not a file";
}

INSTANTIATE_TEST_SUITE_P(
    Labels, AboutLinks,
    testing::Values(
        LinkCase{"Telegram", L"LabelTelegram", maker::kTelegramUrl},
        LinkCase{"FirstMail", L"LabelGMail", std::wstring(L"mailto:") + maker::kFirstMail},
        LinkCase{"SecondMail", L"LabelYaMail", std::wstring(L"mailto:") + maker::kSecondMail},
        LinkCase{"WebSite", L"LabelMainWebSite", maker::kWebSite}),
    [](const testing::TestParamInfo<LinkCase>& info) { return info.param.what; });

TEST(AboutLinkAddresses, AreWebOrMailAddresses) {
  EXPECT_EQ(std::wstring(maker::kTelegramUrl).rfind(L"https://", 0), 0u);
  EXPECT_EQ(std::wstring(maker::kWebSite).rfind(L"http://", 0), 0u);
  EXPECT_EQ(std::wstring(maker::kWebSite).back(), L'/');
  for (const wchar_t* mail : {maker::kFirstMail, maker::kSecondMail}) {
    EXPECT_NE(std::wstring(mail).find(L'@'), std::wstring::npos) << mail;
  }
}

// Through the application: in portable mode the version line ends as the title does.
TEST(AboutInTheApplication, VersionLineIsTheMainWindowsTitle) {
  FakePlatform fake;
  fake.process.executable = kExe;
  fake.registry.SetWindowsVersion(10, L"19045");
  fake.files.AddFolder(L"C:\\Tools\\Brindlow");
  fake.files.AddFile(L"C:\\Tools\\Brindlow\\portable.ini", 10);
  GiveResource(fake, kCopyright.c_str());
  Application app(fake.services);
  app.Run();

  app.Form8->ShowModal();

  EXPECT_EQ(app.Form8->LabelVersion->Caption(), app.Form1->Caption());
  EXPECT_EQ(app.Form8->LabelVersion->Caption(), L"Brindlow 5.9.26.228 (64-bit) Portable");
}

}  // namespace
