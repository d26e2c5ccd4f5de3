#pragma once

#include <string>
#include <string_view>

namespace platform {

// UTF-8 to UTF-16; each malformed byte becomes U+FFFD.
std::wstring FromUtf8(std::string_view text);
// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);

}  // namespace platform
