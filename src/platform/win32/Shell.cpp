#include <windows.h>
// The shell's headers build on <windows.h>.
#include <shellapi.h>
#include <shlobj.h>

#include <iterator>

#include "platform/win32/Services.h"
#include "platform/win32/ui/Win32FormHost.h"

namespace platform::win32 {

std::uintptr_t Win32Shell::SystemImageList(bool small) {
  SHFILEINFOW info = {};
  // The system's own list: shared by every process, never to be destroyed.
  return static_cast<std::uintptr_t>(SHGetFileInfoW(
      L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX | (small ? SHGFI_SMALLICON : 0)));
}

void Win32Shell::Open(const ui::Form* owner, const std::wstring& file,
                      const std::wstring& directory) {
  HWND window = owner != nullptr ? WindowOf(*owner) : nullptr;
  ShellExecuteW(window, nullptr, file.c_str(), L"", directory.c_str(), SW_SHOW);
}

void Win32Shell::NotifyAssociationsChanged() {
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

void Win32Shell::RefreshDesktop() {
  constexpr WPARAM kRefreshCommand = 0xA065;
  if (HWND desktop = FindWindowW(L"Progman", L"Program Manager")) {
    SendMessageW(desktop, WM_COMMAND, kRefreshCommand, 0);
  }
}

}  // namespace platform::win32
