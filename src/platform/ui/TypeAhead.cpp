#include "platform/ui/TypeAhead.h"

#include "platform/TextCase.h"

namespace ui {

const std::wstring& TypeAhead::Add(wchar_t c, std::uint64_t nowMs) {
  if (!Typing(nowMs)) text_.clear();
  text_ += c;
  last_ = nowMs;
  return text_;
}

bool TypeAhead::Typing(std::uint64_t nowMs) const {
  return !text_.empty() && nowMs - last_ < kPauseMs;
}

std::wstring_view TypeAhead::Repeated() const {
  if (text_.empty()) return {};
  const std::wstring_view text = text_;
  const std::wstring_view first =
      text.substr(0, IsHighSurrogate(text[0]) && text.size() > 1 ? 2 : 1);
  for (std::size_t at = 0; at < text.size(); at += first.size()) {
    if (text.substr(at, first.size()) != first) return {};
  }
  return first;
}

bool StartsWithUpper(std::wstring_view text, const std::wstring& upperPrefix) {
  if (text.size() < upperPrefix.size()) return false;
  // Upper-casing keeps the length, so the prefix's upper case is a prefix of the text's.
  return platform::UpperCase(std::wstring(text.substr(0, upperPrefix.size()))) == upperPrefix;
}

}  // namespace ui
