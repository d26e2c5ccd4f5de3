// Typing the first letters of a name on the file list selects the item of that name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/ListView.h"

namespace {

const std::vector<std::wstring> kCaptions = {
    L"Apple.txt", L"apricot", L"Banana", L"berry", L"Яблоко", L"ящик", L"😀smile", L"😀grin", L"b2"};

ui::ListItem Named(const std::wstring& caption) {
  ui::ListItem item;
  item.caption = caption;
  return item;
}

struct Typing {
  const char* what;
  int focused;
  // What the user types, as UTF-16 code units, each 100 ms after the one before; '|' stands
  // for a pause of 1.5 s.
  std::wstring keys;
  int selected;  // the item selected alone at the end
  int events;    // how often the selection changed on the way
};

class TypeAhead : public testing::TestWithParam<Typing> {};

TEST_P(TypeAhead, SelectsTheItemNamedByWhatWasTyped) {
  const Typing& typing = GetParam();
  ui::ListView list(nullptr, L"List", nullptr);
  for (const std::wstring& caption : kCaptions) list.AddItem(Named(caption));
  list.SetFocused(typing.focused);
  list.SetItemSelected(static_cast<size_t>(typing.focused), true);
  int events = 0;
  list.OnSelectItem = [&](int, bool selected) { events += selected ? 1 : 0; };

  std::uint64_t now = 50'000;
  for (wchar_t key : typing.keys) {
    if (key == L'|') {
      now += 1'500;
      continue;
    }
    now += 100;
    EXPECT_TRUE(list.UserType(key, now)) << typing.what;
  }

  EXPECT_EQ(list.Focused(), typing.selected) << typing.what;
  EXPECT_EQ(list.Selected(), typing.selected) << typing.what;
  EXPECT_EQ(list.SelectedCount(), 1u) << typing.what;
  EXPECT_EQ(list.ScrollTarget(), typing.events > 0 ? typing.selected : -1) << typing.what;
  EXPECT_EQ(events, typing.events) << typing.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypeAhead,
    testing::Values(Typing{"a letter finds the next item after the focused one", 2, L"b", 3, 1},
                    Typing{"the search wraps at the end", 3, L"a", 0, 1},
                    Typing{"more letters extend the name, ignoring case", 2, L"APR", 1, 2},
                    Typing{"the same letter again moves on, wrapping", 2, L"bbb", 2, 3},
                    Typing{"after a pause a letter starts anew", 2, L"b|b", 8, 2},
                    Typing{"after a pause the name starts anew", 0, L"ban|ap", 0, 2},
                    Typing{"Cyrillic, typed in capitals", 0, L"ЯЩ", 5, 2},
                    Typing{"a character outside the basic plane, then a letter", 0, L"😀g", 7, 2},
                    Typing{"a character outside the basic plane typed twice", 0, L"😀😀", 7, 2},
                    Typing{"a space continues a name", 0, L"be ", 3, 2},
                    Typing{"no item of that name keeps the selection", 1, L"x", 1, 0}));

TEST(TypeAheadKeys, ControlCharactersAndALeadingSpaceAreLeftToTheList) {
  ui::ListView list(nullptr, L"List", nullptr);
  list.AddItem(Named(L" x"));
  for (wchar_t key : {L'\b', L'\r', L'\t', wchar_t{0x1B}, wchar_t{0x7F}, L' '}) {
    EXPECT_FALSE(list.UserType(key, 1'000)) << int{key};
  }
  EXPECT_EQ(list.Selected(), -1);
}

}  // namespace
