#include "platform/win32/ui/SystemDarkMode.h"

#include <dwmapi.h>
#include <uxtheme.h>

#include <string>

namespace platform::win32::system_dark_mode {

namespace {

// The ordinals of uxtheme.dll since Windows 10 1903 (build 18362).
constexpr WORD kRefreshImmersiveColorPolicyState = 104;
constexpr WORD kAllowDarkModeForWindow = 133;
constexpr WORD kSetPreferredAppMode = 135;
constexpr WORD kFlushMenuThemes = 136;
constexpr DWORD kFirstBuild = 18362;

enum class AppMode { Default = 0, AllowDark = 1, ForceDark = 2, ForceLight = 3 };

using RefreshFn = void(WINAPI*)();
using AllowForWindowFn = bool(WINAPI*)(HWND, bool);
using SetAppModeFn = AppMode(WINAPI*)(AppMode);
using FlushFn = void(WINAPI*)();
using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);

template <class Function>
Function Lookup(HMODULE module, const char* name) {
  // Through void*: the entry point's real type is the one named here.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

DWORD SystemBuild() {
  auto getVersion = Lookup<RtlGetVersionFn>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (getVersion == nullptr || getVersion(&info) != 0 || info.dwMajorVersion < 10) return 0;
  return info.dwBuildNumber;
}

struct EntryPoints {
  RefreshFn refresh = nullptr;
  AllowForWindowFn allowForWindow = nullptr;
  SetAppModeFn setAppMode = nullptr;
  FlushFn flushMenuThemes = nullptr;

  EntryPoints() {
    if (SystemBuild() < kFirstBuild) return;
    HMODULE uxtheme = LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (uxtheme == nullptr) return;
    refresh = Lookup<RefreshFn>(uxtheme, MAKEINTRESOURCEA(kRefreshImmersiveColorPolicyState));
    allowForWindow = Lookup<AllowForWindowFn>(uxtheme, MAKEINTRESOURCEA(kAllowDarkModeForWindow));
    setAppMode = Lookup<SetAppModeFn>(uxtheme, MAKEINTRESOURCEA(kSetPreferredAppMode));
    flushMenuThemes = Lookup<FlushFn>(uxtheme, MAKEINTRESOURCEA(kFlushMenuThemes));
    // All or none: a system that lacks some may have other functions under the others' numbers.
    if (refresh == nullptr || allowForWindow == nullptr || setAppMode == nullptr ||
        flushMenuThemes == nullptr) {
      refresh = nullptr;
      allowForWindow = nullptr;
      setAppMode = nullptr;
      flushMenuThemes = nullptr;
      FreeLibrary(uxtheme);
    }
  }
};

const EntryPoints& Functions() {
  static const EntryPoints functions;
  return functions;
}

}  // namespace

bool Available() {
  return Functions().setAppMode != nullptr;
}

void SetProgramStyle(ui::Style style) {
  if (!Available()) return;
  const AppMode mode = style == ui::Style::Dark    ? AppMode::ForceDark
                       : style == ui::Style::Light ? AppMode::ForceLight
                                                   : AppMode::Default;
  Functions().setAppMode(mode);
  Functions().refresh();
  Functions().flushMenuThemes();
}

void StyleTitleBar(HWND window, ui::Style style) {
  // DWMWA_USE_IMMERSIVE_DARK_MODE: 20 since Windows 10 2004, 19 before; older systems and
  // Wine refuse both, and the title bar stays as it is.
  const BOOL dark = style == ui::Style::Dark ? TRUE : FALSE;
  if (FAILED(DwmSetWindowAttribute(window, 20, &dark, sizeof dark))) {
    DwmSetWindowAttribute(window, 19, &dark, sizeof dark);
  }
}

void StyleControl(HWND control, ui::Style style, const wchar_t* darkClass) {
  if (!Available() || control == nullptr) return;
  const bool dark = style == ui::Style::Dark;
  Functions().allowForWindow(control, dark);
  const std::wstring name = std::wstring(L"DarkMode_") + darkClass;
  SetWindowTheme(control, dark ? name.c_str() : nullptr, nullptr);
}

bool HighContrast() {
  HIGHCONTRASTW contrast = {};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) != FALSE &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace platform::win32::system_dark_mode
