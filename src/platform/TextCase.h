#pragma once

#include <string>

namespace platform {

// Upper-cases each UTF-16 code unit with the system's mapping; the length never changes.
std::wstring UpperCase(std::wstring text);

}  // namespace platform
