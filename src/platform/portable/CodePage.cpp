// Windows-1252, the ANSI code page of western systems, where the system cannot be asked.
#include <algorithm>
#include <iterator>

#include "platform/CodePage.h"

namespace platform {

namespace {

// 0x80 to 0x9F; the five bytes the code page leaves free stand for the C1 controls, as
// on Windows.
constexpr wchar_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::wstring FromAnsi(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (const char b : bytes) {
    const auto byte = static_cast<unsigned char>(b);
    text += byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : static_cast<wchar_t>(byte);
  }
  return text;
}

std::optional<std::string> ToAnsi(std::wstring_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (const wchar_t c : text) {
    const auto* found = std::find(std::begin(kHighControls), std::end(kHighControls), c);
    if (found != std::end(kHighControls)) {
      bytes += static_cast<char>(0x80 + (found - std::begin(kHighControls)));
    } else if (const auto unit = static_cast<char32_t>(c);
               unit < 0x80 || (unit >= 0xA0 && unit < 0x100)) {
      bytes += static_cast<char>(c);
    } else {
      return std::nullopt;
    }
  }
  return bytes;
}

}  // namespace platform
