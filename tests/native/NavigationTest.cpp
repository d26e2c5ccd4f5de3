#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PanelFixture.h"
#include "browser/PathText.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::DriveType;
using platform::fake::FakePlatform;
using Strings = std::vector<std::wstring>;

TEST(PathText, CollapsesPairsOfBackslashesLeftToRight) {
  const struct {
    const wchar_t* text;
    const wchar_t* collapsed;
  } cases[] = {{L"C:\\\\Users\\\\", L"C:\\Users\\"},
               {L"C:\\Users\\\\\\Bob", L"C:\\Users\\\\Bob"},
               {L"\\\\server\\share", L"\\server\\share"},
               {L"C:\\a\\b\\", L"C:\\a\\b\\"},
               {L"", L""}};
  for (const auto& c : cases) EXPECT_EQ(CollapseBackslashes(c.text), c.collapsed) << c.text;
}

// Drives C (System) and D (Data); C:\Users\Bob and D:\Backup\windows exist.
class Navigation : public testing::Test {
 protected:
  Navigation() {
    fake.volumes.drives[L'C'] = {DriveType::Fixed, L"System"};
    fake.volumes.drives[L'D'] = {DriveType::Fixed, L"Data"};
    for (const wchar_t* folder :
         {L"C:\\", L"C:\\Users", L"C:\\Users\\Bob", L"C:\\Windows", L"C:\\ProgramData", L"D:\\",
          L"D:\\Backup", L"D:\\Backup\\windows", L"D:\\Backup\\Users", L"D:\\Empty"}) {
      fake.files.AddFolder(folder);
    }
    fake.files.AddFile(L"C:\\Users\\Bob\\notes.txt", 10);
    fake.files.AddFile(L"D:\\Backup\\windows\\old.ini", 10);
    // Start-up: the drives, then the first drive's root.
    panel.browser.FillDriveList();
    panel.browser.OpenSelectedDrive();
    panel.browser.OnPathListed = [this] { ++pathListed; };
  }

  std::wstring Path() const { return panel.form.cbPath->Text(); }
  Strings History() const { return panel.form.cbPath->Items(); }
  std::wstring Drive() const { return panel.form.ComboBoxDrive->Text(); }
  Strings Captions() {
    Strings captions;
    for (size_t i = 0; i < panel.list().Count(); ++i) {
      captions.push_back(panel.list().Peek(i).caption);
    }
    return captions;
  }
  // The path box takes a history entry or pasted text, then its change handler runs.
  void PathBecomes(const std::wstring& text) {
    panel.form.cbPath->SetTextValue(text);
    panel.browser.OpenPathBoxFolder();
  }
  void DoubleClick(const std::wstring& caption) {
    panel.list().UserSelectAll(false);
    for (size_t i = 0; i < panel.list().Count(); ++i) {
      if (panel.list().Peek(i).caption == caption) panel.list().UserSelect(i, true);
    }
    panel.browser.OpenSelectedItem();
  }

  FakePlatform fake;
  panel_test::BrowserPanel panel{fake.services};
  int pathListed = 0;
};

TEST_F(Navigation, ParentFolders) {
  const struct {
    const wchar_t* path;
    const wchar_t* parent;
  } cases[] = {{L"C:\\Users\\Bob\\", L"C:\\Users\\"},
               {L"C:\\Users\\", L"C:\\"},
               {L"C:\\Users\\Bob", L"C:\\Users\\"},
               {L"C:\\", L""},
               {L"C:\\Gone\\", L""},
               {L"C:\\Users\\Gone\\", L""},
               {L" C:\\Users\\Bob\\\t", L""},  // blanks make it no existing folder
               {L"", L""}};
  for (const auto& c : cases) {
    EXPECT_EQ(panel.browser.GetParentFolder(c.path), c.parent) << c.path;
  }
}

// The blanks and control characters at the ends go before the parent is looked for.
TEST_F(Navigation, ParentOfAPathWithBlanksAtItsEnds) {
  fake.files.AddFolder(L" C:\\Users\\Bob\\\t");
  EXPECT_EQ(panel.browser.GetParentFolder(L" C:\\Users\\Bob\\\t"), L"C:\\Users\\");
}

TEST_F(Navigation, UpStopsAtTheRootAndSyncsTheDrive) {
  PathBecomes(L"D:\\Backup\\windows\\");
  ASSERT_EQ(Drive(), L"D:\\ [Data ]");

  const Strings steps[] = {{L"D:\\Backup\\"}, {L"D:\\"}, {L"D:\\"}};
  for (const Strings& expected : steps) {
    panel.browser.GoUp();
    EXPECT_EQ(Path(), expected[0]);
  }
  EXPECT_EQ(Drive(), L"D:\\ [Data ]");
  EXPECT_EQ(Captions(), (Strings{L"Backup", L"Empty"}));
  EXPECT_EQ(History(), (Strings{L"C:\\"})) << "going up adds no history";
}

TEST_F(Navigation, ChosenFolderIsListedWithItsDriveSelected) {
  panel.form.ComboBoxDrive->SetItemIndex(0);

  PathBecomes(L"d:\\Backup\\");

  EXPECT_EQ(Drive(), L"D:\\ [Data ]") << "the drive part compares without case";
  EXPECT_EQ(Captions(), (Strings{L"Users", L"windows"}));
  EXPECT_EQ(pathListed, 1);
}

// Pasted text is normalised once, so the folder checked, listed and entered agree.
TEST_F(Navigation, PastedTextIsNormalisedBeforeUse) {
  PathBecomes(L"C:\\\\Users\\\\Bob");

  EXPECT_EQ(Path(), L"C:\\Users\\Bob\\");
  EXPECT_EQ(Captions(), (Strings{L"notes.txt"}));
  panel.browser.OpenSelectedItem();
  ASSERT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(fake.shell.opened[0].file, L"C:\\Users\\Bob\\notes.txt");
}

struct FallBackCase {
  const char* what;
  const wchar_t* path;  // what the path box names
  bool removeFirst;     // the folder goes before the refresh
};

class FallBack : public Navigation, public testing::WithParamInterface<FallBackCase> {};

// A folder that is gone never stays in the path box: the first history entry is listed.
TEST_P(FallBack, ToTheFirstHistoryEntry) {
  const FallBackCase& c = GetParam();
  fake.files.AddFile(L"C:\\root.txt", 1);
  panel.form.cbPath->AddItem(c.path);
  PathBecomes(c.path);
  if (c.removeFirst) fake.files.Remove(c.path);
  if (c.removeFirst) fake.volumes.drives.erase(L'E');

  panel.browser.OpenPathBoxFolder();

  EXPECT_EQ(Path(), L"C:\\") << c.what;
  EXPECT_EQ(Drive(), L"C:\\ [System ]") << c.what;
  EXPECT_EQ(Captions(), (Strings{L"ProgramData", L"Users", L"Windows", L"root.txt"})) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, FallBack,
                         testing::Values(FallBackCase{"FolderDeleted", L"D:\\Empty\\", true},
                                         FallBackCase{"DriveGone", L"E:\\Photos\\", false},
                                         FallBackCase{"NetworkPath", L"\\\\server\\share\\",
                                                      false}),
                         [](const auto& info) { return std::string(info.param.what); });

// Up from a folder that has vanished falls back too, instead of emptying the path box.
TEST_F(Navigation, UpFromAVanishedFolderFallsBack) {
  PathBecomes(L"D:\\Backup\\windows\\");
  fake.files.Remove(L"D:\\Backup\\windows");

  panel.browser.GoUp();

  EXPECT_EQ(Path(), L"C:\\");
  EXPECT_EQ(Drive(), L"C:\\ [System ]");
  EXPECT_EQ(Captions(), (Strings{L"ProgramData", L"Users", L"Windows"}));
}

struct EnterCase {
  const char* what;
  const wchar_t* folder;
  const wchar_t* caption;
  const wchar_t* path;  // after the double-click
};

class DoubleClickFolder : public Navigation, public testing::WithParamInterface<EnterCase> {};

TEST_P(DoubleClickFolder, EntersAllButTheProtectedNames) {
  const EnterCase& c = GetParam();
  PathBecomes(c.folder);

  DoubleClick(c.caption);

  EXPECT_EQ(Path(), c.path) << c.what;
  const bool entered = std::wstring(c.path) != c.folder;
  EXPECT_EQ(History().back(), entered ? c.path : L"C:\\") << c.what;
  EXPECT_EQ(pathListed, entered ? 2 : 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, DoubleClickFolder,
                         testing::Values(EnterCase{"Windows", L"C:\\", L"Windows", L"C:\\"},
                                         EnterCase{"LowerCaseWindows", L"D:\\Backup\\", L"windows",
                                                   L"D:\\Backup\\windows\\"},
                                         EnterCase{"Users", L"C:\\", L"Users", L"C:\\Users\\"},
                                         EnterCase{"ProgramData", L"C:\\", L"ProgramData",
                                                   L"C:\\ProgramData\\"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(Navigation, DoubleClickOpensAFileInItsFolder) {
  PathBecomes(L"C:\\Users\\Bob\\");

  DoubleClick(L"notes.txt");

  ASSERT_EQ(fake.shell.opened.size(), 1u);
  EXPECT_EQ(fake.shell.opened[0].owner, &panel.form);
  EXPECT_EQ(fake.shell.opened[0].file, L"C:\\Users\\Bob\\notes.txt");
  EXPECT_EQ(fake.shell.opened[0].directory, L"C:\\Users\\Bob\\");
  EXPECT_EQ(Path(), L"C:\\Users\\Bob\\");
}

TEST_F(Navigation, EnteringAnEmptyFolderListsNothing) {
  PathBecomes(L"D:\\");

  DoubleClick(L"Empty");

  EXPECT_EQ(Path(), L"D:\\Empty\\");
  EXPECT_EQ(panel.list().Count(), 0u);
  EXPECT_EQ(panel.form.StatusBar1->Panels()[0].text, L"Элементов:  0");
  EXPECT_EQ(pathListed, 2) << "the editor is told that nothing is selected";
}

TEST_F(Navigation, EnteringTheSameFolderTwiceAddsTwoHistoryEntries) {
  for (int i = 0; i < 2; ++i) {
    PathBecomes(L"C:\\");
    DoubleClick(L"Users");
  }

  EXPECT_EQ(History(), (Strings{L"C:\\", L"C:\\Users\\", L"C:\\Users\\"}));
  panel.form.cbPath->UserSelect(1);
  panel.browser.OpenPathBoxFolder();
  EXPECT_EQ(Captions(), (Strings{L"Bob"}));
}

TEST_F(Navigation, NothingSelectedDoubleClickDoesNothing) {
  panel.list().UserSelectAll(false);

  panel.browser.OpenSelectedItem();

  EXPECT_EQ(Path(), L"C:\\");
  EXPECT_TRUE(fake.shell.opened.empty());
}

TEST_F(Navigation, AnEmptyPathBoxListsNothing) {
  const size_t listed = panel.list().Count();

  PathBecomes(L"");

  EXPECT_EQ(panel.list().Count(), listed);
  EXPECT_EQ(pathListed, 0);
}

}  // namespace
