#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "platform/ui/Control.h"
#include "platform/win32/ui/Handles.h"

namespace platform::win32 {

// The fonts of one window at its DPI; rebuilt when the DPI changes.
class FontCache {
 public:
  // The font for a model font (empty face: the default Tahoma of height -11).
  HFONT Get(const ui::Font& font, int dpi);
  void Clear() { fonts_.clear(); }

 private:
  using Key = std::tuple<std::wstring, int, bool, int>;
  std::map<Key, UniqueFont> fonts_;
};

}  // namespace platform::win32
