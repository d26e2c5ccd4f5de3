#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The system's ANSI code page: the encoding of text files that carry no byte-order mark.
std::wstring FromAnsi(std::string_view bytes);
// Nothing when a character has no place in the code page.
std::optional<std::string> ToAnsi(std::wstring_view text);

}  // namespace platform
