#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

enum class ComboStyle { DropDown, DropDownList };

// Combo box. Changes made by code (items, selection, text) raise no change event; the
// peer raises OnChange when the user picks an entry or edits the text.
class ComboBox : public Control {
 public:
  ComboBox(Component* owner, std::wstring name, Control* parent, ComboStyle style)
      : Control(owner, std::move(name), parent), style_(style) {}
  [[nodiscard]] Kind GetKind() const override { return Kind::ComboBox; }
  [[nodiscard]] ComboStyle Style() const { return style_; }

  [[nodiscard]] const std::vector<std::wstring>& Items() const { return items_; }
  void ClearItems();
  void AddItem(std::wstring item);

  // -1 when nothing is selected.
  [[nodiscard]] int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);

  [[nodiscard]] const std::wstring& Text() const { return text_; }
  void SetTextValue(std::wstring text);
  [[nodiscard]] const std::wstring& TextHint() const { return textHint_; }

  [[nodiscard]] std::optional<std::wstring> GetText(std::wstring_view property) const override;
  bool SetText(std::wstring_view property, const std::wstring& value) override;

  // Puts the edit field's caret before its first character with nothing highlighted, once
  // the current event is over.
  void CollapseEditSelection() const { Notify(Aspect::EditSelection); }

  // The user's actions, as the peer reports them.
  void UserSelect(int index);
  void UserEdit(std::wstring text);

  Event OnChange;
  Event OnEnter;
  Event OnMouseEnter;
  std::function<void(unsigned& key)> OnKeyDown;
  std::function<void(wchar_t& ch)> OnKeyPress;

 private:
  ComboStyle style_;
  std::vector<std::wstring> items_;
  int itemIndex_ = -1;
  std::wstring text_;
  std::wstring textHint_;
};

}  // namespace ui
