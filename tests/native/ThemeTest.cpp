// The theme submenu: which item keeps its mark, which style the windows get, what the system
// is asked, how the stored choice comes back at start-up and when the system's choice changes.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Unit_Base.h"
#include "appearance/WindowsDarkMode.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::DriveType;
using ui::Style;

constexpr wchar_t kSettings[] = L"S:\\AppData\\Brindlow\\Config\\Option.ini";
const std::pair<platform::RegistryRoot, std::wstring> kAppsUseLightTheme = {
    platform::RegistryRoot::CurrentUser,
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize\\AppsUseLightTheme"};

// What the system answers for the apps' light or dark choice.
enum class System { Dark, Light, Missing, DarkThenLight, LightThenDark };

class Themes : public testing::Test {
 protected:
  Themes() {
    fake.volumes.drives[L'C'] = {DriveType::Fixed, L"System"};
    fake.files.AddFolder(L"C:\\");
    fake.files.AddFolder(L"S:\\");
    fake.files.CreateFolders(L"S:\\AppData\\Brindlow\\Config");
    fake.shell.appData = L"S:\\AppData";
  }

  void SetSystem(System system) {
    fake.registry.afterDwordRead = nullptr;
    fake.registry.dwords.erase(kAppsUseLightTheme);
    auto set = [this](std::uint32_t light) { fake.registry.dwords[kAppsUseLightTheme] = light; };
    switch (system) {
      case System::Dark:
        set(0);
        break;
      case System::Light:
        set(1);
        break;
      case System::Missing:
        break;
      case System::DarkThenLight:
      case System::LightThenDark: {
        const bool darkFirst = system == System::DarkThenLight;
        set(darkFirst ? 0 : 1);
        fake.registry.afterDwordRead = [this, set, darkFirst] {
          set(darkFirst ? 1 : 0);
          fake.registry.afterDwordRead = nullptr;
        };
        break;
      }
    }
  }

  void Start(const std::string& stored) {
    if (!stored.empty()) fake.files.AddFileBytes(kSettings, stored);
    form = std::make_unique<TForm1>(fake.services, state);
  }

  [[nodiscard]] std::vector<std::wstring> Checked() const {
    std::vector<std::wstring> names;
    for (const ui::MenuItem* item : form->ThemeMenu->Items()) {
      if (item->checked) names.push_back(item->Name());
    }
    return names;
  }

  platform::fake::FakePlatform fake;
  ProcessState state;
  std::unique_ptr<TForm1> form;
};

struct ClickCase {
  const char* what;
  const wchar_t* item;
  System system;
  std::vector<Style> styles;
};

class ThemeClick : public Themes, public testing::WithParamInterface<ClickCase> {};

TEST_P(ThemeClick, MarksTheItemAloneAndAppliesItsStyle) {
  const ClickCase& c = GetParam();
  Start("[Option]\r\nThemeDark=1\r\n");  // another item marked and its style applied
  fake.forms.styles.clear();
  SetSystem(c.system);
  form->SpeedButton_GeneralMenu->Click();  // latches the menu button
  const int processedBefore = fake.dispatcher.processed;

  form->Find<ui::MenuItem>(c.item)->Click();

  EXPECT_EQ(Checked(), std::vector<std::wstring>{c.item});
  EXPECT_EQ(fake.forms.styles, c.styles);
  EXPECT_TRUE(form->SpeedButton_GeneralMenu->allowAllUp) << "the menu button is released";
  EXPECT_GE(fake.dispatcher.processed - processedBefore, static_cast<int>(c.styles.size()))
      << "the windows repaint after each style";
  EXPECT_EQ(fake.files.Bytes(kSettings), "[Option]\r\nThemeDark=1\r\n") << "nothing is stored";
}

INSTANTIATE_TEST_SUITE_P(
    Items, ThemeClick,
    testing::Values(
        ClickCase{"light whatever the system says", L"ThemeLight", System::Dark, {Style::Light}},
        ClickCase{"dark whatever the system says", L"ThemeDark", System::Light, {Style::Dark}},
        ClickCase{"system asking for dark apps", L"ThemeAuto", System::Dark, {Style::Dark}},
        ClickCase{"system asking for light apps", L"ThemeAuto", System::Light, {Style::Light}},
        ClickCase{"no value counts as light", L"ThemeAuto", System::Missing, {Style::Light}},
        ClickCase{"a switch to light between the two questions applies both",
                  L"ThemeAuto",
                  System::DarkThenLight,
                  {Style::Dark, Style::Light}},
        ClickCase{"a switch to dark between the two questions applies neither",
                  L"ThemeAuto",
                  System::LightThenDark,
                  {}}));

struct NameCase {
  const char* what;
  std::wstring name;
  std::optional<Style> style;
};

class StyleNames : public testing::TestWithParam<NameCase> {};

TEST_P(StyleNames, OnlyTheProgramsOwnNamesChangeTheLook) {
  platform::fake::FakeFormHost forms;
  const NameCase& c = GetParam();
  EXPECT_EQ(ApplyStyle(forms, c.name), c.style.has_value());
  EXPECT_EQ(forms.styles, c.style ? std::vector<Style>{*c.style} : std::vector<Style>{});
}

INSTANTIATE_TEST_SUITE_P(
    Names, StyleNames,
    testing::Values(NameCase{"light", L"Windows11 Modern Light", Style::Light},
                    NameCase{"dark", L"Windows11 Modern Dark", Style::Dark},
                    NameCase{"another case is another name", L"windows11 modern dark", {}},
                    NameCase{"unknown", L"Windows10 Dark", {}}, NameCase{"empty", L"", {}}));

struct LoadCase {
  const char* what;
  std::string stored;
  std::vector<std::wstring> checked;
  std::vector<Style> styles;
};

class ThemeLoad : public Themes, public testing::WithParamInterface<LoadCase> {};

// The system asks for dark apps, so the system item's style is told apart from the light one.
TEST_P(ThemeLoad, ClicksEachStoredItemInMenuOrder) {
  SetSystem(System::Dark);
  Start(GetParam().stored);
  EXPECT_EQ(Checked(), GetParam().checked);
  EXPECT_EQ(fake.forms.styles, GetParam().styles);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ThemeLoad,
    testing::Values(
        LoadCase{"no file", "", {}, {}},
        LoadCase{
            "no key set", "[Option]\r\nThemeAuto=0\r\nThemeLight=0\r\nThemeDark=0\r\n", {}, {}},
        LoadCase{"system", "[Option]\r\nThemeAuto=1\r\n", {L"ThemeAuto"}, {Style::Dark}},
        LoadCase{"light", "[Option]\r\nThemeLight=1\r\n", {L"ThemeLight"}, {Style::Light}},
        LoadCase{"dark", "[Option]\r\nThemeDark=1\r\n", {L"ThemeDark"}, {Style::Dark}},
        LoadCase{"system and light",
                 "[Option]\r\nThemeAuto=1\r\nThemeLight=1\r\n",
                 {L"ThemeLight"},
                 {Style::Dark, Style::Light}},
        LoadCase{"system and dark, in the file's other order",
                 "[Option]\r\nThemeDark=1\r\nThemeAuto=1\r\n",
                 {L"ThemeDark"},
                 {Style::Dark, Style::Dark}},
        LoadCase{"light and dark",
                 "[Option]\r\nThemeLight=1\r\nThemeDark=1\r\n",
                 {L"ThemeDark"},
                 {Style::Light, Style::Dark}},
        LoadCase{"all three",
                 "[Option]\r\nThemeAuto=1\r\nThemeLight=1\r\nThemeDark=1\r\n",
                 {L"ThemeDark"},
                 {Style::Dark, Style::Light, Style::Dark}},
        LoadCase{"a value that is no number is false",
                 "[Option]\r\nThemeAuto=yes\r\nThemeLight=1\r\n",
                 {L"ThemeLight"},
                 {Style::Light}}));

struct SettingChangeCase {
  const char* what;
  std::string stored;
  const wchar_t* chosenThisRun;  // null: none
  System system;
  std::vector<Style> styles;
};

class SystemSettingChange : public Themes, public testing::WithParamInterface<SettingChangeCase> {};

TEST_P(SystemSettingChange, FollowsTheStoredChoiceNotTheMenu) {
  const SettingChangeCase& c = GetParam();
  SetSystem(System::Light);
  Start(c.stored);
  if (c.chosenThisRun != nullptr) form->Find<ui::MenuItem>(c.chosenThisRun)->Click();
  const std::vector<std::wstring> marks = Checked();
  fake.forms.styles.clear();
  SetSystem(c.system);

  form->OnSettingChange(L"ImmersiveColorSet");

  EXPECT_EQ(fake.forms.styles, c.styles);
  EXPECT_EQ(Checked(), marks) << "no mark changes";
}

INSTANTIATE_TEST_SUITE_P(
    Stored, SystemSettingChange,
    testing::Values(SettingChangeCase{"stored system: a switch to dark apps",
                                      "[Option]\r\nThemeAuto=1\r\n",
                                      nullptr,
                                      System::Dark,
                                      {Style::Dark}},
                    SettingChangeCase{"stored system: a switch to light apps",
                                      "[Option]\r\nThemeAuto=1\r\n",
                                      nullptr,
                                      System::Light,
                                      {Style::Light}},
                    SettingChangeCase{"stored system, light chosen in this run: still followed",
                                      "[Option]\r\nThemeAuto=1\r\n",
                                      L"ThemeLight",
                                      System::Dark,
                                      {Style::Dark}},
                    SettingChangeCase{"stored light, system chosen in this run: not followed",
                                      "[Option]\r\nThemeLight=1\r\n",
                                      L"ThemeAuto",
                                      System::Dark,
                                      {}},
                    SettingChangeCase{
                        "no settings file: not followed", "", L"ThemeAuto", System::Dark, {}}));

}  // namespace
