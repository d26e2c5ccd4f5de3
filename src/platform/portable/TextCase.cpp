#include "platform/TextCase.h"

#include <locale>
#include <stdexcept>

namespace platform {

namespace {

// The letters of every script, whatever the process's own locale (C.UTF-8 is always present on
// the systems this builds on; without it, ASCII alone).
const std::ctype<wchar_t>& Letters() {
  static const std::locale locale = [] {
    try {
      return std::locale("C.UTF-8");
    } catch (const std::runtime_error&) {
      return std::locale::classic();
    }
  }();
  return std::use_facet<std::ctype<wchar_t>>(locale);
}

}  // namespace

std::wstring UpperCase(std::wstring text) {
  const std::ctype<wchar_t>& letters = Letters();
  for (wchar_t& c : text) {
    // Characters outside the basic plane are UTF-16 surrogates elsewhere: leave them.
    if (c < 0x10000) c = letters.toupper(c);
  }
  return text;
}

int CompareTextIgnoreCase(std::wstring_view a, std::wstring_view b) {
  return UpperCase(std::wstring(a)).compare(UpperCase(std::wstring(b)));
}

}  // namespace platform
