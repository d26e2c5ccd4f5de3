#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

class ImageList;

struct ListColumn {
  std::wstring caption;
  int width = 50;
  int minWidth = 0;  // 0: no limit
  int maxWidth = 0;  // 0: no limit
  bool alignRight = false;
};

struct ListItem {
  std::wstring caption;
  int imageIndex = -1;
  std::vector<std::wstring> subItems;
  bool selected = false;
  // Parts of the item that are filled only when first read (see SetItemResolver).
  bool resolved = true;
  // Numbers the program keeps with the item, not shown (such as what it sorts by).
  std::array<std::int64_t, 3> numbers{};
};

// What a sort orders items by: the number, then the text, then the tie-break text.
struct SortKey {
  std::int64_t number = 0;
  std::wstring text;
  std::wstring tieBreak;
  bool operator<(const SortKey& other) const {
    return std::tie(number, text, tieBreak) < std::tie(other.number, other.text, other.tieBreak);
  }
};

// Report-style list view. Items live here; the peer shows them (as a virtual list).
// Selecting by code raises OnSelectItem, as a user's selection does.
class ListView : public Control {
 public:
  using Control::Control;
  [[nodiscard]] Kind GetKind() const override { return Kind::ListView; }

  void AddColumn(ListColumn column);
  [[nodiscard]] const std::vector<ListColumn>& Columns() const { return columns_; }
  void SetColumnCaption(size_t index, std::wstring caption);
  // A user's resize of a column, bounded by its limits.
  void UserResizeColumn(size_t index, int width);

  void SetImages(const ImageList* small, const ImageList* large);
  [[nodiscard]] const ImageList* SmallImages() const { return smallImages_; }
  [[nodiscard]] const ImageList* LargeImages() const { return largeImages_; }

  void BeginUpdate() { ++updating_; }
  void EndUpdate();

  void Clear();
  size_t AddItem(ListItem item);
  [[nodiscard]] size_t Count() const { return items_.size(); }
  // Reading an item fills its deferred parts first.
  const ListItem& Item(size_t index);
  // The item as it is, deferred parts unfilled.
  [[nodiscard]] const ListItem& Peek(size_t index) const { return items_.at(index); }
  void SetSubItem(size_t index, size_t sub, std::wstring text);
  void SetNumber(size_t index, size_t slot, std::int64_t value) {
    items_.at(index).numbers.at(slot) = value;
  }
  // Fills the deferred parts of an item whose `resolved` is false.
  void SetItemResolver(std::function<void(ListItem&)> resolver) { resolver_ = std::move(resolver); }

  // The first selected item in list order, or -1.
  [[nodiscard]] int Selected() const;
  [[nodiscard]] size_t SelectedCount() const;
  [[nodiscard]] bool IsSelected(size_t index) const { return items_.at(index).selected; }
  void SetItemSelected(size_t index, bool selected);
  [[nodiscard]] int Focused() const { return focused_; }
  void SetFocused(int index);
  void ScrollIntoView(size_t index);
  [[nodiscard]] int ScrollTarget() const { return scrollTarget_; }

  // Orders the items by a key computed once per item; selection and focus stay with their
  // items, and items of equal keys keep their order.
  void SortByKey(const std::function<SortKey(const ListItem&)>& key, bool descending);
  // Puts the items in a new order: the item at order[i] becomes item i. Selection and focus
  // stay with their items.
  void Reorder(const std::vector<size_t>& order);

  // The user's actions, as the peer reports them.
  void UserSelect(size_t index, bool selected);
  void UserSelectAll(bool selected);
  void UserFocus(int index) { focused_ = index; }
  void UserClick() const { Fire(OnClick); }
  void UserDblClick() const { Fire(OnDblClick); }
  // Enter pressed on the list.
  void UserReturn() const { Fire(OnReturn); }
  void UserColumnClick(int column) const {
    if (OnColumnClick) OnColumnClick(column);
  }

  Event OnClick;
  Event OnDblClick;
  Event OnReturn;
  std::function<void(int item, bool selected)> OnSelectItem;
  std::function<void(int column)> OnColumnClick;

 private:
  static void Fire(const Event& e) {
    if (e) e();
  }

  std::vector<ListColumn> columns_;
  std::vector<ListItem> items_;
  std::function<void(ListItem&)> resolver_;
  const ImageList* smallImages_ = nullptr;
  const ImageList* largeImages_ = nullptr;
  int focused_ = -1;
  int scrollTarget_ = -1;
  int updating_ = 0;
};

}  // namespace ui
