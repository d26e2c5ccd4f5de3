#include "platform/ui/ListView.h"

#include <algorithm>
#include <numeric>

namespace ui {

void ListView::AddColumn(ListColumn column) {
  columns_.push_back(std::move(column));
  Notify(Aspect::Columns);
}

void ListView::SetColumnCaption(size_t index, std::wstring caption) {
  columns_.at(index).caption = std::move(caption);
  Notify(Aspect::Columns);
}

void ListView::UserResizeColumn(size_t index, int width) {
  ListColumn& c = columns_.at(index);
  if (c.minWidth > 0) width = std::max(width, c.minWidth);
  if (c.maxWidth > 0) width = std::min(width, c.maxWidth);
  c.width = width;
}

void ListView::SetImages(const ImageList* small, const ImageList* large) {
  smallImages_ = small;
  largeImages_ = large;
  Notify(Aspect::Images);
}

void ListView::EndUpdate() {
  if (updating_ > 0 && --updating_ == 0) Notify(Aspect::Items);
}

void ListView::Clear() {
  items_.clear();
  focused_ = -1;
  scrollTarget_ = -1;
  if (updating_ == 0) Notify(Aspect::Items);
}

size_t ListView::AddItem(ListItem item) {
  items_.push_back(std::move(item));
  if (updating_ == 0) Notify(Aspect::Items);
  return items_.size() - 1;
}

const ListItem& ListView::Item(size_t index) {
  ListItem& item = items_.at(index);
  if (!item.resolved && resolver_) {
    item.resolved = true;
    resolver_(item);
  }
  return item;
}

void ListView::SetSubItem(size_t index, size_t sub, std::wstring text) {
  ListItem& item = items_.at(index);
  if (item.subItems.size() <= sub) item.subItems.resize(sub + 1);
  item.subItems[sub] = std::move(text);
  Notify(Aspect::Items);
}

int ListView::Selected() const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].selected) return static_cast<int>(i);
  }
  return -1;
}

size_t ListView::SelectedCount() const {
  return static_cast<size_t>(
      std::count_if(items_.begin(), items_.end(), [](const ListItem& i) { return i.selected; }));
}

void ListView::SetItemSelected(size_t index, bool selected) {
  ListItem& item = items_.at(index);
  if (item.selected == selected) return;
  item.selected = selected;
  Notify(Aspect::Selection);
  if (OnSelectItem) OnSelectItem(static_cast<int>(index), selected);
}

void ListView::SetFocused(int index) {
  focused_ = index < static_cast<int>(items_.size()) ? index : -1;
  Notify(Aspect::Selection);
}

void ListView::ScrollIntoView(size_t index) {
  if (index >= items_.size()) return;
  scrollTarget_ = static_cast<int>(index);
  Notify(Aspect::Scroll);
}

void ListView::SortByKey(const std::function<SortKey(const ListItem&)>& key, bool descending) {
  std::vector<SortKey> keys;
  keys.reserve(items_.size());
  for (const ListItem& item : items_) keys.push_back(key(item));
  std::vector<size_t> order(items_.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return descending ? keys[b] < keys[a] : keys[a] < keys[b];
  });
  Reorder(order);
}

void ListView::Reorder(const std::vector<size_t>& order) {
  int focused = -1;
  for (size_t i = 0; i < order.size(); ++i) {
    if (static_cast<int>(order[i]) == focused_) focused = static_cast<int>(i);
  }
  // In place, along the cycles of the permutation: each item moves once, and no second
  // array of 100,000 items is made.
  std::vector<bool> placed(items_.size());
  for (size_t start = 0; start < order.size(); ++start) {
    if (placed[start]) continue;
    placed[start] = true;
    if (order[start] == start) continue;
    ListItem held = std::move(items_[start]);
    size_t to = start;
    for (size_t from = order[to]; from != start; to = from, from = order[to]) {
      items_[to] = std::move(items_[from]);
      placed[from] = true;
    }
    items_[to] = std::move(held);
  }
  focused_ = focused;
  // Inside an update the window takes the new order, selection included, when it ends.
  if (updating_ > 0) return;
  Notify(Aspect::Items);
  Notify(Aspect::Selection);
}

void ListView::UserSelect(size_t index, bool selected) {
  if (index >= items_.size()) return;
  items_[index].selected = selected;
  if (OnSelectItem) OnSelectItem(static_cast<int>(index), selected);
}

void ListView::UserSelectAll(bool selected) {
  for (ListItem& item : items_) item.selected = selected;
  if (OnSelectItem) OnSelectItem(-1, selected);
}

}  // namespace ui
