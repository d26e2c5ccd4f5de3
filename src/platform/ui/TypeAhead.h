#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// What the user types on a list to find an item by its name: characters typed in quick
// succession make one text; after a pause a new text begins.
class TypeAhead {
 public:
  // The pause after which typing starts a new text, as users of file lists know it.
  static constexpr std::uint64_t kPauseMs = 1000;

  // Adds a character typed at `nowMs` (a monotonic clock in milliseconds); the text so far.
  const std::wstring& Add(wchar_t c, std::uint64_t nowMs);
  // A text is being typed: the last character came less than a pause ago.
  [[nodiscard]] bool Typing(std::uint64_t nowMs) const;
  // The one character (a code point: one or two code units) that makes up the whole text,
  // typed once or again and again; empty when the text holds different characters.
  [[nodiscard]] std::wstring_view Repeated() const;

 private:
  std::wstring text_;
  std::uint64_t last_ = 0;
};

// The first half of a UTF-16 pair: a character outside the basic plane.
constexpr bool IsHighSurrogate(wchar_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

// `text` starts with `upperPrefix` (upper-cased already), ignoring case.
bool StartsWithUpper(std::wstring_view text, const std::wstring& upperPrefix);

}  // namespace ui
