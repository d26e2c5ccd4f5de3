#include "platform/TextCase.h"

#include <cwctype>

namespace platform {

std::wstring UpperCase(std::wstring text) {
  for (wchar_t& c : text) {
    // Characters outside the basic plane are UTF-16 surrogates elsewhere: leave them.
    if (c < 0x10000) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
  }
  return text;
}

int CompareTextIgnoreCase(std::wstring_view a, std::wstring_view b) {
  return UpperCase(std::wstring(a)).compare(UpperCase(std::wstring(b)));
}

}  // namespace platform
