#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PanelFixture.h"
#include "browser/Sorting.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::fake::FakePlatform;
using platform::fake::ToFileTime;

ui::ListItem Item(std::wstring caption, std::wstring modified, std::wstring size) {
  return {std::move(caption), -1, {L"", std::move(modified), std::move(size), L"file"}};
}

struct CompareCase {
  const char* what;
  SortColumn column;
  const wchar_t* first;
  const wchar_t* second;
  int ascending;  // the result with the direction +1
};

void PrintTo(const CompareCase& c, std::ostream* os) {
  *os << c.what;
}

class Comparison : public testing::TestWithParam<CompareCase> {};

TEST_P(Comparison, OrdersTheUpperCasedTextCodeUnitByCodeUnit) {
  const CompareCase& c = GetParam();
  auto make = [&](const wchar_t* key) {
    return Item(c.column == SortColumn::Name ? key : L"n", c.column == SortColumn::Date ? key : L"",
                c.column == SortColumn::Size ? key : L"");
  };
  const ui::ListItem a = make(c.first);
  const ui::ListItem b = make(c.second);
  const auto compare = c.column == SortColumn::Name   ? CompareByName
                       : c.column == SortColumn::Date ? CompareByDate
                                                      : CompareBySize;

  EXPECT_EQ(compare(a, b, 1), c.ascending) << c.what;
  EXPECT_EQ(compare(a, b, -1), -c.ascending) << c.what;
  EXPECT_EQ(compare(b, a, 1), -c.ascending) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Comparison,
    testing::Values(CompareCase{"case is ignored", SortColumn::Name, L"readme.txt", L"README.TXT",
                                0},
                    CompareCase{"upper-cased before comparing", SortColumn::Name, L"a", L"_", -1},
                    CompareCase{"a prefix comes first", SortColumn::Name, L"ab", L"a", 1},
                    CompareCase{"empty text first", SortColumn::Name, L"", L"0", -1},
                    CompareCase{"digits before letters", SortColumn::Name, L"9", L"a", -1},
                    CompareCase{"date by its text", SortColumn::Date, L"01.12.2024 10:00",
                                L"02.01.2020 09:00", -1},
                    CompareCase{"size by its text", SortColumn::Size, L"2 kB", L"500 B", -1},
                    CompareCase{"empty size first", SortColumn::Size, L"", L"1 B", -1},
                    CompareCase{"B before GB", SortColumn::Size, L"1 B", L"1 GB", -1},
                    CompareCase{"GB before kB", SortColumn::Size, L"1 GB", L"1 kB", -1},
                    CompareCase{"kB before MB", SortColumn::Size, L"1 kB", L"1 MB", -1},
                    CompareCase{"1 MB before 10 kB", SortColumn::Size, L"1 MB", L"10 kB", -1}));

TEST(Comparison, ItemWithoutSubItemsHasEmptyKeys) {
  const ui::ListItem bare{L"x", -1, {}, false, true};
  const ui::ListItem full = Item(L"x", L"01.01.2024 00:00", L"1 B");
  EXPECT_EQ(CompareByDate(bare, full, 1), -1);
  EXPECT_EQ(CompareBySize(bare, full, 1), -1);
}

class HeaderClick : public testing::Test {
 protected:
  HeaderClick() {
    fake.volumes.drives[L'C'] = {platform::DriveType::Fixed, L""};
    fake.files.AddFolder(L"C:\\");
    // name, size, last write (UTC; the zone adds an hour in winter)
    fake.files.AddFile(L"C:\\b.txt", 5, ToFileTime({2020, 1, 2, 9, 0, 0, 0}));
    fake.files.AddFile(L"C:\\C.txt", 2048, ToFileTime({2024, 12, 1, 10, 0, 0, 0}));
    fake.files.AddFile(L"C:\\a.txt", 1 << 20, ToFileTime({2022, 6, 5, 8, 0, 0, 0}));
    fake.files.AddFolder(L"C:\\d", ToFileTime({2019, 1, 4, 0, 0, 0, 0}));
    panel.List(L"C:\\");
  }

  std::vector<std::wstring> Captions() {
    std::vector<std::wstring> captions;
    ui::ListView& list = panel.list();
    for (size_t i = 0; i < list.Count(); ++i) captions.push_back(list.Item(i).caption);
    return captions;
  }

  void Click(int column) { panel.browser.SortByColumn(column); }

  FakePlatform fake;
  panel_test::BrowserPanel panel{fake.services};
};

TEST_F(HeaderClick, EveryClickFlipsTheDirectionWhateverTheColumn) {
  using V = std::vector<std::wstring>;
  EXPECT_EQ(Captions(), (V{L"d", L"a.txt", L"C.txt", L"b.txt"})) << "listed by size text";

  Click(0);
  EXPECT_EQ(panel.sortDirection, -1);
  EXPECT_EQ(Captions(), (V{L"d", L"C.txt", L"b.txt", L"a.txt"})) << "names Z to A";

  Click(0);
  EXPECT_EQ(Captions(), (V{L"a.txt", L"b.txt", L"C.txt", L"d"})) << "names A to Z";

  Click(3);
  EXPECT_EQ(Captions(), (V{L"b.txt", L"C.txt", L"a.txt", L"d"})) << "size texts descending";

  Click(2);
  EXPECT_EQ(Captions(), (V{L"C.txt", L"b.txt", L"d", L"a.txt"}))
      << "date texts ascending, day first";
}

TEST_F(HeaderClick, TypeColumnSortsAsTheSizeColumn) {
  Click(1);
  const std::vector<std::wstring> byType = Captions();
  Click(0);
  Click(3);
  EXPECT_EQ(Captions(), byType);
}

TEST_F(HeaderClick, SelectionAndFocusStayWithTheirItem) {
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

TEST_F(HeaderClick, ListingAfterAnOddNumberOfClicksSortsDescending) {
  Click(0);

  panel.List(L"C:\\");

  EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"b.txt", L"C.txt", L"a.txt", L"d"}))
      << "largest texts first, folders last";
  EXPECT_EQ(panel.list().Selected(), 0);
}

TEST_F(HeaderClick, OnAnEmptyListOnlyFlipsTheDirection) {
  fake.files.AddFolder(L"C:\\Empty");
  panel.List(L"C:\\Empty\\");

  Click(2);

  EXPECT_EQ(panel.sortDirection, -1);
  EXPECT_EQ(panel.list().Count(), 0u);
}

}  // namespace
