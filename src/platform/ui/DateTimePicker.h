#pragma once

#include "platform/DateTime.h"
#include "platform/ui/Control.h"

namespace ui {

class PopupMenu;

enum class PickerKind { Date, Time };

// Holds a whole date-time value; the date kind shows its date, the time kind its hours and
// minutes. A user's edit changes only the shown fields and keeps the rest of the value.
class DateTimePicker : public Control {
 public:
  DateTimePicker(Component* owner, std::wstring name, Control* parent, PickerKind kind,
                 std::wstring format)
      : Control(owner, std::move(name), parent), kind_(kind), format_(std::move(format)) {}
  [[nodiscard]] Kind GetKind() const override { return Kind::DateTimePicker; }
  [[nodiscard]] PickerKind GetPickerKind() const { return kind_; }
  [[nodiscard]] const std::wstring& Format() const { return format_; }

  [[nodiscard]] const platform::DateTime& Value() const { return value_; }
  void SetValue(const platform::DateTime& value) {
    value_ = value;
    Notify(Aspect::Value);
  }
  // The user changed the shown fields.
  void UserChange(const platform::DateTime& shown);

  [[nodiscard]] PopupMenu* ContextMenu() const { return contextMenu_; }
  void SetContextMenu(PopupMenu* menu) { contextMenu_ = menu; }

  Event OnChange;

 private:
  PickerKind kind_;
  std::wstring format_;
  platform::DateTime value_;
  PopupMenu* contextMenu_ = nullptr;
};

inline void DateTimePicker::UserChange(const platform::DateTime& shown) {
  if (kind_ == PickerKind::Date) {
    value_.year = shown.year;
    value_.month = shown.month;
    value_.day = shown.day;
  } else {
    value_.hour = shown.hour;
    value_.minute = shown.minute;
  }
  if (OnChange) OnChange();
}

}  // namespace ui
