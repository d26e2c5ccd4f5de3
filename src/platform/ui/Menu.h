#pragma once

#include <string>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/Form.h"

namespace ui {

class MenuItem;

// Something that holds menu items: a popup menu or an item with a submenu.
class MenuContainer {
 public:
  [[nodiscard]] const std::vector<MenuItem*>& Items() const { return items_; }
  void AddItem(MenuItem* item) { items_.push_back(item); }
  void ClearItems() { items_.clear(); }

 private:
  std::vector<MenuItem*> items_;
};

// A menu item. Like every component of a window it is owned by the window; `menu` is the
// popup menu or item it appears in.
class MenuItem : public Component, public MenuContainer {
 public:
  MenuItem(Component* owner, std::wstring name, MenuContainer& menu, std::wstring caption)
      : Component(owner, std::move(name)), caption_(std::move(caption)) {
    menu.AddItem(this);
  }
  [[nodiscard]] Kind GetKind() const override { return Kind::MenuItem; }

  [[nodiscard]] const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
  [[nodiscard]] const std::wstring& Hint() const { return hint_; }

  bool visible = true;
  bool enabled = true;
  bool checked = false;
  bool radioItem = false;
  // Shown beside the caption (such as "F5"); the key itself is the window's to handle.
  std::wstring shortcutText;
  // "&" in the caption shows as itself instead of marking the access key.
  bool literalAmpersands = false;

  // Empties the submenu, destroying its items; for a submenu made of items this one owns.
  void DestroySubmenu() {
    ClearItems();
    DestroyComponents();
  }

  [[nodiscard]] std::optional<std::wstring> GetText(std::wstring_view property) const override;
  bool SetText(std::wstring_view property, const std::wstring& value) override;

  void Click() const {
    if (OnClick) OnClick();
  }
  Event OnClick;

 private:
  std::wstring caption_;
  std::wstring hint_;
};

// A popup menu, opened by code or as a control's context menu.
class PopupMenu : public Component, public MenuContainer {
 public:
  using Component::Component;
  [[nodiscard]] Kind GetKind() const override { return Kind::PopupMenu; }

  // Opens the menu at a point of the screen (device pixels) through the host of the form
  // that owns it; returns when the menu has closed.
  void Popup(Point screen) {
    for (Component* c = Owner(); c != nullptr; c = c->Owner()) {
      if (auto* form = dynamic_cast<Form*>(c)) {
        form->Host().TrackPopup(*this, screen);
        return;
      }
    }
  }

  // The menu's right edge, not its left, is at the point it is opened at.
  bool alignRight = false;
};

inline std::optional<std::wstring> MenuItem::GetText(std::wstring_view property) const {
  if (property == L"Caption") return caption_;
  if (property == L"Hint") return hint_;
  return Component::GetText(property);
}

inline bool MenuItem::SetText(std::wstring_view property, const std::wstring& value) {
  if (property == L"Caption") {
    caption_ = value;
    return true;
  }
  if (property == L"Hint") {
    hint_ = value;
    return true;
  }
  return Component::SetText(property, value);
}

}  // namespace ui
