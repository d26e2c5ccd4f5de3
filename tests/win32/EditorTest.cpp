#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "RealSystem.h"

namespace {

using platform::DateTime;
using platform::FileTime;
using real_system::FromFiletime;
using real_system::RealMainWindow;
using real_system::TempFolder;
using real_system::ToFiletime;
using real_system::Utc;

constexpr const wchar_t* kTimeError = L"Ошибка при изменении даты/времени: ";

bool OnWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

struct Times {
  FileTime creation;
  FileTime access;
  FileTime write;
};

HANDLE OpenForTimes(const std::wstring& path, DWORD access) {
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

Times ReadTimes(const std::wstring& path) {
  const HANDLE h = OpenForTimes(path, FILE_READ_ATTRIBUTES);
  FILETIME c = {}, a = {}, w = {};
  GetFileTime(h, &c, &a, &w);
  CloseHandle(h);
  return {FromFiletime(c), FromFiletime(a), FromFiletime(w)};
}

void WriteTimes(const std::wstring& path, FileTime access, FileTime write) {
  const HANDLE h = OpenForTimes(path, FILE_WRITE_ATTRIBUTES);
  const FILETIME a = ToFiletime(access), w = ToFiletime(write);
  SetFileTime(h, nullptr, &a, &w);
  CloseHandle(h);
}

// The time column of the first row.
std::wstring FirstTimeCell(const TForm1& form) {
  return form.ListViewAttributes->Item(0).subItems.at(1);
}

struct AttributeCase {
  bool folder;
  DWORD ticked;
};

class RealAttributes : public testing::TestWithParam<AttributeCase> {};

// Wine keeps hidden and system in an extended attribute and read-only in the write bits;
// it reports archive on every file and holds neither archive nor read-only on folders.
TEST_P(RealAttributes, AreWrittenAndReadBack) {
  const AttributeCase& c = GetParam();
  const TempFolder temp;
  const std::wstring path = c.folder ? temp.MakeFolder(L"item") : temp.MakeFile(L"item", 4);
  RealMainWindow editor;
  editor.List(temp.Path());
  TForm1& form = editor.form;
  const struct {
    ui::CheckBox* box;
    DWORD bit;
  } boxes[] = {{form.CheckBox_ReadOnly, FILE_ATTRIBUTE_READONLY},
               {form.CheckBox_Hide, FILE_ATTRIBUTE_HIDDEN},
               {form.CheckBox_System, FILE_ATTRIBUTE_SYSTEM},
               {form.CheckBox_Archive, FILE_ATTRIBUTE_ARCHIVE}};
  for (const auto& b : boxes) b.box->UserToggle((c.ticked & b.bit) != 0);

  form.Button_Apply->Click();

  const DWORD actual = GetFileAttributesW(path.c_str());
  ASSERT_NE(actual, INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ((actual & FILE_ATTRIBUTE_DIRECTORY) != 0, c.folder);
  for (const auto& b : boxes) {
    bool expected = (c.ticked & b.bit) != 0;
    if (OnWine() && !c.folder && b.bit == FILE_ATTRIBUTE_ARCHIVE) expected = true;
    if (OnWine() && c.folder && (b.bit & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY))) {
      expected = false;
    }
    EXPECT_EQ((actual & b.bit) != 0, expected) << "bit " << b.bit;
    EXPECT_EQ(b.box->Checked(), (actual & b.bit) != 0) << "box of bit " << b.bit;
  }
}

INSTANTIATE_TEST_SUITE_P(Items, RealAttributes,
                         testing::Values(AttributeCase{false, FILE_ATTRIBUTE_HIDDEN},
                                         AttributeCase{false, FILE_ATTRIBUTE_SYSTEM},
                                         AttributeCase{false, FILE_ATTRIBUTE_READONLY},
                                         AttributeCase{false, FILE_ATTRIBUTE_ARCHIVE},
                                         AttributeCase{false, 0x27}, AttributeCase{false, 0},
                                         AttributeCase{true, FILE_ATTRIBUTE_HIDDEN},
                                         AttributeCase{true, FILE_ATTRIBUTE_SYSTEM},
                                         AttributeCase{true, 0x27}, AttributeCase{true, 0}));

// Wine does not store the not-indexed bit; where the system keeps it, so does an apply.
TEST(RealAttributes, KeepBitsThePanelDoesNotShow) {
  const TempFolder temp;
  const std::wstring path = temp.MakeFile(L"indexed.txt", 4);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
  const bool kept = (GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_NOT_CONTENT_INDEXED) != 0;
  RealMainWindow editor;
  editor.List(temp.Path());
  editor.form.CheckBox_Hide->UserToggle(true);

  editor.form.Button_Apply->Click();

  const DWORD actual = GetFileAttributesW(path.c_str());
  EXPECT_NE(actual & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ((actual & FILE_ATTRIBUTE_NOT_CONTENT_INDEXED) != 0, kept);
}

enum class Target { File, ReadOnlyFile, HeldWithoutSharing, HeldSharingRead, Folder };

struct TimeCase {
  const char* what;
  Target target;
};

class RealDateTime : public testing::TestWithParam<TimeCase> {};

// Runs with TZ=Europe/Berlin: the chosen summer time is two hours ahead of UTC, whatever
// the season of the day the test runs.
TEST_P(RealDateTime, SetsTheLastWriteTimeToTheMillisecond) {
  const TimeCase& c = GetParam();
  const TempFolder temp;
  const bool folder = c.target == Target::Folder;
  const std::wstring path = folder ? temp.MakeFolder(L"item") : temp.MakeFile(L"item", 4);
  const FileTime accessed = Utc(2022, 5, 5, 5, 5, 5, 0);
  WriteTimes(path, accessed, Utc(2023, 1, 10, 10, 11, 12, 345));
  if (c.target == Target::ReadOnlyFile) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  HANDLE holder = INVALID_HANDLE_VALUE;
  if (c.target == Target::HeldWithoutSharing || c.target == Target::HeldSharingRead) {
    holder = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                         c.target == Target::HeldSharingRead ? FILE_SHARE_READ : 0, nullptr,
                         OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  }
  RealMainWindow editor;
  editor.List(temp.Path());

  editor.form.DatePicker1->UserChange({2024, 7, 15, 0, 0, 0, 0});
  editor.form.TimePicker1->UserChange({2000, 1, 1, 18, 45, 0, 0});
  editor.form.Button_DateTime->Click();
  if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);

  const FileTime chosen = Utc(2024, 7, 15, 16, 45, 12, 345);
  const Times now = ReadTimes(path);
  EXPECT_EQ(now.write, chosen);
  EXPECT_EQ(now.access, folder ? chosen : accessed);
  // Wine can neither set nor read a creation time.
  if (folder && !OnWine()) {
    EXPECT_EQ(now.creation, chosen);
  }
  EXPECT_EQ(FirstTimeCell(editor.form), L"15.07.2024 18:45");
  EXPECT_EQ(editor.form.TimePicker1->Value(), (DateTime{2024, 7, 15, 18, 45, 12, 345}));
  EXPECT_TRUE(editor.rest.dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Targets, RealDateTime,
                         testing::Values(TimeCase{"File", Target::File},
                                         TimeCase{"ReadOnlyFile", Target::ReadOnlyFile},
                                         TimeCase{"HeldWithoutSharing", Target::HeldWithoutSharing},
                                         TimeCase{"HeldSharingRead", Target::HeldSharingRead},
                                         TimeCase{"Folder", Target::Folder}),
                         [](const auto& info) { return std::string(info.param.what); });

// Today's offset plays no part: a summer and a winter time are written back unchanged.
TEST(RealDateTime, KeepsTheTimeWhenThePickersAreUntouched) {
  for (const FileTime written :
       {Utc(2023, 7, 10, 10, 11, 12, 345), Utc(2023, 1, 10, 10, 11, 12, 345)}) {
    const TempFolder temp;
    const std::wstring path = temp.MakeFile(L"item.txt", 4);
    WriteTimes(path, written, written);
    RealMainWindow editor;
    editor.List(temp.Path());

    editor.form.Button_DateTime->Click();

    EXPECT_EQ(ReadTimes(path).write, written);
  }
}

TEST(RealDateTime, TellsWhyTheTimeCannotBeSet) {
  const TempFolder temp;
  const std::wstring path = temp.MakeFile(L"gone.txt", 4);
  RealMainWindow editor;
  editor.List(temp.Path());
  const std::wstring cell = FirstTimeCell(editor.form);
  DeleteFileW(path.c_str());

  editor.form.Button_DateTime->Click();

  ASSERT_EQ(editor.rest.dialogs.shown.size(), 1u);
  const std::wstring reason = editor.files.ErrorText(ERROR_FILE_NOT_FOUND);
  EXPECT_NE(reason, std::to_wstring(ERROR_FILE_NOT_FOUND)) << "the system's own text";
  EXPECT_EQ(editor.rest.dialogs.shown[0].text, std::wstring(kTimeError) + L" " + reason);
  EXPECT_EQ(editor.rest.dialogs.shown[0].caption, L"Brindlow");
  EXPECT_EQ(FirstTimeCell(editor.form), cell);
}

struct ClockCase {
  const char* what;
  DateTime local;
  FileTime utc;
  DateTime shown;  // what the instant reads as locally
};

class Win32ClockZone : public testing::TestWithParam<ClockCase> {};

// Europe/Berlin: the skipped and the repeated hour read as summer time.
TEST_P(Win32ClockZone, ConvertsWithTheRulesOfTheInstant) {
  platform::win32::Win32Clock clock;
  EXPECT_EQ(clock.ToUtc(GetParam().local), GetParam().utc);
  EXPECT_EQ(clock.ToLocal(GetParam().utc), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Berlin, Win32ClockZone,
    testing::Values(ClockCase{"Winter",
                              {2024, 1, 10, 13, 0, 0, 0},
                              Utc(2024, 1, 10, 12, 0),
                              {2024, 1, 10, 13, 0, 0, 0}},
                    ClockCase{"Summer",
                              {2024, 7, 10, 14, 0, 0, 1},
                              Utc(2024, 7, 10, 12, 0, 0, 1),
                              {2024, 7, 10, 14, 0, 0, 1}},
                    ClockCase{"SpringGap",
                              {2024, 3, 31, 2, 30, 0, 0},
                              Utc(2024, 3, 31, 0, 30),
                              {2024, 3, 31, 1, 30, 0, 0}},
                    ClockCase{"AutumnOverlap",
                              {2024, 10, 27, 2, 30, 0, 0},
                              Utc(2024, 10, 27, 0, 30),
                              {2024, 10, 27, 2, 30, 0, 0}},
                    ClockCase{"LastWinterMillisecond",
                              {2024, 3, 31, 1, 59, 59, 999},
                              Utc(2024, 3, 31, 0, 59, 59, 999),
                              {2024, 3, 31, 1, 59, 59, 999}},
                    ClockCase{"Historic",
                              {2006, 10, 29, 1, 59, 0, 0},
                              Utc(2006, 10, 28, 23, 59),
                              {2006, 10, 29, 1, 59, 0, 0}},
                    ClockCase{"Earliest", {1601, 1, 1, 1, 0, 0, 0}, 0, {1601, 1, 1, 1, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.what); });

// The zone's rules are kept per year; the answers must stay the system's own.
TEST(Win32ClockZone, AgreesWithTheSystemThroughSeveralYears) {
  platform::win32::Win32Clock clock;
  const FileTime step = 37ull * 60 * 10'000'000;
  int mismatches = 0;
  for (FileTime t = Utc(2022, 12, 30, 0, 0); t < Utc(2025, 1, 2, 0, 0); t += step) {
    const FILETIME f = ToFiletime(t);
    SYSTEMTIME utc, local;
    FileTimeToSystemTime(&f, &utc);
    SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
    const auto ours = clock.ToLocal(t);
    const DateTime system{local.wYear,   local.wMonth,  local.wDay,         local.wHour,
                          local.wMinute, local.wSecond, local.wMilliseconds};
    if (!ours || *ours != system) ++mismatches;
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(Win32ClockZone, RefusesWhatIsNoTime) {
  platform::win32::Win32Clock clock;
  EXPECT_FALSE(clock.ToUtc({2023, 2, 29, 12, 0, 0, 0}));
  EXPECT_FALSE(clock.ToUtc({2023, 13, 1, 12, 0, 0, 0}));
  EXPECT_FALSE(clock.ToUtc({2023, 1, 1, 24, 0, 0, 0}));
  EXPECT_FALSE(clock.ToUtc({-1, 1, 1, 0, 0, 0, 0}));
  EXPECT_FALSE(clock.ToLocal(~FileTime{0}));
}

}  // namespace
