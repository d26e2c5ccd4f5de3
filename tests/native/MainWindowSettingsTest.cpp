// The main window's settings: what a stored file brings back at start-up, and what closing
// the window stores.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "app/Unit_Base.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::DriveType;

constexpr wchar_t kSettings[] = L"S:\\AppData\\Brindlow\\Config\\Option.ini";

class MainWindowSettings : public testing::Test {
 protected:
  MainWindowSettings() {
    fake.volumes.drives[L'C'] = {DriveType::Fixed, L"System"};
    fake.files.AddFolder(L"C:\\");
    fake.files.AddFolder(L"S:\\");
    fake.shell.appData = L"S:\\AppData";
  }
  void Start(const std::string& stored) {
    fake.files.CreateFolders(L"S:\\AppData\\Brindlow\\Config");
    if (!stored.empty()) fake.files.AddFileBytes(kSettings, stored);
    form = std::make_unique<TForm1>(fake.services, state);
  }
  [[nodiscard]] std::string Stored() { return fake.files.Bytes(kSettings).value_or("(none)"); }

  platform::fake::FakePlatform fake;
  ProcessState state;
  std::unique_ptr<TForm1> form;
};

struct LoadCase {
  const char* what;
  std::string stored;
  const wchar_t* checkedTheme;  // null: none
  bool smallIcons;
  bool maximized;
  ui::Size size;  // 0: as designed
};

class LoadedSettings : public MainWindowSettings, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadedSettings, RestoreThemeIconsAndWindow) {
  const LoadCase& c = GetParam();
  Start(c.stored);

  for (const ui::MenuItem* theme : {form->ThemeAuto, form->ThemeLight, form->ThemeDark}) {
    EXPECT_EQ(theme->checked, c.checkedTheme != nullptr && theme->Name() == c.checkedTheme)
        << testing::PrintToString(theme->Name());
  }
  EXPECT_EQ(form->IconSmallMenu->checked, c.smallIcons);
  EXPECT_FALSE(form->IconBigMenu->checked);
  EXPECT_EQ(form->GetWindowState() == ui::WindowState::Maximized, c.maximized);
  EXPECT_EQ(form->OuterSize(), c.size);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadedSettings,
    testing::Values(
        LoadCase{"no file: no marks, designed size", "", nullptr, false, false, {0, 0}},
        LoadCase{"every theme key set: the last one in menu order decides",
                 "[Option]\r\nThemeAuto=1\r\nThemeLight=1\r\nThemeDark=1\r\n",
                 L"ThemeDark",
                 false,
                 false,
                 {0, 0}},
        LoadCase{"small icons and a stored size",
                 "[Option]\r\nIconSmallMenu=1\r\nWindow=wsNormal\r\nHeight=600\r\nWidth=900\r\n",
                 nullptr,
                 true,
                 false,
                 {900, 600}},
        LoadCase{"maximized reads no size",
                 "[Option]\r\nWindow=wsMaximized\r\nHeight=600\r\nWidth=900\r\n",
                 nullptr,
                 false,
                 true,
                 {0, 0}},
        LoadCase{"the maximized word is compared with its case",
                 "[Option]\r\nWindow=WSMAXIMIZED\r\nHeight=600\r\nWidth=900\r\n",
                 nullptr,
                 false,
                 false,
                 {900, 600}},
        LoadCase{"a height that is no number leaves the height",
                 "[Option]\r\nHeight=abc\r\nWidth=$3E8\r\n",
                 nullptr,
                 false,
                 false,
                 {1000, 0}},
        LoadCase{"a repeated section is ignored",
                 "[Option]\r\nThemeLight=1\r\n[Option]\r\nThemeDark=1\r\nWidth=900\r\n",
                 L"ThemeLight",
                 false,
                 false,
                 {0, 0}}));

TEST_F(MainWindowSettings, ClosingStoresMarksAndSize) {
  Start("");
  form->IconSmallMenu->Click();
  form->ThemeLight->Click();
  form->Resized(ui::WindowState::Normal, ui::Size{900, 650});

  form->Close();

  EXPECT_EQ(Stored(),
            "[Option]\r\nThemeAuto=0\r\nThemeLight=1\r\nThemeDark=0\r\nIconSmallMenu=1\r\n"
            "IconBigMenu=0\r\nWindow=wsNormal\r\nHeight=650\r\nWidth=900\r\n\r\n");
}

TEST_F(MainWindowSettings, ClosingMaximizedKeepsTheEarlierSize) {
  Start("[Option]\r\nWindow=wsNormal\r\nHeight=600\r\nWidth=900\r\n");
  form->Resized(ui::WindowState::Maximized, std::nullopt);

  form->Close();

  const std::string stored = Stored();
  EXPECT_NE(stored.find("Window=wsMaximized\r\n"), std::string::npos) << stored;
  EXPECT_NE(stored.find("Height=600\r\nWidth=900\r\n"), std::string::npos) << stored;
}

TEST_F(MainWindowSettings, ClosingMinimizedStoresTheSizeToRestore) {
  Start("");
  form->Resized(ui::WindowState::Normal, ui::Size{900, 650});
  form->Resized(ui::WindowState::Minimized, std::nullopt);

  form->Close();

  EXPECT_NE(Stored().find("Window=wsNormal\r\nHeight=650\r\nWidth=900\r\n"), std::string::npos);
}

TEST_F(MainWindowSettings, OtherSectionsKeepTheirPlace) {
  Start("[Language]\r\nLanguage=English\r\n");
  form->Close();
  EXPECT_EQ(Stored().rfind("[Language]\r\nLanguage=English\r\n\r\n[Option]\r\n", 0), 0u)
      << Stored();
}

TEST_F(MainWindowSettings, AFileThatCannotBeWrittenDoesNotStopTheClose) {
  Start("[Option]\r\nHeight=600\r\n");
  fake.files.FailWrites(L"S:\\AppData\\Brindlow\\Config\\Option.ini.tmp", 5);
  form->Show();

  form->Close();

  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(Stored(), "[Option]\r\nHeight=600\r\n") << "the old file is whole";
}

TEST_F(MainWindowSettings, PortableCopiesKeepTheirSettingsBesideTheExecutable) {
  fake.files.CreateFolders(L"E:\\Brindlow\\Config");
  fake.process.executable = L"E:\\Brindlow\\Brindlow.exe";
  fake.files.AddFile(L"E:\\Brindlow\\portable.ini", 0);
  fake.files.AddFileBytes(L"E:\\Brindlow\\Config\\Option.ini", "[Option]\r\nThemeDark=1\r\n");
  Start("");
  EXPECT_TRUE(state.PortableMode);
  EXPECT_EQ(form->PortablePath(), L"E:\\Brindlow\\Config\\Option.ini");
  EXPECT_TRUE(form->ThemeDark->checked);
}

}  // namespace
