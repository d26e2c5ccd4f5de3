#include <windows.h>

#include "platform/TextCase.h"

namespace platform {

std::wstring UpperCase(std::wstring text) {
  if (!text.empty()) CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace platform
