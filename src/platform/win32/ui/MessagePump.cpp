#include "platform/win32/ui/MessagePump.h"

#include <windows.h>

#include <optional>

#include "platform/win32/ui/FormWindow.h"

namespace platform::win32 {

namespace {

std::optional<ui::Key> KeyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_RETURN:
      return ui::Key::Enter;
    case VK_BACK:
      return ui::Key::Backspace;
    case VK_UP:
      return ui::Key::Up;
    case VK_F1:
      return ui::Key::F1;
    case VK_F5:
      return ui::Key::F5;
    case VK_F10:
      return ui::Key::F10;
    default:
      return std::nullopt;
  }
}

bool IsDown(int virtualKey) {
  return (GetKeyState(virtualKey) & 0x8000) != 0;
}

// A key pressed in a form that the form takes as a shortcut of its own.
bool IsShortcut(ui::Form& form, const MSG& msg) {
  if ((msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) || !form.OnShortcut) {
    return false;
  }
  const std::optional<ui::Key> key = KeyOf(msg.wParam);
  if (!key) return false;
  return form.OnShortcut({*key, IsDown(VK_MENU), IsDown(VK_CONTROL), IsDown(VK_SHIFT)});
}

}  // namespace

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
  if (FormWindow* form = FormWindow::Of(root)) {
    if (IsShortcut(form->Model(), msg) || IsDialogMessageW(root, &msg)) return true;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

}  // namespace platform::win32
