#include <windows.h>

#include "platform/TextCase.h"

namespace platform {

std::wstring UpperCase(std::wstring text) {
  if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

int CompareTextIgnoreCase(std::wstring_view a, std::wstring_view b) {
  // String sort: hyphens and apostrophes count like every other character.
  const int order = CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT,
                                    a.data(), static_cast<int>(a.size()), b.data(),
                                    static_cast<int>(b.size()), nullptr, nullptr, 0);
  return order == 0 ? UpperCase(std::wstring(a)).compare(UpperCase(std::wstring(b)))
                    : order - CSTR_EQUAL;
}

}  // namespace platform
