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

std::wstring Win32Process::TempFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH, folder);
  return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

void Win32Process::Terminate() {
  terminating_ = true;
  PostQuitMessage(0);
}

void Win32Process::ExitNow(int code) {
  // Without the libraries' goodbyes: ExitProcess has them tear down while other threads (the
  // shell's, the network's, those of a program just started) may still be inside them, and
  // under Wine that teardown now and then crashed a process that had just handed over to the
  // setup program. Everything the program keeps is written and closed by then.
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(code));
  ExitProcess(static_cast<UINT>(code));  // not reached
}

void Win32Process::End(int code) {
  if (terminating_) ExitNow(code);
  // The usual way is the quicker one under Wine: ending the process from outside its own
  // threads costs it a few milliseconds more.
  ExitProcess(static_cast<UINT>(code));
}

}  // namespace platform::win32
