#include "browser/Sorting.h"

#include "browser/FolderBrowser.h"
#include "browser/ListItems.h"
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

bool FolderBrowser::SortByColumn(int column) {
  sortDirection_ = -sortDirection_;
  const auto firstCaption = [this]() -> std::optional<std::wstring> {
    const auto first = listitem::FirstSelected(ui_.list);
    if (!first) return std::nullopt;
    return first->caption;
  };
  const std::optional<std::wstring> shown = firstCaption();
  SortItems(ui_.list, ColumnSort(column), sortDirection_);
  return firstCaption() != shown;
}
