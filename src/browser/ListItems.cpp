#include "browser/ListItems.h"

namespace listitem {

bool IsFolder(const ui::ListItem& item) {
  return item.subItems.size() > kKind && item.subItems[kKind] == kDir;
}

std::optional<Selected> FirstSelected(ui::ListView& list) {
  const int index = list.Selected();
  if (index < 0) return std::nullopt;
  const ui::ListItem& item = list.Peek(static_cast<std::size_t>(index));
  return Selected{static_cast<std::size_t>(index), item.caption, IsFolder(item)};
}

}  // namespace listitem
