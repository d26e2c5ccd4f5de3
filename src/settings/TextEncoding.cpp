#include "settings/TextEncoding.h"

#include "platform/CodePage.h"
#include "platform/Utf8.h"

namespace settings {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

std::wstring FromUtf16(std::string_view bytes, bool bigEndian) {
  std::wstring text;
  text.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    text += static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  return text;
}

void AppendUnit(std::string& bytes, unsigned unit, bool bigEndian) {
  const auto high = static_cast<char>(unit >> 8);
  const auto low = static_cast<char>(unit & 0xFF);
  bytes += bigEndian ? high : low;
  bytes += bigEndian ? low : high;
}

std::string ToUtf16(std::wstring_view text, bool bigEndian) {
  std::string bytes(bigEndian ? kUtf16BeMark : kUtf16LeMark);
  bytes.reserve(bytes.size() + text.size() * 2);
  for (const wchar_t c : text) {
    // A four-byte wchar_t may hold a character beyond U+FFFF whole.
    if (const auto code = static_cast<char32_t>(c); code > 0xFFFF && code <= 0x10FFFF) {
      AppendUnit(bytes, 0xD800 + ((code - 0x10000) >> 10), bigEndian);
      AppendUnit(bytes, 0xDC00 + ((code - 0x10000) & 0x3FF), bigEndian);
    } else {
      AppendUnit(bytes, code & 0xFFFF, bigEndian);
    }
  }
  return bytes;
}

}  // namespace

DecodedText DecodeText(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) {
    return {platform::FromUtf8(bytes.substr(kUtf8Mark.size())), TextEncoding::Utf8};
  }
  if (bytes.starts_with(kUtf16LeMark)) {
    return {FromUtf16(bytes.substr(kUtf16LeMark.size()), false), TextEncoding::Utf16Le};
  }
  if (bytes.starts_with(kUtf16BeMark)) {
    return {FromUtf16(bytes.substr(kUtf16BeMark.size()), true), TextEncoding::Utf16Be};
  }
  return {platform::FromAnsi(bytes), TextEncoding::Ansi};
}

std::optional<std::string> EncodeText(std::wstring_view text, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return std::string(kUtf8Mark) + platform::ToUtf8(text);
    case TextEncoding::Utf16Le:
      return ToUtf16(text, false);
    case TextEncoding::Utf16Be:
      return ToUtf16(text, true);
    case TextEncoding::Ansi:
      break;
  }
  return platform::ToAnsi(text);
}

}  // namespace settings
