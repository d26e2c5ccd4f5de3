#include <gtest/gtest.h>

#include <stdexcept>

#include "EditorFixture.h"

namespace {

using namespace editor_test;

FileTime Utc(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0) {
  return ToFileTime({y, mo, d, h, mi, s, ms});
}

const FileTime kCreated = Utc(2019, 6, 1, 0, 0);

// One file or folder in C:\Data, the only item listed there.
void AddItem(Editor& editor, FileTime written, bool folder = false) {
  editor.files.AddFolder(L"C:\\Data");
  if (folder) {
    editor.files.AddFolder(L"C:\\Data\\item", written);
  } else {
    editor.files.AddFile(L"C:\\Data\\item", 5, written);
  }
  FakeFileSystem::Node* node = editor.files.Find(L"C:\\Data\\item");
  node->creation = kCreated;
  node->lastAccess = kCreated;
}

FakeFileSystem::Node& Item(Editor& editor) {
  return *editor.files.Find(L"C:\\Data\\item");
}

TEST(ApplyDateTime, WritesTheChosenDateAndTimeOfDay) {
  Editor editor(FakeClock(60, false));
  AddItem(editor, Utc(2020, 1, 1, 7, 15, 42, 500));
  editor.Open(L"C:\\Data\\");
  ASSERT_EQ(editor.form->TimePicker1->Value(), (DateTime{2020, 1, 1, 8, 15, 42, 500}));

  editor.PickAndApply({2024, 3, 15, 0, 0, 0, 0}, 10, 30);

  EXPECT_EQ(Item(editor).entry.lastWrite, Utc(2024, 3, 15, 9, 30, 42, 500));
  EXPECT_EQ(Item(editor).creation, kCreated);
  EXPECT_EQ(Item(editor).lastAccess, kCreated);
  EXPECT_EQ(editor.Cell(L"item"), L"15.03.2024 10:30");
  EXPECT_EQ(editor.list().Peek(0).numbers[listitem::kWritten],
            static_cast<std::int64_t>(Utc(2024, 3, 15, 9, 30, 42, 500)))
      << "the date column sorts by the new instant";
  const DateTime shown{2024, 3, 15, 10, 30, 42, 500};
  EXPECT_EQ(editor.form->DatePicker1->Value(), shown);
  EXPECT_EQ(editor.form->TimePicker1->Value(), shown);
  EXPECT_EQ(editor.rest.shell.associationNotices, 1);
  EXPECT_EQ(editor.rest.shell.desktopRefreshes, 1);
  EXPECT_TRUE(editor.rest.dialogs.shown.empty());
}

struct KeepCase {
  const char* what;
  bool daylightSaving;
  FileTime written;
};

class ApplyUntouched : public testing::TestWithParam<KeepCase> {};

// Today is in winter: the summer times must not move by the seasonal hour.
TEST_P(ApplyUntouched, KeepsTheTimeToTheMillisecond) {
  Editor editor(FakeClock(60, GetParam().daylightSaving));
  AddItem(editor, GetParam().written);
  editor.Open(L"C:\\Data\\");
  const std::wstring cell = editor.Cell(L"item");

  editor.form->Button_DateTime->Click();

  EXPECT_EQ(Item(editor).entry.lastWrite, GetParam().written);
  EXPECT_EQ(editor.Cell(L"item"), cell);
}

INSTANTIATE_TEST_SUITE_P(
    Seasons, ApplyUntouched,
    testing::Values(KeepCase{"Winter", true, Utc(2023, 1, 10, 10, 11, 12, 345)},
                    KeepCase{"Summer", true, Utc(2023, 7, 10, 10, 11, 12, 345)},
                    KeepCase{"FirstSummerInstant", true, Utc(2024, 3, 31, 1, 0)},
                    KeepCase{"LastSummerInstant", true, Utc(2024, 10, 27, 0, 59, 59, 999)},
                    KeepCase{"FirstOfTheRepeatedHour", true, Utc(2024, 10, 27, 0, 30)},
                    KeepCase{"SecondOfTheRepeatedHour", true, Utc(2024, 10, 27, 1, 30, 0, 750)},
                    KeepCase{"NoDaylightSaving", false, Utc(2023, 7, 10, 10, 11, 12, 345)}),
    [](const auto& info) { return std::string(info.param.what); });

struct ShiftCase {
  const char* what;
  FileTime written;
  DateTime pickedDate;
  int hour;
  int minute;
  FileTime result;
  const wchar_t* cell;
};

class ApplyShiftedHour : public testing::TestWithParam<ShiftCase> {};

// A local time that exists twice (autumn) is the occurrence in the item's own season; one
// that does not exist (spring) is read as summer time, as the system reads it. What the list
// then shows is what the disk holds.
TEST_P(ApplyShiftedHour, TakesTheItemsOccurrenceOrSummerTime) {
  const ShiftCase& c = GetParam();
  Editor editor;
  AddItem(editor, c.written);
  editor.Open(L"C:\\Data\\");

  editor.PickAndApply(c.pickedDate, c.hour, c.minute);

  EXPECT_EQ(Item(editor).entry.lastWrite, c.result);
  EXPECT_EQ(editor.Cell(L"item"), c.cell);
  EXPECT_EQ(editor.form->TimePicker1->Value(), *editor.clock.ToLocal(c.result));
}

INSTANTIATE_TEST_SUITE_P(Transitions, ApplyShiftedHour,
                         testing::Values(ShiftCase{"SpringGap",
                                                   Utc(2024, 1, 5, 12, 0),
                                                   {2024, 3, 31},
                                                   2,
                                                   30,
                                                   Utc(2024, 3, 31, 0, 30),
                                                   L"31.03.2024 01:30"},
                                         ShiftCase{"RepeatedHourForAWinterItem",
                                                   Utc(2024, 1, 5, 12, 0),
                                                   {2024, 10, 27},
                                                   2,
                                                   30,
                                                   Utc(2024, 10, 27, 1, 30),
                                                   L"27.10.2024 02:30"},
                                         ShiftCase{"RepeatedHourForASummerItem",
                                                   Utc(2024, 7, 5, 12, 0),
                                                   {2024, 10, 27},
                                                   2,
                                                   30,
                                                   Utc(2024, 10, 27, 0, 30),
                                                   L"27.10.2024 02:30"},
                                         ShiftCase{"SecondOfTheRepeatedHourKept",
                                                   Utc(2024, 10, 27, 1, 30),
                                                   {2024, 10, 27},
                                                   2,
                                                   30,
                                                   Utc(2024, 10, 27, 1, 30),
                                                   L"27.10.2024 02:30"},
                                         ShiftCase{"FirstOfTheRepeatedHourKept",
                                                   Utc(2024, 10, 27, 0, 30),
                                                   {2024, 10, 27},
                                                   2,
                                                   30,
                                                   Utc(2024, 10, 27, 0, 30),
                                                   L"27.10.2024 02:30"}),
                         [](const auto& info) { return std::string(info.param.what); });

// The panel offers the date group for files only; should a folder be first when the button
// is pressed, it gets all three times.
TEST(ApplyDateTime, SetsAllThreeTimesOfAFolder) {
  Editor editor;
  AddItem(editor, Utc(2023, 1, 10, 10, 0), true);
  editor.Open(L"C:\\Data\\");

  editor.PickAndApply({2022, 8, 1}, 18, 5);

  const FileTime chosen = Utc(2022, 8, 1, 16, 5);
  EXPECT_EQ(Item(editor).creation, chosen);
  EXPECT_EQ(Item(editor).lastAccess, chosen);
  EXPECT_EQ(Item(editor).entry.lastWrite, chosen);
  EXPECT_EQ(editor.Cell(L"item"), L"01.08.2022 18:05");
  EXPECT_FALSE(editor.form->GroupBox3->Enabled());
}

TEST(ApplyDateTime, CurrentTimeFromTheMenuIsWrittenWithItsSeconds) {
  Editor editor;
  AddItem(editor, Utc(2023, 1, 10, 10, 0));
  editor.Open(L"C:\\Data\\");
  editor.clock.now = {2024, 5, 6, 7, 8, 9, 10};

  editor.form->CurrentDateTime->Click();

  EXPECT_EQ(editor.form->DatePicker1->Value(), editor.clock.now);
  EXPECT_EQ(editor.form->TimePicker1->Value(), editor.clock.now);
  editor.form->Button_DateTime->Click();
  EXPECT_EQ(Item(editor).entry.lastWrite, Utc(2024, 5, 6, 5, 8, 9, 10));
}

// A clock read just before midnight: each reading is a millisecond later than the last.
class MidnightClock : public FakeClock {
 public:
  DateTime LocalNow() override {
    const DateTime reading =
        readings++ == 0 ? DateTime{2024, 5, 6, 23, 59, 59, 999} : DateTime{2024, 5, 7, 0, 0, 0, 0};
    return reading;
  }
  int readings = 0;
};

TEST(ApplyDateTime, CurrentTimeIsOneReadingForBothPickers) {
  MidnightClock midnight;
  Editor editor(FakeClock(), &midnight);
  AddItem(editor, Utc(2023, 1, 10, 10, 0));
  editor.Open(L"C:\\Data\\");

  editor.form->CurrentDateTime->Click();
  editor.form->Button_DateTime->Click();

  EXPECT_EQ(Item(editor).entry.lastWrite, Utc(2024, 5, 6, 21, 59, 59, 999));
}

TEST(ApplyDateTime, DoesNothingWithoutASelection) {
  const FileTime written = Utc(2023, 1, 10, 10, 0);
  Editor editor;
  AddItem(editor, written);
  editor.Open(L"C:\\Data\\");
  editor.list().UserSelectAll(false);

  editor.PickAndApply({2024, 1, 1}, 1, 1);

  EXPECT_EQ(Item(editor).entry.lastWrite, written);
  EXPECT_EQ(editor.rest.shell.associationNotices, 0);
  EXPECT_TRUE(editor.rest.dialogs.shown.empty());
}

// A clock that breaks, once told to, while converting.
class BrokenClock : public FakeClock {
 public:
  std::optional<DateTime> ToLocal(FileTime utc) override {
    if (broken) throw std::runtime_error("zone «Europe» lost");
    return FakeClock::ToLocal(utc);
  }
  std::optional<FileTime> ToUtc(const DateTime& local) override {
    if (broken) throw std::runtime_error("zone «Europe» lost");
    return FakeClock::ToUtc(local);
  }
  bool broken = false;
};

enum class Fault { Refused, Gone, Raised };

struct FailCase {
  const char* what;
  Fault fault;
  const wchar_t* message;
};

class ApplyDateTimeFails : public testing::TestWithParam<FailCase> {};

// The user is told why; the list and the pickers show what the disk still holds.
TEST_P(ApplyDateTimeFails, ShowsTheReasonAndTheOldTime) {
  const FailCase& c = GetParam();
  const FileTime written = Utc(2023, 1, 10, 10, 0);
  BrokenClock broken;
  Editor editor(FakeClock(), c.fault == Fault::Raised ? &broken : nullptr);
  AddItem(editor, written);
  editor.Open(L"C:\\Data\\");
  if (c.fault == Fault::Refused) editor.files.FailWrites(L"C:\\Data\\item", 5);
  if (c.fault == Fault::Gone) editor.files.Remove(L"C:\\Data\\item");
  broken.broken = true;

  editor.PickAndApply({2024, 2, 2}, 2, 2);

  ASSERT_EQ(editor.rest.dialogs.shown.size(), 1u);
  const auto& box = editor.rest.dialogs.shown[0];
  EXPECT_EQ(box.text, c.message);
  EXPECT_EQ(box.caption, L"Brindlow");
  EXPECT_EQ(box.owner, editor.form) << "modal to the main window";
  EXPECT_EQ(box.flags, platform::kMbOk);
  broken.broken = false;  // the list's time column is made from the instant when drawn
  EXPECT_EQ(editor.Cell(L"item"), L"10.01.2023 11:00");
  if (c.fault == Fault::Refused) {
    EXPECT_EQ(Item(editor).entry.lastWrite, written);
    EXPECT_EQ(editor.form->TimePicker1->Value(), (DateTime{2023, 1, 10, 11, 0, 0, 0}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ApplyDateTimeFails,
    testing::Values(FailCase{"Refused", Fault::Refused,
                             L"Ошибка при изменении даты/времени:  Error 5."},
                    FailCase{"Gone", Fault::Gone, L"Ошибка при изменении даты/времени:  Error 2."},
                    FailCase{"Raised", Fault::Raised,
                             L"Ошибка при изменении даты/времени:  zone «Europe» lost"}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
