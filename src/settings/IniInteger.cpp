#include "settings/IniInteger.h"

#include "settings/IniText.h"

namespace settings {

namespace {

int DigitValue(wchar_t c, int base) {
  int digit = base;
  if (c >= L'0' && c <= L'9') digit = c - L'0';
  if (base == 16 && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
  if (base == 16 && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
  return digit < base ? digit : -1;
}

// Strips a hexadecimal prefix; 10 when there is none.
int TakeBase(std::wstring_view& text) {
  for (const std::wstring_view prefix : {L"0x", L"0X", L"$", L"x", L"X"}) {
    if (text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
      return 16;
    }
  }
  return 10;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::wstring_view text) {
  text = StripLeft(text);
  const bool negative = text.starts_with(L'-');
  if (negative || text.starts_with(L'+')) text.remove_prefix(1);
  const int base = TakeBase(text);
  if (text.empty()) return std::nullopt;
  const std::uint64_t largest = base == 16 ? 0xFFFFFFFFu : negative ? 0x80000000u : 0x7FFFFFFFu;
  std::uint64_t magnitude = 0;
  for (const wchar_t c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > largest) return std::nullopt;
  }
  // Two's complement, so that hexadecimal names a bit pattern.
  const auto bits = static_cast<std::uint32_t>(magnitude);
  return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

}  // namespace settings
