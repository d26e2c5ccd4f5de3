#include <windows.h>

#include "platform/win32/Services.h"
#include "platform/win32/ui/Win32FormHost.h"

namespace platform::win32 {

int Win32Dialogs::ShowMessage(const ui::Form* owner, const std::wstring& text,
                              const std::wstring& caption, unsigned flags) {
  HWND window = owner != nullptr ? WindowOf(*owner) : nullptr;
  return MessageBoxW(window, text.c_str(), caption.c_str(), flags);
}

}  // namespace platform::win32
