#include "platform/Utf8.h"

namespace platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16(std::wstring& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<wchar_t>(c);
    return;
  }
  c -= 0x10000;
  out += static_cast<wchar_t>(0xD800 + (c >> 10));
  out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
  constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLead[length] | (c >> (6 * (length - 1))));
  for (int shift = 6 * (length - 2); shift >= 0; shift -= 6) {
    out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
  }
}

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c < 0xDC00;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c < 0xE000;
}

}  // namespace

std::wstring FromUtf8(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80                   ? 1
                       : lead >= 0xC2 && lead < 0xE0 ? 2
                       : lead >= 0xE0 && lead < 0xF0 ? 3
                       : lead >= 0xF0 && lead < 0xF5 ? 4
                                                     : 0;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    int taken = 1;
    while (length > 1 && taken < length && i + taken < text.size() &&
           (static_cast<unsigned char>(text[i + taken]) & 0xC0) == 0x80) {
      c = (c << 6) | (static_cast<unsigned char>(text[i + taken]) & 0x3F);
      ++taken;
    }
    // Overlong forms, surrogates and values past U+10FFFF are as malformed as a cut sequence.
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = length != 0 && taken == length && c >= kSmallest[length] && c <= 0x10FFFF &&
                       (c < 0xD800 || c > 0xDFFF);
    AppendUtf16(out, valid ? c : kReplacement);
    i += valid ? taken : 1;
  }
  return out;
}

std::string ToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    // A wide character past U+FFFF (four-byte wchar_t) is taken whole.
    char32_t c = static_cast<char32_t>(text[i]);
    if (IsHighSurrogate(c) && i + 1 < text.size() &&
        IsLowSurrogate(static_cast<char32_t>(text[i + 1]))) {
      c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c) || c > 0x10FFFF) {
      c = kReplacement;
    }
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace platform
