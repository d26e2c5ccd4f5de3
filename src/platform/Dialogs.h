#pragma once

#include <string>

namespace ui {
class Form;
}

namespace platform {

inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbIconError = 0x10;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message box, modal to `owner` (null for none). Returns the button pressed.
  virtual int ShowMessage(const ui::Form* owner, const std::wstring& text,
                          const std::wstring& caption, unsigned flags) = 0;
};

}  // namespace platform
