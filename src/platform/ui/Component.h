#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

enum class Kind {
  Form,
  TabControl,
  SpeedButton,
  GroupBox,
  ComboBox,
  Button,
  CheckBox,
  DateTimePicker,
  ListView,
  StatusBar,
  Label,
  LinkLabel,
  Image,
  ImageList,
  PopupMenu,
  MenuItem,
  ProgressBar,
  TaskbarProgress,
  // A component with neither window nor text of its own (a client of a service, say).
  NonVisual,
};

// A named element owned by another one (its owner destroys it). The owner keeps the
// components it owns in creation order; the translator and the settings walk that order.
class Component {
 public:
  Component(Component* owner, std::wstring name);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  [[nodiscard]] virtual Kind GetKind() const = 0;
  [[nodiscard]] const std::wstring& Name() const { return name_; }
  [[nodiscard]] Component* Owner() const { return owner_; }
  [[nodiscard]] const std::vector<Component*>& Components() const { return ordered_; }
  [[nodiscard]] Component* FindComponent(std::wstring_view name) const;

  template <class T>
  [[nodiscard]] T* Find(std::wstring_view name) const {
    return dynamic_cast<T*>(FindComponent(name));
  }

  // String properties by name: "Caption", "Hint", "Title", "Text", "TextHint",
  // "AccessibleName".
  // nullopt / false mean "this kind has no such property".
  [[nodiscard]] virtual std::optional<std::wstring> GetText(std::wstring_view property) const;
  virtual bool SetText(std::wstring_view property, const std::wstring& value);

  // Creates a component owned by this one.
  template <class T, class... Args>
  T& Create(Args&&... args) {
    auto made = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& ref = *made;
    ordered_.push_back(&ref);
    owned_.push_back(std::move(made));
    return ref;
  }

 protected:
  // Destroys every component this one owns, the latest first.
  void DestroyComponents();

 private:
  Component* owner_;
  std::wstring name_;
  std::vector<std::unique_ptr<Component>> owned_;
  std::vector<Component*> ordered_;
};

}  // namespace ui
