#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace settings {

// An integer as ini values write it: leading blanks, an optional sign, then decimal digits,
// or hexadecimal digits after a "$", "x" or "0x" prefix. Hexadecimal covers 32 bits, so
// "$FFFFFFFF" is -1. Nothing for any other text or a value beyond 32 bits.
std::optional<std::int32_t> ParseInteger(std::wstring_view text);

}  // namespace settings
