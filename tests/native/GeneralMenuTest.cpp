// The "≡" button and its menu, and how the main window keeps to the screen.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Unit_Base.h"
#include "platform/fake/FakeServices.h"
#include "platform/ui/Layout.h"

namespace {

using platform::DriveType;

class GeneralMenu : public testing::Test {
 protected:
  GeneralMenu() {
    fake.volumes.drives[L'C'] = {DriveType::Fixed, L"System"};
    fake.files.AddFolder(L"C:\\");
    fake.files.AddFile(L"C:\\a.txt", 5);
    form = std::make_unique<TForm1>(fake.services, state);
    form->SetModalWindows(&about, &update);
    fake.forms.screenBounds[form->SpeedButton_GeneralMenu] = {1200, 100, 22, 22};
  }

  [[nodiscard]] bool Latched() const { return !form->SpeedButton_GeneralMenu->allowAllUp; }

  platform::fake::FakePlatform fake;
  ProcessState state;
  std::unique_ptr<TForm1> form;
  ui::Form about{nullptr, L"Form8", fake.forms};
  ui::Form update{nullptr, L"Form10", fake.forms};
};

enum class Step { Click, Command, MouseMove, F10 };

struct LatchCase {
  const char* what;
  std::vector<Step> steps;
  size_t menusOpened;
  bool latched;
};

class MenuButton : public GeneralMenu, public testing::WithParamInterface<LatchCase> {};

TEST_P(MenuButton, LatchesOnOpeningAndReleasesOnACommandOrAMouseMove) {
  for (Step step : GetParam().steps) {
    switch (step) {
      case Step::Click:
        form->SpeedButton_GeneralMenu->Click();
        break;
      case Step::Command:
        form->RefreshListMenu->Click();
        break;
      case Step::MouseMove:
        form->OnMouseMove({5, 5});
        break;
      case Step::F10:
        EXPECT_TRUE(form->OnShortcut({ui::Key::F10}));
        break;
    }
  }
  EXPECT_EQ(fake.forms.popups.size(), GetParam().menusOpened);
  EXPECT_EQ(Latched(), GetParam().latched);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, MenuButton,
    testing::Values(
        LatchCase{"a click opens", {Step::Click}, 1, true},
        LatchCase{"dismissed: the next click only releases", {Step::Click, Step::Click}, 1, false},
        LatchCase{"and the one after opens", {Step::Click, Step::Click, Step::Click}, 2, true},
        LatchCase{"a command releases", {Step::Click, Step::Command, Step::Click}, 2, true},
        LatchCase{"a mouse move releases", {Step::Click, Step::MouseMove, Step::Click}, 2, true},
        LatchCase{
            "F10 opens and closes it as clicks do", {Step::F10, Step::F10, Step::F10}, 2, true}));

TEST_F(GeneralMenu, OpensBelowTheButtonWithRightEdgesAligned) {
  form->SpeedButton_GeneralMenu->Click();
  ASSERT_EQ(fake.forms.popups.size(), 1u);
  EXPECT_EQ(fake.forms.popups[0].menu, form->PopupMenu_General);
  EXPECT_EQ(fake.forms.popups[0].at, (ui::Point{1222, 122}));
  EXPECT_TRUE(form->PopupMenu_General->alignRight);

  form->SpeedButton_GeneralMenu->Click();
  EXPECT_EQ(fake.forms.menusEnded, 1) << "a click on the latched button closes any menu";
}

TEST_F(GeneralMenu, ItemsInTheirOrderWithTheirShortcutTexts) {
  std::vector<std::wstring> shown;
  for (const ui::MenuItem* item : form->PopupMenu_General->Items()) {
    shown.push_back(item->Caption() +
                    (item->shortcutText.empty() ? L"" : L" [" + item->shortcutText + L"]"));
  }
  EXPECT_EQ(shown,
            (std::vector<std::wstring>{L"Тема", L"Язык", L"Вид", L"-", L"Обновить [F5]", L"-",
                                       L"Проверить обновления", L"-", L"О программе [F1]"}));
}

TEST_F(GeneralMenu, ViewItemsSwitchTheIconSizeAndListAgain) {
  form->SpeedButton_GeneralMenu->Click();
  fake.files.AddFile(L"C:\\b.txt", 5);

  form->IconBigMenu->Click();

  EXPECT_FALSE(Latched());
  EXPECT_TRUE(form->IconBigMenu->checked);
  EXPECT_FALSE(form->IconSmallMenu->checked);
  const ui::ListView& list = *form->ListViewAttributes;
  EXPECT_EQ(list.SmallImages()->SharedHandle(), fake.shell.largeList) << "rows show large icons";
  EXPECT_EQ(list.SmallImages()->Size(), 32);
  EXPECT_EQ(list.Count(), 2u) << "listed again";
  EXPECT_EQ(list.Selected(), 0);

  form->IconSmallMenu->Click();

  EXPECT_TRUE(form->IconSmallMenu->checked);
  EXPECT_FALSE(form->IconBigMenu->checked);
  EXPECT_EQ(list.SmallImages()->SharedHandle(), fake.shell.smallList);
  EXPECT_EQ(list.LargeImages()->SharedHandle(), fake.shell.smallList);
}

TEST_F(GeneralMenu, WithoutASystemListTheMarksChangeAndTheIconsStay) {
  fake.shell.largeList = 0;
  form->IconBigMenu->Click();
  EXPECT_TRUE(form->IconBigMenu->checked);
  EXPECT_EQ(form->ListViewAttributes->SmallImages()->SharedHandle(), fake.shell.smallList);
}

TEST_F(GeneralMenu, UpdateAndAboutOpenTheirWindowsModallyAlsoByF1) {
  form->SpeedButton_GeneralMenu->Click();
  form->CheckUpdateMenu->Click();
  EXPECT_FALSE(Latched());
  form->AboutMenu->Click();
  EXPECT_TRUE(form->OnShortcut({ui::Key::F1}));
  EXPECT_EQ(fake.forms.shownModal, (std::vector<ui::Form*>{&update, &about, &about}));
}

TEST_F(GeneralMenu, RefreshListsTheFolderAgainOrFallsBackWhenItIsGone) {
  fake.files.AddFolder(L"C:\\Gone");
  form->cbPath->AddItem(L"C:\\Gone\\");
  form->cbPath->SetTextValue(L"C:\\Gone\\");
  fake.files.Remove(L"C:\\Gone");

  form->RefreshListMenu->Click();

  EXPECT_EQ(form->cbPath->Text(), L"C:\\");
  EXPECT_EQ(form->ListViewAttributes->Count(), 1u);
}

struct MovingCase {
  const char* what;
  ui::Rect proposed;
  ui::Rect kept;
};

class Moving : public testing::TestWithParam<MovingCase> {};

TEST_P(Moving, KeepsTheWindowInsideTheWorkArea) {
  const ui::Rect area{0, 0, 1920, 1040};
  EXPECT_EQ(ui::KeptInWorkArea(GetParam().proposed, area), GetParam().kept) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Moving,
    testing::Values(MovingCase{"inside", {100, 100, 700, 550}, {100, 100, 700, 550}},
                    MovingCase{"past the left", {-40, 100, 700, 550}, {0, 100, 700, 550}},
                    MovingCase{"above the top", {100, -5, 700, 550}, {100, 0, 700, 550}},
                    MovingCase{"past the right", {1300, 100, 700, 550}, {1220, 100, 700, 550}},
                    MovingCase{"onto the task bar", {100, 600, 700, 550}, {100, 490, 700, 550}},
                    MovingCase{"larger than the area: right and bottom edges line up",
                               {-10, -10, 2000, 1100},
                               {-80, -60, 2000, 1100}}));

TEST_F(GeneralMenu, DraggingUsesTheWorkAreaOfTheWindowsMonitor) {
  fake.forms.workArea = {1920, 0, 1280, 1024};
  ui::Rect proposed{3000, 100, 700, 550};
  form->OnMoving(proposed);
  EXPECT_EQ(proposed, (ui::Rect{2500, 100, 700, 550}));
}

}  // namespace
