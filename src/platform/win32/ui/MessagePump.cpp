#include "platform/win32/ui/MessagePump.h"

#include <windows.h>

#include "platform/win32/ui/FormWindow.h"

namespace platform::win32 {

bool PumpMessage(bool wait) {
  MSG msg;
  if (wait) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) return false;
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
  } else {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
  }
  HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (FormWindow::Of(root) != nullptr && IsDialogMessageW(root, &msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

}  // namespace platform::win32
