// Answers a message box of another program as a user would: waits for a dialog window with the
// given title and presses the button with the given id (6 is Yes).
//
//   press_button TITLE BUTTON-ID SECONDS    exit code 0 when pressed, 1 when none came in time
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return 2;
  const int button = _wtoi(argv[2]);
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(_wtoi(argv[3])) * 1000;
  while (GetTickCount64() < end) {
    if (HWND dialog = FindWindowW(L"#32770", argv[1])) {
      if (HWND pressed = GetDlgItem(dialog, button)) {
        SendMessageW(pressed, BM_CLICK, 0, 0);
        return 0;
      }
    }
    Sleep(100);
  }
  return 1;
}
