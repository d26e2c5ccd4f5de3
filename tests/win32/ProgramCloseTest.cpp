// Brindlow.exe itself, started beside the test program: closed while its start-up update check
// may still be waiting for servers it cannot reach, it ends cleanly with exit code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

TEST(Program, ClosedRightAfterStartEndsWithExitCodeZeroWhateverItsUpdateCheckIsDoing) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring program(self);
  program = program.substr(0, program.find_last_of(L'\\') + 1) + L"Brindlow.exe";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  std::wstring commandLine = L"\"" + program + L"\"";
  ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, nullptr, &startup, &started));
  Search search{started.dwProcessId, nullptr};
  for (int tries = 0; tries < 300 && search.found == nullptr; ++tries) {
    Sleep(50);
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
  }
  ASSERT_NE(search.found, nullptr) << "the main window did not appear";
  PostMessageW(search.found, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(started.hProcess, 30000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(started.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
}

}  // namespace
