#pragma once

#include <string>
#include <string_view>

namespace platform {

// Upper-cases each UTF-16 code unit with the system's mapping; the length never changes.
std::wstring UpperCase(std::wstring text);

// Orders two texts as the user's locale sorts them, without regard to case: below 0 when `a`
// comes first, 0 when they count as equal.
int CompareTextIgnoreCase(std::wstring_view a, std::wstring_view b);

}  // namespace platform
