#include "platform/ui/ListView.h"

#include <algorithm>
#include <numeric>

#include "platform/TextCase.h"

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
  rows_.clear();
  rows_.shrink_to_fit();
  captions_.Clear();
  texts_.clear();
  focused_ = -1;
  scrollTarget_ = -1;
  if (updating_ == 0) Notify(Aspect::Items);
}

size_t ListView::AddItem(const ListItem& item) {
  Row& row = rows_.emplace_back();
  row.caption = captions_.Add(item.caption);
  row.imageIndex = item.imageIndex;
  row.selected = item.selected;
  row.resolved = item.resolved;
  row.numbers = item.numbers;
  if (!item.subItems.empty()) {
    KeptTexts& texts = TextsOf(row);
    texts.assign(item.subItems.begin(), item.subItems.end());
  }
  if (updating_ == 0) Notify(Aspect::Items);
  return rows_.size() - 1;
}

ListView::KeptTexts& ListView::TextsOf(Row& row) {
  if (row.texts == 0) {
    texts_.emplace_back();
    row.texts = static_cast<std::uint32_t>(texts_.size());
  }
  return texts_[row.texts - 1];
}

ListItem ListView::Peek(size_t index) const {
  const Row& row = rows_.at(index);
  ListItem item;
  item.caption = captions_.View(row.caption);
  item.imageIndex = row.imageIndex;
  item.selected = row.selected;
  item.resolved = row.resolved;
  item.numbers = row.numbers;
  if (row.texts != 0) {
    for (const auto& text : texts_[row.texts - 1]) item.subItems.push_back(text.value_or(L""));
  }
  return item;
}

ListView::Row& ListView::Resolved(size_t index) {
  Row& row = rows_.at(index);
  if (row.resolved || !resolver_) return row;
  row.resolved = true;
  ListItem item = Peek(index);
  item.resolved = false;
  resolver_(item);
  row.imageIndex = item.imageIndex;
  row.numbers = item.numbers;
  return row;
}

std::wstring ListView::SubItem(const Row& row, const ListItem& kept, size_t sub) const {
  if (row.texts != 0) {
    const KeptTexts& texts = texts_[row.texts - 1];
    if (sub < texts.size() && texts[sub]) return *texts[sub];
  }
  return sub < madeCount_ && maker_ ? maker_(kept, sub) : std::wstring();
}

ListItem ListView::Item(size_t index) {
  const Row& row = Resolved(index);
  const ListItem kept = Peek(index);
  ListItem item = kept;
  item.subItems.resize(std::max(madeCount_, kept.subItems.size()));
  for (size_t sub = 0; sub < item.subItems.size(); ++sub) {
    item.subItems[sub] = SubItem(row, kept, sub);
  }
  return item;
}

std::wstring ListView::Text(size_t index, size_t column) {
  if (column == 0) return std::wstring(Caption(index));
  return SubItem(Resolved(index), Peek(index), column - 1);
}

int ListView::ImageIndex(size_t index) {
  return Resolved(index).imageIndex;
}

void ListView::SetSubItemMaker(size_t count, SubItemMaker maker) {
  madeCount_ = count;
  maker_ = std::move(maker);
}

void ListView::SetSubItem(size_t index, size_t sub, std::wstring text) {
  KeptTexts& texts = TextsOf(rows_.at(index));
  if (texts.size() <= sub) texts.resize(sub + 1);
  texts[sub] = std::move(text);
  Notify(Aspect::Items);
}

int ListView::Selected() const {
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].selected) return static_cast<int>(i);
  }
  return -1;
}

size_t ListView::SelectedCount() const {
  return static_cast<size_t>(
      std::count_if(rows_.begin(), rows_.end(), [](const Row& row) { return row.selected; }));
}

void ListView::SetItemSelected(size_t index, bool selected) {
  Row& row = rows_.at(index);
  if (row.selected == selected) return;
  row.selected = selected;
  Notify(Aspect::Selection);
  if (OnSelectItem) OnSelectItem(static_cast<int>(index), selected);
}

void ListView::SetFocused(int index) {
  focused_ = index < static_cast<int>(rows_.size()) ? index : -1;
  Notify(Aspect::Selection);
}

void ListView::SelectOnly(size_t index) {
  if (index >= rows_.size()) return;
  for (Row& row : rows_) row.selected = false;
  rows_[index].selected = true;
  focused_ = static_cast<int>(index);
  scrollTarget_ = static_cast<int>(index);
  Notify(Aspect::Selection);
  Notify(Aspect::Scroll);
  if (OnSelectItem) OnSelectItem(static_cast<int>(index), true);
}

int ListView::FindCaption(std::wstring_view prefix, size_t start, bool whole) const {
  const size_t count = rows_.size();
  const std::wstring upper = platform::UpperCase(std::wstring(prefix));
  for (size_t step = 0; step < count; ++step) {
    const size_t index = (start + step) % count;
    const std::wstring_view caption = Caption(index);
    if ((!whole || caption.size() == prefix.size()) && StartsWithUpper(caption, upper)) {
      return static_cast<int>(index);
    }
  }
  return -1;
}

bool ListView::UserType(wchar_t c, std::uint64_t nowMs) {
  // Control characters are keys of their own; a space only continues a name.
  if (c < L' ' || c == 0x7F || (c == L' ' && !typeAhead_.Typing(nowMs))) return false;
  const std::wstring& typed = typeAhead_.Add(c, nowMs);
  // The first half of a character outside the basic plane: its second half comes next.
  if (IsHighSurrogate(c) || rows_.empty()) return true;
  const bool hasFocus = focused_ >= 0 && static_cast<size_t>(focused_) < rows_.size();
  const size_t focused = hasFocus ? static_cast<size_t>(focused_) : 0;
  const size_t next = hasFocus ? focused + 1 : 0;
  // A character typed anew or again looks past the focused item; a longer name may still be
  // the focused one.
  const std::wstring_view repeated = typeAhead_.Repeated();
  const int found = repeated.empty() ? FindCaption(typed, focused) : FindCaption(repeated, next);
  const bool shownAlready = found == focused_ && found >= 0 &&
                            IsSelected(static_cast<size_t>(found)) && SelectedCount() == 1;
  if (found >= 0 && !shownAlready) SelectOnly(static_cast<size_t>(found));
  return true;
}

void ListView::ScrollIntoView(size_t index) {
  if (index >= rows_.size()) return;
  scrollTarget_ = static_cast<int>(index);
  Notify(Aspect::Scroll);
}

void ListView::SortByKey(const std::function<SortKey(const ListItem&)>& key, bool descending) {
  std::vector<SortKey> keys;
  keys.reserve(rows_.size());
  for (size_t i = 0; i < rows_.size(); ++i) keys.push_back(key(Peek(i)));
  std::vector<size_t> order(rows_.size());
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
  std::vector<bool> placed(rows_.size());
  for (size_t start = 0; start < order.size(); ++start) {
    if (placed[start]) continue;
    placed[start] = true;
    if (order[start] == start) continue;
    const Row held = rows_[start];
    size_t to = start;
    for (size_t from = order[to]; from != start; to = from, from = order[to]) {
      rows_[to] = rows_[from];
      placed[from] = true;
    }
    rows_[to] = held;
  }
  focused_ = focused;
  // Inside an update the window takes the new order, selection included, when it ends.
  if (updating_ > 0) return;
  Notify(Aspect::Items);
  Notify(Aspect::Selection);
}

void ListView::UserSelect(size_t index, bool selected) {
  if (index >= rows_.size()) return;
  rows_[index].selected = selected;
  if (OnSelectItem) OnSelectItem(static_cast<int>(index), selected);
}

void ListView::UserSelectAll(bool selected) {
  for (Row& row : rows_) row.selected = selected;
  if (OnSelectItem) OnSelectItem(-1, selected);
}

}  // namespace ui
