#include <windows.h>

#include <vector>

#include "platform/win32/Services.h"

namespace platform::win32 {

std::wstring Win32Process::ExecutablePath() {
  // Long paths exceed MAX_PATH: grow the buffer until the whole path fits.
  constexpr DWORD kLongestPath = 32768;
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) return std::wstring(path.data(), length);
    if (size >= kLongestPath) return {};
    path.resize(path.size() * 2);
  }
}

}  // namespace platform::win32
