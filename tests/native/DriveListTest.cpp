#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "PanelFixture.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::DriveType;
using platform::fake::FakePlatform;
using Strings = std::vector<std::wstring>;

struct Drive {
  wchar_t letter;
  DriveType type;
  std::optional<std::wstring> label;  // none: unreadable
};

void Install(FakePlatform& fake, const std::vector<Drive>& drives) {
  fake.volumes.drives.clear();
  for (const Drive& d : drives) {
    fake.volumes.drives[d.letter] = {d.type, d.label};
    fake.files.AddFolder(std::wstring(1, d.letter) + L":\\");
  }
}

// What the window does at start-up: fill the selector, open the first drive.
void Start(panel_test::BrowserPanel& panel) {
  panel.browser.FillDriveList();
  panel.browser.OpenSelectedDrive();
}

// The user chooses a drive.
void Choose(panel_test::BrowserPanel& panel, int index) {
  panel.form.ComboBoxDrive->UserSelect(index);
  panel.browser.OpenSelectedDrive();
}

struct FillCase {
  const char* what;
  std::vector<Drive> drives;
  Strings entries;
};

void PrintTo(const FillCase& c, std::ostream* os) {
  *os << c.what;
}

class DriveSelector : public testing::TestWithParam<FillCase> {};

TEST_P(DriveSelector, OffersRemovableAndFixedDrivesInLetterOrder) {
  FakePlatform fake;
  Install(fake, GetParam().drives);
  panel_test::BrowserPanel panel(fake.services);
  panel.browser.FillDriveList();
  auto& form = panel.form;

  EXPECT_EQ(form.ComboBoxDrive->Items(), GetParam().entries) << GetParam().what;
  EXPECT_EQ(form.ComboBoxDrive->ItemIndex(), GetParam().entries.empty() ? -1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DriveSelector,
    testing::Values(FillCase{"every drive type",
                             {{L'G', DriveType::RamDisk, L"Ram"},
                              {L'A', DriveType::Unknown, L"Unknown"},
                              {L'F', DriveType::CdRom, L"Disc"},
                              {L'B', DriveType::NoRootDir, L"None"},
                              {L'E', DriveType::Remote, L"Share"},
                              {L'D', DriveType::Fixed, L"Data"},
                              {L'C', DriveType::Removable, L"Stick"}},
                             {L"C:\\ [Stick ]", L"D:\\ [Data ]"}},
                    FillCase{"labels present, empty and unreadable",
                             {{L'C', DriveType::Fixed, L"System"},
                              {L'D', DriveType::Fixed, L""},
                              {L'E', DriveType::Removable, std::nullopt},
                              {L'Z', DriveType::Fixed, std::wstring(L"Data\0rest", 9)}},
                             {L"C:\\ [System ]", L"D:\\ [ ]", L"E:\\ [ ]", L"Z:\\ [Data ]"}},
                    FillCase{"no drive", {}, {}}));

TEST(DriveChoice, EveryChoiceAddsTheRootToTheHistoryAndListsIt) {
  FakePlatform fake;
  Install(fake, {{L'C', DriveType::Fixed, L"System"}, {L'E', DriveType::Removable, L""}});
  fake.files.AddFile(L"E:\\photo.jpg", 4096);
  panel_test::BrowserPanel panel(fake.services);
  Start(panel);
  auto& form = panel.form;
  int selections = 0;
  form.ListViewAttributes->OnSelectItem = [&](int, bool) { ++selections; };

  for (int i = 0; i < 3; ++i) Choose(panel, 1);

  EXPECT_EQ(form.cbPath->Items(), (Strings{L"C:\\", L"E:\\", L"E:\\", L"E:\\"}));
  EXPECT_EQ(form.cbPath->ItemIndex(), 1) << "the first entry equal to the root";
  EXPECT_EQ(form.cbPath->Text(), L"E:\\");
  ASSERT_EQ(form.ListViewAttributes->Count(), 1u);
  EXPECT_EQ(form.ListViewAttributes->Item(0).caption, L"photo.jpg");
  EXPECT_EQ(form.ListViewAttributes->Selected(), 0);
  EXPECT_EQ(selections, 3);
}

TEST(DriveChoice, HistoryEntryIsFoundWhateverItsCase) {
  FakePlatform fake;
  Install(fake, {{L'C', DriveType::Fixed, L"System"}});
  panel_test::BrowserPanel panel(fake.services);
  Start(panel);
  auto& form = panel.form;
  form.cbPath->ClearItems();
  form.cbPath->AddItem(L"D:\\x\\");
  form.cbPath->AddItem(L"c:\\");

  Choose(panel, 0);

  EXPECT_EQ(form.cbPath->ItemIndex(), 1);
  EXPECT_EQ(form.cbPath->Text(), L"c:\\");
}

TEST(DriveChoice, WithoutDrivesTheRootOfTheCurrentDriveIsAsked) {
  FakePlatform fake;
  panel_test::BrowserPanel panel(fake.services);
  Start(panel);
  auto& form = panel.form;

  EXPECT_EQ(form.cbPath->Items(), Strings{L"\\"});
  EXPECT_EQ(form.cbPath->Text(), L"\\");
  EXPECT_EQ(form.ListViewAttributes->Count(), 0u);
}

}  // namespace
