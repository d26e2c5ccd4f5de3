#include <windows.h>

#include "platform/win32/Services.h"
#include "platform/win32/ui/Win32FormHost.h"

namespace platform::win32 {

namespace {

// The captions the Yes and No buttons of the next message box of this thread take.
struct ButtonCaptions {
  const std::wstring* yes;
  const std::wstring* no;
  HHOOK hook;
};
thread_local ButtonCaptions* pendingCaptions = nullptr;

// Renames the buttons when the message box is about to be activated, then unhooks.
LRESULT CALLBACK RenameButtons(int code, WPARAM wParam, LPARAM lParam) {
  ButtonCaptions* captions = pendingCaptions;
  if (captions == nullptr) return CallNextHookEx(nullptr, code, wParam, lParam);
  const HHOOK hook = captions->hook;
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    SetDlgItemTextW(box, IDYES, captions->yes->c_str());
    SetDlgItemTextW(box, IDNO, captions->no->c_str());
    pendingCaptions = nullptr;
    UnhookWindowsHookEx(hook);
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

int Win32Dialogs::ShowMessage(const ui::Form* owner, const std::wstring& text,
                              const std::wstring& caption, unsigned flags) {
  HWND window = owner != nullptr ? WindowOf(*owner) : nullptr;
  return MessageBoxW(window, text.c_str(), caption.c_str(), flags);
}

bool Win32Dialogs::AskYesNo(const ui::Form* owner, const std::wstring& text,
                            const std::wstring& caption, const std::wstring& yes,
                            const std::wstring& no) {
  HWND window = owner != nullptr ? WindowOf(*owner) : nullptr;
  ButtonCaptions captions{&yes, &no, nullptr};
  captions.hook = SetWindowsHookExW(WH_CBT, RenameButtons, nullptr, GetCurrentThreadId());
  if (captions.hook != nullptr) pendingCaptions = &captions;
  const int answer = MessageBoxW(window, text.c_str(), caption.c_str(),
                                 MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON1);
  if (pendingCaptions == &captions) {
    pendingCaptions = nullptr;
    UnhookWindowsHookEx(captions.hook);
  }
  return answer == IDYES;
}

}  // namespace platform::win32
