#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

// How a text file is stored. The Unicode encodings begin with their byte-order mark; a file
// without one is in the system's ANSI code page.
enum class TextEncoding { Ansi, Utf8, Utf16Le, Utf16Be };

struct DecodedText {
  std::wstring text;
  TextEncoding encoding = TextEncoding::Ansi;
};

// Bytes that do not form characters of their encoding come out as U+FFFD (UTF-8) or are
// dropped (a lone last byte of UTF-16).
DecodedText DecodeText(std::string_view bytes);
// `text` in `encoding`, behind its byte-order mark; nothing when the ANSI code page cannot
// hold it.
std::optional<std::string> EncodeText(std::wstring_view text, TextEncoding encoding);

}  // namespace settings
