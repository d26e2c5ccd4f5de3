#pragma once

#include <cstdint>
#include <string>

namespace platform {

inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbIconError = 0x10;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A plain message box; `owner` 0 for none. Returns the button pressed.
  virtual int ShowMessage(std::uintptr_t owner, const std::wstring& text,
                          const std::wstring& caption, unsigned flags) = 0;
};

}  // namespace platform
