#include "browser/Sorting.h"

#include "browser/FileTypeInfo.h"
#include "browser/FolderBrowser.h"
#include "browser/ListItems.h"
#include "platform/TextCase.h"

SortColumn ColumnSort(int column) {
  switch (column) {
    case 1:
      return SortColumn::Type;
    case 2:
      return SortColumn::Date;
    case 3:
      return SortColumn::Size;
    default:
      return SortColumn::Name;
  }
}

ui::SortKey SortKeyOf(const ui::ListItem& item, SortColumn column, const TypeNames& typeNames) {
  std::wstring name = platform::UpperCase(item.caption);
  switch (column) {
    case SortColumn::Name:
      return {0, std::move(name), {}};
    case SortColumn::Type:
      return {0, platform::UpperCase(typeNames(item)), std::move(name)};
    case SortColumn::Date:
      return {item.numbers[listitem::kWritten], std::move(name), {}};
    case SortColumn::Size:
      return {item.numbers[listitem::kBytes], std::move(name), {}};
  }
  return {};
}

void SortItems(ui::ListView& list, SortColumn column, int direction, const TypeNames& typeNames) {
  list.SortByKey([&](const ui::ListItem& item) { return SortKeyOf(item, column, typeNames); },
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
  SortItems(ui_.list, ColumnSort(column), sortDirection_, TypeNamesOfListing());
  return firstCaption() != shown;
}
