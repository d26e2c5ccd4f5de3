#include "browser/Sorting.h"

#include "app/Guard.h"
#include "app/Unit_Base.h"
#include "platform/TextCase.h"

namespace {

const std::wstring& Key(const ui::ListItem& item, SortColumn column) {
  static const std::wstring kEmpty;
  switch (column) {
    case SortColumn::Name:
      return item.caption;
    case SortColumn::Date:
      return item.subItems.size() > 1 ? item.subItems[1] : kEmpty;
    case SortColumn::Size:
      return item.subItems.size() > 2 ? item.subItems[2] : kEmpty;
  }
  return kEmpty;
}

int Compare(const ui::ListItem& a, const ui::ListItem& b, int direction, SortColumn column) {
  const std::wstring ka = platform::UpperCase(Key(a, column));
  const std::wstring kb = platform::UpperCase(Key(b, column));
  const int order = ka.compare(kb);
  return order > 0 ? direction : order < 0 ? -direction : 0;
}

}  // namespace

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
      return SortColumn::Size;
  }
}

void SortItems(ui::ListView& list, SortColumn column, int direction) {
  list.SortByKey([column](const ui::ListItem& item) { return platform::UpperCase(Key(item, column)); },
                 direction < 0);
}

void TForm1::ListViewAttributesColumnClick(int column) {
  state.SortDirection = -state.SortDirection;
  Guard([&] { SortItems(*ListViewAttributes, ColumnSort(column), state.SortDirection); });
}
