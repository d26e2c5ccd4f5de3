#include <windows.h>

#include <algorithm>

#include "platform/TextCase.h"

namespace platform {

std::wstring UpperCase(std::wstring text) {
  // Plain ASCII, most file names, maps alike in every locale: no call to the system for it
  // (a sort by name upper-cases every name of the folder).
  if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; })) {
    for (wchar_t& c : text) {
      if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    }
    return text;
  }
  CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
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
