#include "platform/win32/ui/Tooltips.h"

#include <commctrl.h>

#include "platform/win32/ui/SystemDarkMode.h"

namespace platform::win32 {

void Tooltips::Make() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, form_, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (tooltip_ == nullptr) return;
  ApplyStyle();
  for (const auto& [control, hint] : waiting_) {
    if (IsWindow(control)) Add(control, hint);
  }
  waiting_.clear();
}

void Tooltips::Set(HWND control, const std::wstring& hint) {
  if (control == nullptr) return;
  if (tooltip_ == nullptr) {
    if (hint.empty()) {
      waiting_.erase(control);
    } else {
      waiting_[control] = hint;
    }
    return;
  }
  Add(control, hint);
}

void Tooltips::Add(HWND control, const std::wstring& hint) const {
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

void Tooltips::Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message < WM_MOUSEFIRST || message > WM_MBUTTONUP) return;
  if (tooltip_ == nullptr) {
    // Until the mouse comes to a control with a hint there is no tip to show: the tooltip
    // (a pop-up window, costly to make) waits until then.
    if (form_ == nullptr || !waiting_.contains(control)) return;
    Make();
    if (tooltip_ == nullptr) return;
  }
  MSG relayed = {control,
                 message,
                 wParam,
                 lParam,
                 static_cast<DWORD>(GetMessageTime()),
                 {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}};
  ClientToScreen(control, &relayed.pt);
  SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void Tooltips::Restyle(const Palette& palette) {
  restyled_ = true;
  style_ = palette.Style();
  background_ = palette.tooltip;
  text_ = palette.tooltipText;
  ApplyStyle();
}

void Tooltips::ApplyStyle() const {
  if (tooltip_ == nullptr || !restyled_) return;
  system_dark_mode::StyleControl(tooltip_, style_, L"Explorer");
  SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, background_, 0);
  SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, text_, 0);
}

}  // namespace platform::win32
