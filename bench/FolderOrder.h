#pragma once
// Which rows a sorted listing of a folder begins and ends with, worked out by the benchmark
// from the folder itself, so that a sort is timed until its rows stand in the new order.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

class FolderOrder {
 public:
  // Reads the folder's entries (`folder` ends with a backslash).
  explicit FolderOrder(const std::wstring& folder);

  // The captions of the first and the last row when the list is sorted by `column` (0 name,
  // 1 type, 2 date, 3 size) in `direction` (+1 ascending, -1 descending).
  struct Ends {
    std::wstring first;
    std::wstring last;
  };
  [[nodiscard]] Ends Sorted(int column, int direction) const;
  [[nodiscard]] std::size_t Count() const { return entries_.size(); }

 private:
  // What the list sorts an entry by: a column's key, then the upper-cased name.
  struct Entry {
    std::wstring name;
    std::wstring upper;
    std::wstring upperType;
    std::int64_t bytes = 0;  // 0 for folders
    std::uint64_t written = 0;
  };
  [[nodiscard]] bool Less(const Entry& a, const Entry& b, int column) const;

  std::vector<Entry> entries_;
};

}  // namespace bench
