#include "browser/Sorting.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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

namespace {

// Gives every item its name's rank, once per listing (the items of a listing are ranked
// together, so one unranked item means none is ranked).
void RankNames(ui::ListView& list) {
  const std::size_t count = list.Count();
  if (count == 0 || list.Number(0, listitem::kNameRank) != 0) return;
  // The names end to end in one text, upper-cased at once: a string of its own for each of a
  // million names would leave the heap holding their memory long after the ranking.
  std::vector<std::size_t> starts(count + 1);
  for (std::size_t i = 0; i < count; ++i) starts[i + 1] = starts[i] + list.Caption(i).size();
  std::wstring names;
  names.reserve(starts[count]);
  for (std::size_t i = 0; i < count; ++i) names += list.Caption(i);
  names = platform::UpperCase(std::move(names));
  const auto name = [&](std::size_t i) {
    return std::wstring_view(names).substr(starts[i], starts[i + 1] - starts[i]);
  };
  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return name(a) < name(b); });
  std::int64_t rank = 0;
  for (std::size_t k = 0; k < count; ++k) {
    if (k == 0 || name(order[k]) != name(order[k - 1])) ++rank;
    list.SetNumber(order[k], listitem::kNameRank, rank);
  }
}

// Each item's type name as a rank among the distinct names, upper-cased.
std::vector<std::int64_t> TypeRanks(const ui::ListView& list, const TypeNames& typeNames) {
  // A listing holds a few dozen distinct type names: each item gets the number of its name,
  // and only the distinct names are upper-cased and ordered.
  std::unordered_map<std::wstring, std::size_t> ids;
  std::vector<std::size_t> idOf(list.Count());
  for (std::size_t i = 0; i < idOf.size(); ++i) {
    idOf[i] = ids.try_emplace(typeNames(list.Peek(i)), ids.size()).first->second;
  }
  std::map<std::wstring, std::int64_t> upperRanks;
  std::vector<std::wstring> upperOf(ids.size());
  for (const auto& [name, id] : ids) {
    upperOf[id] = platform::UpperCase(name);
    upperRanks.emplace(upperOf[id], 0);
  }
  std::int64_t next = 0;
  for (auto& entry : upperRanks) entry.second = next++;
  std::vector<std::int64_t> rankOf(ids.size());
  for (std::size_t id = 0; id < rankOf.size(); ++id) rankOf[id] = upperRanks.at(upperOf[id]);
  std::vector<std::int64_t> result(idOf.size());
  for (std::size_t i = 0; i < idOf.size(); ++i) result[i] = rankOf[idOf[i]];
  return result;
}

struct Key {
  std::int64_t number;
  std::int64_t name;
  std::size_t index;
};

}  // namespace

void SortItems(ui::ListView& list, SortColumn column, int direction, const TypeNames& typeNames) {
  RankNames(list);
  const std::vector<std::int64_t> types =
      column == SortColumn::Type ? TypeRanks(list, typeNames) : std::vector<std::int64_t>();
  std::vector<Key> keys(list.Count());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    std::int64_t number = 0;
    switch (column) {
      case SortColumn::Name:
        break;
      case SortColumn::Type:
        number = types[i];
        break;
      case SortColumn::Date:
        number = list.Number(i, listitem::kWritten);
        break;
      case SortColumn::Size:
        number = list.Number(i, listitem::kBytes);
        break;
    }
    keys[i] = {number, list.Number(i, listitem::kNameRank), i};
  }
  const auto less = [](const Key& a, const Key& b) {
    return a.number != b.number ? a.number < b.number : a.name < b.name;
  };
  if (direction < 0) {
    std::stable_sort(keys.begin(), keys.end(),
                     [&](const Key& a, const Key& b) { return less(b, a); });
  } else {
    std::stable_sort(keys.begin(), keys.end(), less);
  }
  std::vector<std::size_t> order(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) order[i] = keys[i].index;
  list.Reorder(order);
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
