#include <gtest/gtest.h>

#include <windows.h>
// The shell's header builds on <windows.h>.
#include <shellapi.h>

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "RealSystem.h"
#include "WindowTestSupport.h"

namespace {

using real_system::RealMainWindow;
using real_system::TempFolder;
using real_system::Utc;

std::wstring SystemFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\" + name;
}

class RealListing : public testing::Test {
 protected:
  void List() { browser.List(temp.Path()); }

  ui::ListView& list() { return *browser.form.ListViewAttributes; }

  ui::ListItem Shown(const std::wstring& caption) {
    for (size_t i = 0; i < list().Count(); ++i) {
      if (list().Caption(i) == caption) return list().Item(i);
    }
    throw std::out_of_range("not listed");
  }

  window_test::GuiScope gui;
  TempFolder temp;
  RealMainWindow browser;
};

// Runs with TZ=Europe/Berlin: one hour ahead of UTC in winter, two in summer.
TEST_F(RealListing, ShowsTheFolderAsTheFileSystemHoldsIt) {
  const platform::FileTime summer = Utc(2023, 7, 1, 10, 30);
  const platform::FileTime winter = Utc(2023, 1, 15, 10, 30);
  temp.MakeFolder(L"a", summer);
  temp.MakeFolder(L"b");
  temp.MakeFile(L"x.txt", 2048, FILE_ATTRIBUTE_NORMAL, summer);
  temp.MakeFile(L"y.bin", 0);
  temp.MakeFile(L"z.dat", 500, FILE_ATTRIBUTE_NORMAL, winter);
  temp.MakeFile(L"hidden.txt", 700, FILE_ATTRIBUTE_HIDDEN);
  temp.MakeFile(L"system.txt", 1536, FILE_ATTRIBUTE_SYSTEM);

  List();

  std::vector<std::wstring> order;
  for (size_t i = 0; i < list().Count(); ++i) order.push_back(list().Item(i).caption);
  EXPECT_EQ(order, (std::vector<std::wstring>{L"a", L"b", L"y.bin", L"z.dat", L"hidden.txt",
                                              L"system.txt", L"x.txt"}))
      << "folders and empty files by name, then by the byte count";

  struct Expected {
    const wchar_t* caption;
    const wchar_t* modified;  // null: not checked
    const wchar_t* size;
    const wchar_t* kind;
  };
  for (const Expected& e :
       {Expected{L"a", L"01.07.2023 12:30", L"", L"dir"}, Expected{L"b", nullptr, L"", L"dir"},
        Expected{L"x.txt", L"01.07.2023 12:30", L"2 kB", L"file"},
        Expected{L"y.bin", nullptr, L"", L"file"},
        Expected{L"z.dat", L"15.01.2023 11:30", L"500 B", L"file"},
        Expected{L"hidden.txt", nullptr, L"1 kB", L"file"},
        Expected{L"system.txt", nullptr, L"2 kB", L"file"}}) {
    const ui::ListItem& item = Shown(e.caption);
    if (e.modified != nullptr) {
      EXPECT_EQ(item.subItems[1], e.modified) << e.caption;
    }
    EXPECT_EQ(item.subItems[2], e.size) << e.caption;
    EXPECT_EQ(item.subItems[3], e.kind) << e.caption;
    EXPECT_FALSE(item.subItems[0].empty()) << e.caption << " has a type name";
    EXPECT_GE(item.imageIndex, 0) << e.caption << " has an icon";
  }
  EXPECT_EQ(list().Selected(), 0);
  EXPECT_EQ(browser.form.StatusBar1->Panels()[0].text, L"Элементов:  7");
}

// What the list shows for an entry is what the shell says of that entry itself.
TEST_F(RealListing, TypesAndIconsAreTheShellsAnswerForEachEntry) {
  temp.MakeFolder(L"plain");
  SetFileAttributesW(temp.MakeFolder(L"custom").c_str(), FILE_ATTRIBUTE_READONLY);
  temp.MakeFile(L"custom\\desktop.ini");
  for (const wchar_t* name : {L"a.txt", L"b.TXT", L"c.bmp", L"d.zip", L"readme", L"e.ini"}) {
    temp.MakeFile(name, 10);
  }
  CopyFileW(SystemFile(L"notepad.exe").c_str(), (temp.Path() + L"one.exe").c_str(), FALSE);
  CopyFileW(SystemFile(L"taskmgr.exe").c_str(), (temp.Path() + L"two.exe").c_str(), FALSE);
  CopyFileW(SystemFile(L"winecfg.exe").c_str(), (temp.Path() + L"three.exe").c_str(), FALSE);

  List();

  ASSERT_EQ(list().Count(), 11u);
  for (size_t i = 0; i < list().Count(); ++i) {
    const ui::ListItem& item = list().Item(i);
    const auto direct = browser.shell.GetFileInfo(temp.Path() + item.caption);
    ASSERT_TRUE(direct.has_value()) << item.caption;
    EXPECT_EQ(item.imageIndex, direct->iconIndex) << item.caption;
    EXPECT_EQ(item.subItems[0], direct->typeName.substr(0, 80)) << item.caption;
  }
}

TEST_F(RealListing, FolderThatCannotBeSearchedListsNothing) {
  temp.MakeFile(L"a.txt", 1);
  List();
  ASSERT_EQ(list().Count(), 1u);

  browser.List(temp.Path() + L"gone\\");

  EXPECT_EQ(list().Count(), 0u);
  EXPECT_EQ(browser.form.StatusBar1->Panels()[0].text, L"Элементов:  0");
}

TEST(Win32FileSystem, SearchReportsEveryEntryWithItsData) {
  const TempFolder temp;
  const platform::FileTime written = Utc(2022, 3, 4, 5, 6);
  temp.MakeFile(L"big.bin", 5000, FILE_ATTRIBUTE_HIDDEN, written);
  temp.MakeFolder(L"sub");
  platform::win32::Win32FileSystem files;

  std::vector<platform::DirEntry> found;
  EXPECT_TRUE(files.Enumerate(temp.Path() + L"*.*",
                              [&](const platform::DirEntry& e) { found.push_back(e); }));

  std::set<std::wstring> names;
  for (const auto& e : found) names.insert(e.name);
  EXPECT_EQ(names, (std::set<std::wstring>{L".", L"..", L"big.bin", L"sub"}));
  const auto big = files.FindEntry(temp.Path() + L"big.bin");
  ASSERT_TRUE(big.has_value());
  EXPECT_EQ(big->name, L"big.bin");
  EXPECT_EQ(big->size, 5000u);
  EXPECT_NE(big->attributes & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(big->lastWrite, written);
  const auto sub = files.FindEntry(temp.Path() + L"sub");
  ASSERT_TRUE(sub.has_value());
  EXPECT_NE(sub->attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);

  EXPECT_FALSE(files.Enumerate(temp.Path() + L"gone\\*.*", [](const platform::DirEntry&) {}));
  EXPECT_FALSE(files.FindEntry(temp.Path() + L"gone.txt").has_value());
}

// What SHGetFileInfoW says of a path itself.
std::optional<platform::ShellFileInfo> ShellsAnswer(const std::wstring& path) {
  SHFILEINFOW info = {};
  if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_TYPENAME) ==
      0) {
    return std::nullopt;
  }
  return platform::ShellFileInfo{info.szTypeName, info.iIcon};
}

// Also with the lists and the shell's first look prepared on a thread of their own, as the
// program starts: the answers are the same, and no question waits forever.
TEST(Win32Shell, GivesTheSystemImageListsAndFailsForMissingFiles) {
  const window_test::GuiScope gui;
  const TempFolder temp;
  for (const bool prepared : {false, true}) {
    SCOPED_TRACE(prepared ? "prepared in the background" : "asked directly");
    platform::win32::Win32Shell shell;
    if (prepared) shell.PrepareInBackground();

    const std::uintptr_t small = shell.SystemImageList(true);
    const std::uintptr_t large = shell.SystemImageList(false);
    EXPECT_NE(small, 0u);
    EXPECT_NE(large, 0u);
    EXPECT_NE(small, large);
    // The lists that SHGetFileInfoW gives for the system icon indexes.
    SHFILEINFOW info = {};
    EXPECT_EQ(small,
              SHGetFileInfoW(L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    EXPECT_EQ(large, SHGetFileInfoW(L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX));
    const auto folder = shell.GetFileInfo(temp.Path());
    ASSERT_TRUE(folder.has_value());
    EXPECT_FALSE(folder->typeName.empty());
    EXPECT_FALSE(shell.GetFileInfo(temp.Path() + L"missing.txt").has_value());
    const auto kind = shell.GetKindInfo(L"notes.txt", false);
    ASSERT_TRUE(kind.has_value());
    EXPECT_EQ(kind->typeName, ShellsAnswer(temp.MakeFile(L"notes.txt"))->typeName);
  }
}

struct EntryCase {
  const char* what;
  const wchar_t* name;
  bool folder;
  bool ownLook;           // asked about by path alone
  const wchar_t* copyOf;  // a system file whose content the entry takes, or null
};

void PrintTo(const EntryCase& c, std::ostream* os) {
  *os << c.what;
}

class Win32ShellAnswers : public testing::TestWithParam<EntryCase> {};

// The questions that spare the shell reading the entry's folder get the shell's own answer.
TEST_P(Win32ShellAnswers, AreTheShellsAnswerForThePath) {
  const EntryCase& c = GetParam();
  const window_test::GuiScope gui;
  const TempFolder temp;
  const std::wstring path = temp.Path() + c.name;
  if (c.folder) {
    temp.MakeFolder(c.name);
    if (c.ownLook) {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
      temp.MakeFile(std::wstring(c.name) + L"\\desktop.ini");
    }
  } else if (c.copyOf != nullptr) {
    ASSERT_TRUE(CopyFileW(SystemFile(c.copyOf).c_str(), path.c_str(), FALSE));
  } else {
    temp.MakeFile(c.name, 10);
  }
  platform::win32::Win32Shell shell;

  const auto expected = ShellsAnswer(path);
  ASSERT_TRUE(expected.has_value());
  const auto byPath = shell.GetFileInfo(path);
  ASSERT_TRUE(byPath.has_value());
  EXPECT_EQ(byPath->typeName, expected->typeName);
  EXPECT_EQ(byPath->iconIndex, expected->iconIndex);
  if (c.ownLook) return;
  const auto byKind = shell.GetKindInfo(c.name, c.folder);
  ASSERT_TRUE(byKind.has_value());
  EXPECT_EQ(byKind->typeName, expected->typeName);
  EXPECT_EQ(byKind->iconIndex, expected->iconIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, Win32ShellAnswers,
    testing::Values(EntryCase{"TextFile", L"a.txt", false, false, nullptr},
                    EntryCase{"NoExtension", L"readme", false, false, nullptr},
                    EntryCase{"Settings", L"setup.ini", false, false, nullptr},
                    EntryCase{"UnknownType", L"data.zzq", false, false, nullptr},
                    EntryCase{"Program", L"one.exe", false, true, L"notepad.exe"},
                    EntryCase{"PlainFolder", L"plain", true, false, nullptr},
                    EntryCase{"CustomisedFolder", L"custom", true, true, nullptr}));

}  // namespace
