#include "platform/ui/ComboBox.h"

namespace ui {

void ComboBox::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  if (style_ == ComboStyle::DropDownList) text_.clear();
  Notify(Aspect::Items);
}

void ComboBox::AddItem(std::wstring item) {
  items_.push_back(std::move(item));
  Notify(Aspect::Items);
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  itemIndex_ = index;
  if (index >= 0) {
    text_ = items_[index];
  } else if (style_ == ComboStyle::DropDownList) {
    text_.clear();
  }
  Notify(Aspect::Selection);
}

void ComboBox::SetTextValue(std::wstring text) {
  text_ = std::move(text);
  itemIndex_ = -1;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i] == text_) {
      itemIndex_ = static_cast<int>(i);
      break;
    }
  }
  Notify(Aspect::Selection);
}

std::optional<std::wstring> ComboBox::GetText(std::wstring_view property) const {
  if (property == L"Text") return text_;
  if (property == L"TextHint") return textHint_;
  return Control::GetText(property);
}

bool ComboBox::SetText(std::wstring_view property, const std::wstring& value) {
  if (property == L"Text") {
    SetTextValue(value);
    return true;
  }
  if (property == L"TextHint") {
    textHint_ = value;
    Notify(Aspect::Text);
    return true;
  }
  return Control::SetText(property, value);
}

void ComboBox::UserSelect(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  itemIndex_ = index;
  text_ = items_[index];
  if (OnChange) OnChange();
}

void ComboBox::UserEdit(std::wstring text) {
  text_ = std::move(text);
  itemIndex_ = -1;
  if (OnChange) OnChange();
}

}  // namespace ui
