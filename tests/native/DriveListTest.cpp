#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Unit_Base.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::DriveType;
using platform::fake::FakePlatform;
using Strings = std::vector<std::wstring>;

constexpr unsigned kWmDeviceChange = 0x219;

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
  ProcessState state;
  TForm1 form(fake.services, state);

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

class DeviceChange : public testing::TestWithParam<std::uintptr_t> {};

TEST_P(DeviceChange, RefillsOnArrivalAndRemovalOnly) {
  FakePlatform fake;
  Install(fake, {{L'C', DriveType::Fixed, L"System"}, {L'D', DriveType::Fixed, L"Data"}});
  fake.files.AddFile(L"D:\\a.txt", 1);
  ProcessState state;
  TForm1 form(fake.services, state);
  form.ComboBoxDrive->UserSelect(1);
  const Strings history = form.cbPath->Items();
  Install(fake, {{L'C', DriveType::Fixed, L"System"}, {L'E', DriveType::Removable, L"Stick"}});

  form.messageHandlers.at(kWmDeviceChange)(GetParam(), 0);

  const bool refill = GetParam() == 0x8000 || GetParam() == 0x8004;
  const Strings expected = refill ? Strings{L"C:\\ [System ]", L"E:\\ [Stick ]"}
                                  : Strings{L"C:\\ [System ]", L"D:\\ [Data ]"};
  EXPECT_EQ(form.ComboBoxDrive->Items(), expected);
  EXPECT_EQ(form.ComboBoxDrive->ItemIndex(), refill ? 0 : 1);
  EXPECT_EQ(form.cbPath->Text(), L"D:\\") << "the path box is untouched";
  EXPECT_EQ(form.cbPath->Items(), history);
  ASSERT_EQ(form.ListViewAttributes->Count(), 1u) << "the old items stay";
  EXPECT_EQ(form.ListViewAttributes->Item(0).caption, L"a.txt");
}

INSTANTIATE_TEST_SUITE_P(EventCodes, DeviceChange,
                         testing::Values(0x8000u, 0x8004u, 0x8001u, 0x8003u, 0x8006u, 0x0007u,
                                         0x0018u));

TEST(DriveChoice, EveryChoiceAddsTheRootToTheHistoryAndListsIt) {
  FakePlatform fake;
  Install(fake, {{L'C', DriveType::Fixed, L"System"}, {L'E', DriveType::Removable, L""}});
  fake.files.AddFile(L"E:\\photo.jpg", 4096);
  ProcessState state;
  TForm1 form(fake.services, state);
  int selections = 0;
  form.ListViewAttributes->OnSelectItem = [&](int, bool) { ++selections; };

  for (int i = 0; i < 3; ++i) form.ComboBoxDrive->UserSelect(1);

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
  ProcessState state;
  TForm1 form(fake.services, state);
  form.cbPath->ClearItems();
  form.cbPath->AddItem(L"D:\\x\\");
  form.cbPath->AddItem(L"c:\\");

  form.ComboBoxDrive->UserSelect(0);

  EXPECT_EQ(form.cbPath->ItemIndex(), 1);
  EXPECT_EQ(form.cbPath->Text(), L"c:\\");
}

TEST(DriveChoice, WithoutDrivesTheRootOfTheCurrentDriveIsAsked) {
  FakePlatform fake;
  ProcessState state;
  TForm1 form(fake.services, state);

  EXPECT_EQ(form.cbPath->Items(), Strings{L"\\"});
  EXPECT_EQ(form.cbPath->Text(), L"\\");
  EXPECT_EQ(form.ListViewAttributes->Count(), 0u);
}

TEST(StartUp, ListsTheFirstDrivesRootWithIcons) {
  FakePlatform fake;
  Install(fake, {{L'D', DriveType::Fixed, L"Data"}, {L'C', DriveType::Fixed, L"System"}});
  fake.files.AddFile(L"C:\\notes.txt", 100);
  fake.files.AddFolder(L"C:\\Users");
  fake.files.AddFile(L"D:\\other.txt", 100);
  ProcessState state;

  TForm1 form(fake.services, state);

  EXPECT_EQ(form.ComboBoxDrive->Text(), L"C:\\ [System ]");
  EXPECT_EQ(form.cbPath->Items(), Strings{L"C:\\"});
  EXPECT_EQ(form.cbPath->Text(), L"C:\\");
  ui::ListView& list = *form.ListViewAttributes;
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.Item(0).caption, L"Users");
  EXPECT_EQ(list.Item(0).subItems[0], L"Folder");
  EXPECT_EQ(list.Item(1).caption, L"notes.txt");
  EXPECT_EQ(list.Item(1).imageIndex, 3);
  EXPECT_EQ(list.Selected(), 0);
  ASSERT_NE(list.SmallImages(), nullptr);
  EXPECT_EQ(list.SmallImages()->SharedHandle(), 0x51u);
}

}  // namespace
