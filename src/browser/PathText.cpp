#include "browser/PathText.h"

#include <algorithm>

std::wstring CollapseBackslashes(const std::wstring& path) {
  std::wstring result;
  result.reserve(path.size());
  for (size_t i = 0; i < path.size(); ++i) {
    result += path[i];
    if (path[i] == L'\\' && i + 1 < path.size() && path[i + 1] == L'\\') ++i;
  }
  return result;
}

std::wstring WithTrailingBackslash(const std::wstring& text) {
  return !text.empty() && text.back() == L'\\' ? text : text + L'\\';
}

bool EqualsIgnoringAsciiCase(const std::wstring& a, const std::wstring& b) {
  auto fold = [](wchar_t c) { return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](wchar_t x, wchar_t y) { return fold(x) == fold(y); });
}
