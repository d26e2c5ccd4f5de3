#include "platform/ui/Component.h"

namespace ui {

Component::Component(Component* owner, std::wstring name) : owner_(owner), name_(std::move(name)) {}

Component::~Component() {
  DestroyComponents();
}

void Component::DestroyComponents() {
  // Reverse creation order, as owned children may refer to earlier siblings.
  ordered_.clear();
  while (!owned_.empty()) owned_.pop_back();
}

Component* Component::FindComponent(std::wstring_view name) const {
  for (Component* c : ordered_) {
    if (c->Name() == name) return c;
  }
  return nullptr;
}

std::optional<std::wstring> Component::GetText(std::wstring_view /*property*/) const {
  return std::nullopt;
}

bool Component::SetText(std::wstring_view /*property*/, const std::wstring& /*value*/) {
  return false;
}

}  // namespace ui
