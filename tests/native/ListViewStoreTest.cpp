// The list keeps its items compactly: captions end to end in blocks, column texts made when
// read unless a text was kept for the item.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/ListView.h"

namespace {

ui::ListItem Named(std::wstring caption) {
  ui::ListItem item;
  item.caption = std::move(caption);
  return item;
}

TEST(ListViewStore, KeepsEveryCaptionWholeAcrossItsBlocks) {
  ui::ListView list(nullptr, L"List", nullptr);
  std::vector<std::wstring> captions = {L"", std::wstring(70'000, L'x'), L"Ёлка 😀"};
  // Enough names to fill several blocks, none of them split between two.
  for (int i = 0; i < 5'000; ++i) captions.push_back(L"entry" + std::to_wstring(i) + L".docx");
  for (const std::wstring& caption : captions) list.AddItem(Named(caption));

  ASSERT_EQ(list.Count(), captions.size());
  for (size_t i = 0; i < captions.size(); ++i) {
    // Longer than any file name: cut to what the store keeps.
    const std::wstring expected = captions[i].substr(0, 65'535);
    ASSERT_EQ(list.Caption(i), expected) << i;
    ASSERT_EQ(list.Item(i).caption, expected) << i;
  }
}

TEST(ListViewStore, KeptTextsOverMadeOnesAndMoveWithTheirItem) {
  ui::ListView list(nullptr, L"List", nullptr);
  for (const wchar_t* caption : {L"b", L"a"}) list.AddItem(Named(caption));
  list.SetSubItemMaker(2, [](const ui::ListItem& item, size_t sub) {
    return item.caption + L" made " + std::to_wstring(sub);
  });
  list.SetSubItem(0, 1, L"kept");

  list.SortByKey([](const ui::ListItem& item) { return ui::SortKey{0, item.caption, {}}; }, false);

  EXPECT_EQ(list.Item(0).subItems, (std::vector<std::wstring>{L"a made 0", L"a made 1"}));
  EXPECT_EQ(list.Item(1).subItems, (std::vector<std::wstring>{L"b made 0", L"kept"}));
  EXPECT_EQ(list.Text(1, 2), L"kept");
  EXPECT_EQ(list.Text(1, 0), L"b");
}

}  // namespace
