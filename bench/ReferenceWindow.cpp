// The floor that the program's start-up and close are measured against: the least a Win32
// program with a list view does. One window, a report list view with four columns and a dozen
// rows of text, shown and painted; closing it ends the process. Built with the program's
// manifest (common controls 6, per-monitor DPI), so both start on the same terms.
#include <windows.h>
// The common controls' header builds on <windows.h>.
#include <commctrl.h>

#include <string>

namespace {

constexpr wchar_t kClass[] = L"BrindlowBenchReference";
constexpr int kRows = 12;

HWND list = nullptr;

void FillList(HWND window) {
  list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                         WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 0, 0, 0, window,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
               LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  const wchar_t* captions[] = {L"Name", L"Type", L"Modified", L"Size"};
  for (int i = 0; i < 4; ++i) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = i == 0 ? 185 : 120;
    column.pszText = const_cast<wchar_t*>(captions[i]);
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  for (int row = 0; row < kRows; ++row) {
    std::wstring name = L"entry" + std::to_wstring(row);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = name.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    std::wstring size = std::to_wstring(row * 100) + L" B";
    item.iSubItem = 3;
    item.pszText = size.data();
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  }
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      FillList(window);
      return 0;
    case WM_SIZE:
      MoveWindow(list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClass;
  RegisterClassExW(&wc);
  HWND window = CreateWindowExW(0, kClass, L"Reference", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 700, 550, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
