#include "platform/ui/Control.h"

#include <algorithm>

namespace ui {

Control::Control(Component* owner, std::wstring name, Control* parent)
    : Component(owner, std::move(name)), parent_(parent) {
  if (parent_ == nullptr) return;
  parent_->children_.push_back(this);
  parent_->tabOrder_.push_back(this);
}

void Control::MoveBefore(Control& sibling) {
  if (parent_ == nullptr || sibling.parent_ != parent_ || &sibling == this) return;
  for (std::vector<Control*>* order : {&parent_->children_, &parent_->tabOrder_}) {
    order->erase(std::find(order->begin(), order->end(), this));
    order->insert(std::find(order->begin(), order->end(), &sibling), this);
  }
}

void Control::SetTabOrder(std::size_t position) {
  if (parent_ == nullptr) return;
  auto& order = parent_->tabOrder_;
  order.erase(std::find(order.begin(), order.end(), this));
  order.insert(order.begin() + static_cast<std::ptrdiff_t>(std::min(position, order.size())), this);
}

void Control::SetBounds(Rect bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Notify(Aspect::Bounds);
}

bool Control::EffectivelyEnabled() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->enabled_) return false;
  }
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  NotifyEnabledTree();
}

void Control::NotifyEnabledTree() const {
  Notify(Aspect::Enabled);
  for (const Control* child : children_) child->NotifyEnabledTree();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Notify(Aspect::Visible);
}

void Control::SetHint(std::wstring hint) {
  hint_ = std::move(hint);
  Notify(Aspect::Text);
}

void Control::SetAccessibleName(std::wstring name) {
  accessibleName_ = std::move(name);
  Notify(Aspect::Text);
}

Font Control::EffectiveFont() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->font_.face.empty()) return c->font_;
  }
  return Font{};
}

void Control::SetFont(Font font) {
  font_ = std::move(font);
  Notify(Aspect::Font);
}

std::optional<std::wstring> Control::GetText(std::wstring_view property) const {
  if (property == L"Hint") return hint_;
  if (property == L"AccessibleName") return accessibleName_;
  return Component::GetText(property);
}

bool Control::SetText(std::wstring_view property, const std::wstring& value) {
  if (property == L"Hint") {
    SetHint(value);
    return true;
  }
  if (property == L"AccessibleName") {
    SetAccessibleName(value);
    return true;
  }
  return Component::SetText(property, value);
}

void CaptionedControl::SetCaption(std::wstring caption) {
  caption_ = std::move(caption);
  Notify(Aspect::Text);
}

std::optional<std::wstring> CaptionedControl::GetText(std::wstring_view property) const {
  if (property == L"Caption") return caption_;
  return Control::GetText(property);
}

bool CaptionedControl::SetText(std::wstring_view property, const std::wstring& value) {
  if (property == L"Caption") {
    SetCaption(value);
    return true;
  }
  return Control::SetText(property, value);
}

}  // namespace ui
