#include "platform/win32/ui/Dpi.h"

#include "platform/win32/ui/Handles.h"

namespace platform::win32 {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <class Function>
Function Lookup(HMODULE module, const char* name) {
  // Through void*: the entry point's real type is the one named here.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// Entry points of Windows 10 1607 and later, looked up once.
struct DpiFunctions {
  GetDpiForWindowFn getDpiForWindow = nullptr;
  AdjustForDpiFn adjustForDpi = nullptr;

  DpiFunctions() {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    if (user == nullptr) return;
    getDpiForWindow = Lookup<GetDpiForWindowFn>(user, "GetDpiForWindow");
    adjustForDpi = Lookup<AdjustForDpiFn>(user, "AdjustWindowRectExForDpi");
  }
};

const DpiFunctions& Functions() {
  static const DpiFunctions functions;
  return functions;
}

}  // namespace

int WindowDpi(HWND window) {
  if (Functions().getDpiForWindow != nullptr && window != nullptr) {
    const UINT dpi = Functions().getDpiForWindow(window);
    if (dpi != 0) return static_cast<int>(dpi);
  }
  const WindowDc dc(nullptr);
  const int dpi = dc.Get() != nullptr ? GetDeviceCaps(dc.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

RECT OuterRect(RECT rect, DWORD style, DWORD exStyle, int dpi) {
  if (Functions().adjustForDpi != nullptr) {
    Functions().adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
  return rect;
}

}  // namespace platform::win32
