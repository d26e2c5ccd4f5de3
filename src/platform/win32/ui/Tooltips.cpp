#include "platform/win32/ui/Tooltips.h"

#include <commctrl.h>

#include "platform/win32/ui/SystemDarkMode.h"

namespace platform::win32 {

void Tooltips::Create(HWND form) {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleW(nullptr),
                             nullptr);
}

void Tooltips::Set(HWND control, const std::wstring& hint) {
  if (tooltip_ == nullptr || control == nullptr) return;
  std::wstring text = hint;
  TTTOOLINFOW tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text.data();
  // Replacing the tool is simpler than asking whether it exists; removing an unknown one is
  // harmless.
  SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!hint.empty()) SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const {
  if (tooltip_ == nullptr || message < WM_MOUSEFIRST || message > WM_MBUTTONUP) return;
  MSG relayed = {control,
                 message,
                 wParam,
                 lParam,
                 static_cast<DWORD>(GetMessageTime()),
                 {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}};
  ClientToScreen(control, &relayed.pt);
  SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace platform::win32

namespace platform::win32 {

void Tooltips::Restyle(const Palette& palette) {
  if (tooltip_ == nullptr) return;
  system_dark_mode::StyleControl(tooltip_, palette.Style(), L"Explorer");
  SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, palette.tooltip, 0);
  SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, palette.tooltipText, 0);
}

}  // namespace platform::win32
