// The main window as a whole: how its panels meet through its events.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Unit_Base.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::DriveType;
using platform::fake::ToFileTime;
using Strings = std::vector<std::wstring>;

// The whole window over fakes, with drive C (and whatever a test adds before Create).
class MainWindow : public testing::Test {
 protected:
  MainWindow() {
    fake.volumes.drives[L'C'] = {DriveType::Fixed, L"System"};
    fake.files.AddFolder(L"C:\\");
  }
  void Create() { form = std::make_unique<TForm1>(fake.services, state); }

  platform::fake::FakePlatform fake;
  ProcessState state;
  std::unique_ptr<TForm1> form;
};

TEST_F(MainWindow, StartsWithTheFirstDrivesRootListedAndShown) {
  fake.volumes.drives[L'D'] = {DriveType::Fixed, L"Data"};
  fake.files.AddFolder(L"D:\\");
  fake.files.AddFile(L"C:\\notes.txt", 100);
  fake.files.AddFolder(L"C:\\Users");
  fake.files.AddFile(L"D:\\other.txt", 100);

  Create();

  EXPECT_EQ(form->ComboBoxDrive->Text(), L"C:\\ [System ]");
  EXPECT_EQ(form->cbPath->Items(), Strings{L"C:\\"});
  EXPECT_EQ(form->cbPath->Text(), L"C:\\");
  ui::ListView& list = *form->ListViewAttributes;
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.Item(0).caption, L"Users");
  EXPECT_EQ(list.Item(0).subItems[0], L"Folder");
  EXPECT_EQ(list.Item(1).caption, L"notes.txt");
  EXPECT_EQ(list.Item(1).imageIndex, 3);
  EXPECT_EQ(list.Selected(), 0);
  ASSERT_NE(list.SmallImages(), nullptr);
  EXPECT_EQ(list.SmallImages()->SharedHandle(), 0x51u);
  EXPECT_FALSE(form->GroupBox3->Enabled()) << "the editor describes the selected folder";
}

TEST_F(MainWindow, ShowWritesTheCountWithTheCurrentCaption) {
  fake.files.AddFile(L"C:\\a.txt", 5);
  fake.files.AddFile(L"C:\\b.txt", 7);
  Create();
  form->LangElements->SetCaption(L"Items:");

  form->Show();

  EXPECT_EQ(form->StatusBar1->Panels()[0].text, L"Items: 2");
}

struct DeviceCase {
  const char* what;
  ui::DeviceChange change;
  bool refills;
};

class DeviceBroadcast : public MainWindow, public testing::WithParamInterface<DeviceCase> {};

TEST_P(DeviceBroadcast, RefillsTheDrivesOnArrivalAndRemovalOnly) {
  fake.volumes.drives[L'D'] = {DriveType::Fixed, L"Data"};
  fake.files.AddFolder(L"D:\\");
  fake.files.AddFile(L"D:\\a.txt", 1);
  Create();
  form->ComboBoxDrive->UserSelect(1);
  const Strings history = form->cbPath->Items();
  fake.volumes.drives.erase(L'D');
  fake.volumes.drives[L'E'] = {DriveType::Removable, L"Stick"};

  form->OnDeviceChange(GetParam().change);

  const bool refill = GetParam().refills;
  const Strings expected = refill ? Strings{L"C:\\ [System ]", L"E:\\ [Stick ]"}
                                  : Strings{L"C:\\ [System ]", L"D:\\ [Data ]"};
  EXPECT_EQ(form->ComboBoxDrive->Items(), expected);
  EXPECT_EQ(form->ComboBoxDrive->ItemIndex(), refill ? 0 : 1);
  EXPECT_EQ(form->cbPath->Text(), L"D:\\") << "the path box is untouched";
  EXPECT_EQ(form->cbPath->Items(), history);
  ASSERT_EQ(form->ListViewAttributes->Count(), 1u) << "the old items stay";
  EXPECT_EQ(form->ListViewAttributes->Item(0).caption, L"a.txt");
}

INSTANTIATE_TEST_SUITE_P(
    Changes, DeviceBroadcast,
    testing::Values(DeviceCase{"Arrived", ui::DeviceChange::VolumeArrived, true},
                    DeviceCase{"Removed", ui::DeviceChange::VolumeRemoved, true},
                    DeviceCase{"Other", ui::DeviceChange::Other, false}),
    [](const auto& info) { return std::string(info.param.what); });

// A new order may put another selected item first: the panel and both buttons follow it.
TEST_F(MainWindow, TheEditorFollowsTheFirstSelectedItemAfterSorting) {
  fake.files.AddFile(L"C:\\a.txt", 10, ToFileTime({2023, 1, 1, 10, 0, 0, 0}),
                     platform::kAttrHidden);
  fake.files.AddFile(L"C:\\b.txt", 20, ToFileTime({2023, 1, 2, 10, 0, 0, 0}),
                     platform::kAttrSystem);
  Create();
  ui::ListView& list = *form->ListViewAttributes;
  list.UserColumnClick(0);  // by name, descending: b.txt, a.txt
  list.UserSelectAll(false);
  list.UserSelect(1, true);
  list.UserSelect(0, true);
  ASSERT_EQ(form->DatePicker1->Value().day, 2);

  list.UserColumnClick(0);  // ascending: a.txt first

  EXPECT_EQ(form->DatePicker1->Value().day, 1);
  EXPECT_TRUE(form->CheckBox_Hide->Checked());
  EXPECT_FALSE(form->CheckBox_System->Checked());
}

struct ShortcutCase {
  const char* what;
  ui::KeyStroke stroke;
  bool taken;
  const wchar_t* path;  // after the key, starting in Bob's folder
  size_t listed;        // items listed after it
};

class Shortcut : public MainWindow, public testing::WithParamInterface<ShortcutCase> {};

TEST_P(Shortcut, GoesUpOrRefreshes) {
  const ShortcutCase& c = GetParam();
  fake.files.AddFolder(L"C:\\Users");
  fake.files.AddFolder(L"C:\\Users\\Bob");
  Create();
  form->cbPath->UserEdit(L"C:\\Users\\Bob\\");
  fake.files.AddFile(L"C:\\Users\\Bob\\new.txt", 1);  // seen after a refresh

  EXPECT_EQ(form->OnShortcut(c.stroke), c.taken);

  EXPECT_EQ(form->cbPath->Text(), c.path);
  EXPECT_EQ(form->ListViewAttributes->Count(), c.listed);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Shortcut,
    testing::Values(
        ShortcutCase{"Backspace", {ui::Key::Backspace}, true, L"C:\\Users\\", 1},
        ShortcutCase{"AltUp", {ui::Key::Up, true}, true, L"C:\\Users\\", 1},
        ShortcutCase{"F5", {ui::Key::F5}, true, L"C:\\Users\\Bob\\", 1},
        ShortcutCase{"PlainUp", {ui::Key::Up}, false, L"C:\\Users\\Bob\\", 0},
        ShortcutCase{
            "CtrlBackspace", {ui::Key::Backspace, false, true}, false, L"C:\\Users\\Bob\\", 0},
        ShortcutCase{"Other", {ui::Key::Other}, false, L"C:\\Users\\Bob\\", 0}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(MainWindow, EnterOnTheListEntersTheSelectedFolder) {
  fake.files.AddFolder(L"C:\\Data");
  fake.files.AddFile(L"C:\\Data\\a.txt", 1);
  Create();

  form->ListViewAttributes->UserReturn();

  EXPECT_EQ(form->cbPath->Text(), L"C:\\Data\\");
  EXPECT_EQ(form->ListViewAttributes->Count(), 1u);
}

TEST_F(MainWindow, ThePathBoxTakesNoTyping) {
  Create();
  unsigned key = 'A';
  wchar_t ch = L'a';

  form->cbPath->OnKeyDown(key);
  form->cbPath->OnKeyPress(ch);

  EXPECT_EQ(key, 0u);
  EXPECT_EQ(ch, L'\0');
  EXPECT_EQ(form->cbPath->Text(), L"C:\\");
}

// An empty folder leaves nothing selected: the editor offers neither group.
TEST_F(MainWindow, AnEmptyFolderLeavesTheEditorWithNothingToChange) {
  fake.files.AddFolder(L"C:\\Empty");
  fake.files.AddFile(L"C:\\a.txt", 0, 0, platform::kAttrHidden);
  Create();
  ASSERT_TRUE(form->CheckBox_Hide->Checked());

  form->cbPath->UserEdit(L"C:\\Empty\\");

  EXPECT_EQ(form->ListViewAttributes->Count(), 0u);
  EXPECT_FALSE(form->CheckBox_Hide->Checked());
  EXPECT_FALSE(form->GroupBox1->Enabled());
  EXPECT_FALSE(form->GroupBox3->Enabled());
}

// A file system that breaks on demand.
class BreakingFiles : public platform::fake::FakeFileSystem {
 public:
  bool Enumerate(const std::wstring& pattern,
                 const std::function<void(const platform::DirEntry&)>& each) override {
    if (broken) throw std::runtime_error("broken");
    return FakeFileSystem::Enumerate(pattern, each);
  }
  bool broken = false;
};

// Every handler is guarded where it is bound: a failure inside ends it quietly where it
// happened.
TEST_F(MainWindow, AFailingHandlerEndsQuietly) {
  BreakingFiles files;
  files.AddFolder(L"C:\\");
  files.AddFile(L"C:\\x.txt", 1);
  fake.services.files = &files;
  Create();
  files.broken = true;

  EXPECT_NO_THROW(form->ComboBoxDrive->UserSelect(0));

  EXPECT_EQ(form->cbPath->Items(), (Strings{L"C:\\", L"C:\\"}));
  EXPECT_EQ(form->ListViewAttributes->Count(), 0u) << "emptied before the search broke";
}

}  // namespace
