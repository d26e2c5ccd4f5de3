#include "browser/ListItems.h"

namespace listitem {

bool IsFolder(const ui::ListItem& item) {
  return item.numbers[kFolder] != 0;
}

std::optional<Selected> FirstSelected(ui::ListView& list) {
  const int index = list.Selected();
  if (index < 0) return std::nullopt;
  const auto at = static_cast<std::size_t>(index);
  return Selected{at, std::wstring(list.Caption(at)), list.Number(at, kFolder) != 0};
}

}  // namespace listitem
