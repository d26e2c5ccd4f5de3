#include "browser/ModifiedText.h"

namespace {

// Appends `value` with at least `width` digits (zero-padded); negative values as zero.
void AppendNumber(std::wstring& text, int value, int width) {
  wchar_t digits[12];
  int n = 0;
  unsigned v = value < 0 ? 0u : static_cast<unsigned>(value);
  do {
    digits[n++] = static_cast<wchar_t>(L'0' + v % 10);
    v /= 10;
  } while (v != 0);
  for (int i = n; i < width; ++i) text += L'0';
  while (n > 0) text += digits[--n];
}

}  // namespace

// Formatted by hand: it runs once for every entry of a listing.
std::wstring FormatModified(const platform::DateTime& t, const std::wstring& timeSeparator) {
  std::wstring text;
  text.reserve(16 + timeSeparator.size());
  AppendNumber(text, t.day, 2);
  text += L'.';
  AppendNumber(text, t.month, 2);
  text += L'.';
  AppendNumber(text, t.year, 4);
  text += L' ';
  AppendNumber(text, t.hour, 2);
  text += timeSeparator;
  AppendNumber(text, t.minute, 2);
  return text;
}
