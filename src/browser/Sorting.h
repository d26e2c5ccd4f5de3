#pragma once

#include <functional>
#include <string>

#include "platform/ui/ListView.h"

enum class SortColumn { Name, Type, Date, Size };

// The order a header column sorts by.
SortColumn ColumnSort(int column);

// An item's type name as its type column shows it, or will once shown.
using TypeNames = std::function<std::wstring(const ui::ListItem&)>;

// Sorts the list by one column, +1 ascending and -1 descending: names upper-cased, code unit
// by code unit; types by their name, then by name; dates by the instant; sizes by the byte
// count (folders and empty files as 0), then by name. Items of equal keys keep their order.
// The first sort of a listing ranks its names once; later sorts compare numbers only.
void SortItems(ui::ListView& list, SortColumn column, int direction, const TypeNames& typeNames);
