#pragma once

#include <functional>
#include <string>

#include "platform/ui/ListView.h"

enum class SortColumn { Name, Type, Date, Size };

// The order a header column sorts by.
SortColumn ColumnSort(int column);

// An item's type name as its type column shows it, or will once shown.
using TypeNames = std::function<std::wstring(const ui::ListItem&)>;

// What an item is ordered by in a column: names upper-cased, code unit by code unit; types
// by their name, then by name; dates by the instant; sizes by the byte count (folders and
// empty files as 0), then by name.
ui::SortKey SortKeyOf(const ui::ListItem& item, SortColumn column, const TypeNames& typeNames);

// Sorts the list by one column, +1 ascending and -1 descending, each item's key made once.
void SortItems(ui::ListView& list, SortColumn column, int direction, const TypeNames& typeNames);
