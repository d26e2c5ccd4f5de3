#pragma once

#include <string_view>

namespace settings {

// Blanks are every character up to and including U+0020, control characters among them.
inline bool IsBlank(wchar_t c) {
  return static_cast<char32_t>(c) <= U' ';
}

inline std::wstring_view StripLeft(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

inline std::wstring_view StripRight(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

inline std::wstring_view Strip(std::wstring_view text) {
  return StripLeft(StripRight(text));
}

}  // namespace settings
