#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PanelFixture.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::fake::FakePlatform;
using platform::fake::ToFileTime;
using Names = std::vector<std::wstring>;

constexpr std::uint64_t kKB = 1024;

// C:\S: two folders, an empty file and files from 10 B to 1 GB, written across months and
// years (UTC; the zone adds an hour in winter), under names of mixed case and script.
class Sorting : public testing::Test {
 protected:
  Sorting() {
    fake.volumes.drives[L'C'] = {platform::DriveType::Fixed, L""};
    fake.files.AddFolder(L"C:\\");
    fake.files.AddFolder(L"C:\\S");
    fake.files.AddFolder(L"C:\\S\\Zeta", ToFileTime({2019, 1, 4, 0, 0, 0, 0}));
    fake.files.AddFolder(L"C:\\S\\alpha", ToFileTime({2024, 12, 1, 10, 0, 0, 0}));
    fake.files.AddFile(L"C:\\S\\empty.txt", 0, ToFileTime({2020, 1, 2, 9, 0, 0, 0}));
    fake.files.AddFile(L"C:\\S\\b.bin", 10, ToFileTime({2022, 6, 5, 8, 0, 0, 0}));
    fake.files.AddFile(L"C:\\S\\Ёлка.txt", 500, ToFileTime({2021, 11, 30, 12, 0, 0, 0}));
    fake.files.AddFile(L"C:\\S\\c.DAT", 2 * kKB, ToFileTime({2024, 2, 1, 7, 0, 0, 0}));
    // 2024-01-01 00:30 local: the last day of a year in UTC.
    fake.files.AddFile(L"C:\\S\\д.log", kKB * kKB, ToFileTime({2023, 12, 31, 23, 30, 0, 0}));
    fake.files.AddFile(L"C:\\S\\A.iso", kKB * kKB * kKB, ToFileTime({2020, 10, 1, 6, 0, 0, 0}));
  }

  Names Captions() {
    Names captions;
    for (size_t i = 0; i < panel.list().Count(); ++i) {
      captions.push_back(panel.list().Item(i).caption);
    }
    return captions;
  }

  // A header click; the direction flips before the sort.
  void Click(int column) { panel.browser.SortByColumn(column); }

  FakePlatform fake;
  panel_test::BrowserPanel panel{fake.services};
};

struct OrderCase {
  const char* what;
  int column;
  int direction;
  Names order;
};

class ColumnOrder : public Sorting, public testing::WithParamInterface<OrderCase> {};

TEST_P(ColumnOrder, IsTheOrderAUserExpects) {
  const OrderCase& c = GetParam();
  panel.List(L"C:\\S\\");
  panel.sortDirection = -c.direction;

  Click(c.column);

  EXPECT_EQ(panel.sortDirection, c.direction);
  EXPECT_EQ(Captions(), c.order);
}

INSTANTIATE_TEST_SUITE_P(Columns, ColumnOrder,
                         testing::Values(OrderCase{"NameAscending",
                                                   0,
                                                   1,
                                                   {L"A.iso", L"alpha", L"b.bin", L"c.DAT",
                                                    L"empty.txt", L"Zeta", L"Ёлка.txt", L"д.log"}},
                                         OrderCase{"NameDescending",
                                                   0,
                                                   -1,
                                                   {L"д.log", L"Ёлка.txt", L"Zeta", L"empty.txt",
                                                    L"c.DAT", L"b.bin", L"alpha", L"A.iso"}},
                                         OrderCase{"TypeAscending",
                                                   1,
                                                   1,
                                                   {L"b.bin", L"c.DAT", L"alpha", L"Zeta", L"A.iso",
                                                    L"д.log", L"empty.txt", L"Ёлка.txt"}},
                                         OrderCase{"TypeDescending",
                                                   1,
                                                   -1,
                                                   {L"Ёлка.txt", L"empty.txt", L"д.log", L"A.iso",
                                                    L"Zeta", L"alpha", L"c.DAT", L"b.bin"}},
                                         OrderCase{"DateAscending",
                                                   2,
                                                   1,
                                                   {L"Zeta", L"empty.txt", L"A.iso", L"Ёлка.txt",
                                                    L"b.bin", L"д.log", L"c.DAT", L"alpha"}},
                                         OrderCase{"DateDescending",
                                                   2,
                                                   -1,
                                                   {L"alpha", L"c.DAT", L"д.log", L"b.bin",
                                                    L"Ёлка.txt", L"A.iso", L"empty.txt", L"Zeta"}},
                                         OrderCase{"SizeAscending",
                                                   3,
                                                   1,
                                                   {L"alpha", L"empty.txt", L"Zeta", L"b.bin",
                                                    L"Ёлка.txt", L"c.DAT", L"д.log", L"A.iso"}},
                                         OrderCase{"SizeDescending",
                                                   3,
                                                   -1,
                                                   {L"A.iso", L"д.log", L"c.DAT", L"Ёлка.txt",
                                                    L"b.bin", L"Zeta", L"empty.txt", L"alpha"}}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(Sorting, ListingSortsBySizeInTheCurrentDirection) {
  panel.List(L"C:\\S\\");
  EXPECT_EQ(Captions(), (Names{L"alpha", L"empty.txt", L"Zeta", L"b.bin", L"Ёлка.txt", L"c.DAT",
                               L"д.log", L"A.iso"}))
      << "folders and empty files first, then by the byte count";
  EXPECT_EQ(panel.list().Selected(), 0);

  Click(0);
  panel.List(L"C:\\S\\");

  EXPECT_EQ(Captions(), (Names{L"A.iso", L"д.log", L"c.DAT", L"Ёлка.txt", L"b.bin", L"Zeta",
                               L"empty.txt", L"alpha"}))
      << "after an odd number of clicks: largest first, folders last";
}

TEST_F(Sorting, SelectionAndFocusStayWithTheirItem) {
  panel.List(L"C:\\S\\");
  ui::ListView& list = panel.list();
  const std::wstring selected = list.Item(0).caption;
  int events = 0;
  list.OnSelectItem = [&](int, bool) { ++events; };

  Click(0);

  const int at = list.Selected();
  ASSERT_NE(at, -1);
  EXPECT_EQ(list.Item(static_cast<size_t>(at)).caption, selected);
  EXPECT_EQ(list.Focused(), at);
  EXPECT_EQ(list.SelectedCount(), 1u);
  EXPECT_EQ(events, 0) << "sorting changes no selection";
}

TEST_F(Sorting, OnAnEmptyListOnlyFlipsTheDirection) {
  fake.files.AddFolder(L"C:\\Empty");
  panel.List(L"C:\\Empty\\");

  Click(2);

  EXPECT_EQ(panel.sortDirection, -1);
  EXPECT_EQ(panel.list().Count(), 0u);
}

// Rows not yet shown are sorted by the type of their extension: one question each, and no
// file is opened for it.
TEST_F(Sorting, ByTypeAsksOncePerExtension) {
  fake.files.AddFolder(L"C:\\Many");
  for (int i = 0; i < 60; ++i) {
    const wchar_t* ext = i % 3 == 0 ? L".exe" : i % 3 == 1 ? L".txt" : L".lnk";
    fake.files.AddFile(L"C:\\Many\\f" + std::to_wstring(i) + ext, 1);
  }
  fake.files.AddFolder(L"C:\\Many\\sub");
  panel.List(L"C:\\Many\\");
  panel.sortDirection = -1;
  const int shown = fake.shell.infoQueries;

  Click(1);

  EXPECT_EQ(fake.shell.kindQueries, 4);
  EXPECT_EQ(fake.shell.infoQueries, shown);
  EXPECT_EQ(panel.list().Item(0).caption, L"f0.exe");
  EXPECT_EQ(panel.list().Item(1).caption, L"f12.exe") << "then by name, upper-cased";
  EXPECT_EQ(panel.list().Item(20).caption, L"sub");
  EXPECT_EQ(panel.list().Item(21).caption, L"f11.lnk");
}

}  // namespace
