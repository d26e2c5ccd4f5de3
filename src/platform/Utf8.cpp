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

}  // namespace platform
