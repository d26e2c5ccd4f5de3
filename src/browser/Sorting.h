#pragma once

#include <string>

#include "platform/ui/ListView.h"

enum class SortColumn { Name, Date, Size };

// A key as the comparisons see it: the shown text, upper-cased.
std::wstring SortKey(const ui::ListItem& item, SortColumn column);

// The three comparisons of the file list: the shown text of the key, upper-cased, compared
// code unit by code unit; `direction` +1 for ascending, -1 for descending.
int CompareByName(const ui::ListItem& a, const ui::ListItem& b, int direction);
int CompareByDate(const ui::ListItem& a, const ui::ListItem& b, int direction);
int CompareBySize(const ui::ListItem& a, const ui::ListItem& b, int direction);

// The comparison a header column sorts with (the type column sorts as the size column).
SortColumn ColumnSort(int column);

// Sorts the list by one key, computing each item's key once.
void SortItems(ui::ListView& list, SortColumn column, int direction);
