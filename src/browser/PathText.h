#pragma once

#include <string>

// Replaces every pair of backslashes by one, left to right over non-overlapping pairs.
std::wstring CollapseBackslashes(const std::wstring& path);
// `text` with a backslash appended when it does not end with one.
std::wstring WithTrailingBackslash(const std::wstring& text);
// Equal when the letters a-z are taken as A-Z; every other character compares exactly.
bool EqualsIgnoringAsciiCase(const std::wstring& a, const std::wstring& b);
