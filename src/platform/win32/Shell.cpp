#include <windows.h>
// The shell's headers build on <windows.h>.
#include <shellapi.h>
#include <shlobj.h>
// IImageList builds on the shell's headers.
#include <commoncontrols.h>

#include <iterator>

#include "platform/win32/Services.h"
#include "platform/win32/ui/Win32FormHost.h"

namespace platform::win32 {

void Win32Shell::PrepareInBackground() {
  if (preparing_.joinable()) return;
  std::promise<void> listsMade;
  listsMade_ = listsMade.get_future();
  preparing_ = std::thread([listsMade = std::move(listsMade)]() mutable {
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    for (const int size : {SHIL_SMALL, SHIL_LARGE}) {
      IImageList* list = nullptr;
      if (SUCCEEDED(SHGetImageList(size, IID_PPV_ARGS(&list)))) list->Release();
    }
    listsMade.set_value();
    // The first type name of a listing otherwise pays for the shell's first parse of a path.
    KindOf(L"Brindlow", true);
    if (com) CoUninitialize();
  });
}

void Win32Shell::FinishPreparation() {
  if (preparing_.joinable()) preparing_.join();
}

std::uintptr_t Win32Shell::SystemImageList(bool small) {
  if (listsMade_.valid()) listsMade_.wait();
  // The system's own list, the one SHGetFileInfoW(L"", SHGFI_SYSICONINDEX) gives, without the
  // parse of the desktop that costs that call a third of its time at start-up. Shared by
  // every process, never to be destroyed; the reference taken here is not kept.
  IImageList* list = nullptr;
  if (FAILED(SHGetImageList(small ? SHIL_SMALL : SHIL_LARGE, IID_PPV_ARGS(&list)))) {
    return 0;
  }
  const auto handle = reinterpret_cast<std::uintptr_t>(list);
  list->Release();
  return handle;
}

void Win32Shell::Open(const ui::Form* owner, const std::wstring& file,
                      const std::wstring& directory) {
  HWND window = owner != nullptr ? WindowOf(*owner) : nullptr;
  ShellExecuteW(window, nullptr, file.c_str(), L"", directory.c_str(), SW_SHOW);
}

void Win32Shell::OpenLink(const ui::Form* owner, const std::wstring& address) {
  HWND window = owner != nullptr ? WindowOf(*owner) : nullptr;
  ShellExecuteW(window, L"open", address.c_str(), nullptr, nullptr, SW_SHOW);
}

void Win32Shell::Execute(const ui::Form* owner, const std::wstring& file,
                         const std::wstring& parameters, bool hidden) {
  HWND window = owner != nullptr ? WindowOf(*owner) : nullptr;
  ShellExecuteW(window, L"open", file.c_str(), parameters.c_str(), nullptr,
                hidden ? SW_HIDE : SW_SHOWNORMAL);
}

void Win32Shell::NotifyAssociationsChanged() {
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

void Win32Shell::RefreshDesktop() {
  constexpr WPARAM kRefreshCommand = 0xA065;
  // A shell that does not answer costs a short wait, never a hang.
  constexpr UINT kPatienceMs = 1000;
  if (HWND desktop = FindWindowW(L"Progman", L"Program Manager")) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(desktop, WM_COMMAND, kRefreshCommand, 0, SMTO_ABORTIFHUNG, kPatienceMs,
                        &ignored);
  }
}

std::optional<std::wstring> Win32Shell::AppDataFolder() {
  wchar_t path[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) {
    return std::nullopt;
  }
  return std::wstring(path);
}

}  // namespace platform::win32
