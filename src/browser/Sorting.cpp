#include "browser/Sorting.h"

#include "app/Guard.h"
#include "app/Unit_Base.h"
#include "browser/ListItemLayout.h"
#include "editor/EditorItem.h"
#include "platform/TextCase.h"

namespace {

const std::wstring& Key(const ui::ListItem& item, SortColumn column) {
  static const std::wstring kEmpty;
  const auto sub = [&](std::size_t index) -> const std::wstring& {
    return item.subItems.size() > index ? item.subItems[index] : kEmpty;
  };
  switch (column) {
    case SortColumn::Name:
      return item.caption;
    case SortColumn::Date:
      return sub(listitem::kModified);
    case SortColumn::Size:
      return sub(listitem::kSize);
  }
  return kEmpty;
}

// A comparison that fails counts as equal.
int Compare(const ui::ListItem& a, const ui::ListItem& b, int direction,
            SortColumn column) noexcept {
  try {
    const int order = SortKey(a, column).compare(SortKey(b, column));
    return order > 0 ? direction : order < 0 ? -direction : 0;
  } catch (...) {
    return 0;
  }
}

}  // namespace

std::wstring SortKey(const ui::ListItem& item, SortColumn column) {
  return platform::UpperCase(Key(item, column));
}

int CompareByName(const ui::ListItem& a, const ui::ListItem& b, int direction) {
  return Compare(a, b, direction, SortColumn::Name);
}

int CompareByDate(const ui::ListItem& a, const ui::ListItem& b, int direction) {
  return Compare(a, b, direction, SortColumn::Date);
}

int CompareBySize(const ui::ListItem& a, const ui::ListItem& b, int direction) {
  return Compare(a, b, direction, SortColumn::Size);
}

SortColumn ColumnSort(int column) {
  switch (column) {
    case 0:
      return SortColumn::Name;
    case 2:
      return SortColumn::Date;
    default:
      return SortColumn::Size;  // the type column has no order of its own
  }
}

void SortItems(ui::ListView& list, SortColumn column, int direction) {
  // The same order as sorting with the comparisons, with each item's key made once.
  list.SortByKey([column](const ui::ListItem& item) { return SortKey(item, column); },
                 direction < 0);
}

void TForm1::ListViewAttributesColumnClick(int column) {
  state.SortDirection = -state.SortDirection;
  Guard([&] {
    const std::optional<std::wstring> shown = FirstSelectedName(*ListViewAttributes);
    SortItems(*ListViewAttributes, ColumnSort(column), state.SortDirection);
    // The editor describes the first selected item: the new order may have put another first.
    if (FirstSelectedName(*ListViewAttributes) != shown) GlobGetAttrDateTime();
  });
}
