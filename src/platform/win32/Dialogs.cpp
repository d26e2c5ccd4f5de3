#include <windows.h>

#include "platform/win32/Services.h"

namespace platform::win32 {

int Win32Dialogs::ShowMessage(std::uintptr_t owner, const std::wstring& text,
                              const std::wstring& caption, unsigned flags) {
  return MessageBoxW(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), flags);
}

}  // namespace platform::win32
