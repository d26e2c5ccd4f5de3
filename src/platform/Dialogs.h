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
  // A question of the information kind with two buttons of these captions, the first one the
  // default. True when the first one was pressed.
  virtual bool AskYesNo(const ui::Form* owner, const std::wstring& text,
                        const std::wstring& caption, const std::wstring& yes,
                        const std::wstring& no) = 0;
};

}  // namespace platform
