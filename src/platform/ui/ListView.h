#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/ui/CaptionPool.h"
#include "platform/ui/Control.h"
#include "platform/ui/TypeAhead.h"

namespace ui {

class ImageList;

struct ListColumn {
  std::wstring caption;
  int width = 50;
  int minWidth = 0;  // 0: no limit
  int maxWidth = 0;  // 0: no limit
  bool alignRight = false;
};

// Numbers the program keeps with an item, not shown (such as what it sorts by).
using ItemNumbers = std::array<std::int64_t, 5>;

// An item as code adds and reads it.
struct ListItem {
  std::wstring caption;
  int imageIndex = -1;
  // The texts of the columns after the caption.
  std::vector<std::wstring> subItems;
  bool selected = false;
  // Parts of the item that are filled only when first read (see SetItemResolver).
  bool resolved = true;
  ItemNumbers numbers{};
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

// Report-style list view. Items live here; the peer shows them (as a virtual list), asking
// for the texts of the rows it draws. Selecting by code raises OnSelectItem, as a user's
// selection does.
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
  // Keeps the item's sub-item texts, if it has any, as they are.
  size_t AddItem(const ListItem& item);
  [[nodiscard]] size_t Count() const { return rows_.size(); }
  // The item with every part filled: deferred parts first, then the texts of its columns.
  ListItem Item(size_t index);
  // The item as it is kept: deferred parts unfilled, only the sub-item texts kept as text.
  [[nodiscard]] ListItem Peek(size_t index) const;
  [[nodiscard]] std::wstring_view Caption(size_t index) const {
    return captions_.View(rows_.at(index).caption);
  }
  [[nodiscard]] std::int64_t Number(size_t index, size_t slot) const {
    return rows_.at(index).numbers.at(slot);
  }
  // What a column shows for an item (0: the caption), its deferred parts filled first.
  std::wstring Text(size_t index, size_t column);
  // The item's image, its deferred parts filled first.
  int ImageIndex(size_t index);
  // Keeps a sub-item's text as it is, over what the column would make of the item.
  void SetSubItem(size_t index, size_t sub, std::wstring text);
  void SetNumber(size_t index, size_t slot, std::int64_t value) {
    rows_.at(index).numbers.at(slot) = value;
  }
  // Fills the deferred parts of an item whose `resolved` is false.
  void SetItemResolver(std::function<void(ListItem&)> resolver) { resolver_ = std::move(resolver); }
  // Makes the `count` sub-item texts of items that do not keep them, from the item as kept,
  // when a row is drawn or read: a long listing keeps numbers, not texts.
  using SubItemMaker = std::function<std::wstring(const ListItem& item, size_t sub)>;
  void SetSubItemMaker(size_t count, SubItemMaker maker);

  // The first selected item in list order, or -1.
  [[nodiscard]] int Selected() const;
  [[nodiscard]] size_t SelectedCount() const;
  [[nodiscard]] bool IsSelected(size_t index) const { return rows_.at(index).selected; }
  void SetItemSelected(size_t index, bool selected);
  [[nodiscard]] int Focused() const { return focused_; }
  void SetFocused(int index);
  // Selects the item alone, focused and in view, as a click on it does; raises OnSelectItem
  // once.
  void SelectOnly(size_t index);
  void ScrollIntoView(size_t index);
  // The first item from `start` on, wrapping at the end, whose caption starts with `prefix`
  // (or equals it, when `whole`), ignoring case; -1 when none does.
  [[nodiscard]] int FindCaption(std::wstring_view prefix, size_t start, bool whole = false) const;
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
  // A character typed on the list, at `nowMs` of a monotonic clock: finds the item whose
  // caption starts with what was typed in quick succession, after the focused one, and selects
  // it alone. The same character typed again moves on to the next item starting with it. False
  // when the character is no part of a name search (the list's own keys keep it).
  bool UserType(wchar_t c, std::uint64_t nowMs);
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

  // An item as the list keeps it: a few dozen bytes beside its caption.
  struct Row {
    CaptionPool::Place caption;
    std::int32_t imageIndex = -1;
    std::uint32_t texts = 0;  // 1 + the index of its kept texts in texts_; 0: none
    bool selected = false;
    bool resolved = true;
    ItemNumbers numbers{};
  };
  // Texts kept as they are, for the sub-items that have one.
  using KeptTexts = std::vector<std::optional<std::wstring>>;

  // The item's row, its deferred parts filled.
  Row& Resolved(size_t index);
  [[nodiscard]] std::wstring SubItem(const Row& row, const ListItem& kept, size_t sub) const;
  KeptTexts& TextsOf(Row& row);

  std::vector<ListColumn> columns_;
  std::vector<Row> rows_;
  CaptionPool captions_;
  std::vector<KeptTexts> texts_;
  std::function<void(ListItem&)> resolver_;
  size_t madeCount_ = 0;
  SubItemMaker maker_;
  const ImageList* smallImages_ = nullptr;
  const ImageList* largeImages_ = nullptr;
  int focused_ = -1;
  int scrollTarget_ = -1;
  int updating_ = 0;
  TypeAhead typeAhead_;
};

}  // namespace ui
