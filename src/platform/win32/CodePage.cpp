#include <windows.h>

#include "platform/CodePage.h"
#include "platform/Utf8.h"

namespace platform {

std::wstring FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), length);
  return text;
}

std::optional<std::string> ToAnsi(std::wstring_view text) {
  // A system set to UTF-8 as its ANSI code page holds every character, and the call below
  // refuses to report replacements for it.
  if (GetACP() == CP_UTF8) return ToUtf8(text);
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr,
                                         0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  BOOL replaced = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), length,
                      nullptr, &replaced);
  if (length == 0 || replaced) return std::nullopt;
  return bytes;
}

}  // namespace platform
