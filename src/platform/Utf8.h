#pragma once

#include <string>
#include <string_view>

namespace platform {

// UTF-8 to UTF-16; each malformed byte becomes U+FFFD.
std::wstring FromUtf8(std::string_view text);

}  // namespace platform
