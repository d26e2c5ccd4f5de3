#include "RemoteProgram.h"

// The common controls' and process-memory headers build on <windows.h>.
#include <commctrl.h>
#include <psapi.h>

#include <cstddef>

namespace bench {

namespace {

constexpr std::size_t kRemoteSize = 4096;
constexpr int kTextChars = 512;
// A message the program does not answer within this time means it hangs.
constexpr UINT kSendTimeoutMs = 120'000;

struct TextBlock {
  LVITEMW item;
  wchar_t text[kTextChars];
};
static_assert(sizeof(TextBlock) <= kRemoteSize);

struct Search {
  DWORD processId;
  const wchar_t* windowClass;
  HWND found;
};

bool HasClass(HWND window, const wchar_t* windowClass) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return lstrcmpiW(name, windowClass) == 0;
}

BOOL CALLBACK FindTopLevel(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window) ||
      !HasClass(window, search.windowClass)) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

BOOL CALLBACK FindChild(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window) || !HasClass(window, search.windowClass)) return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM data) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
  return TRUE;
}

bool NothingToPaint(HWND window) {
  std::vector<HWND> windows{window};
  EnumChildWindows(window, CollectVisible, reinterpret_cast<LPARAM>(&windows));
  for (HWND w : windows) {
    RECT r;
    if (GetUpdateRect(w, &r, FALSE)) return false;
  }
  return true;
}

}  // namespace

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / frequency;
}

RemoteProgram::RemoteProgram(const std::wstring& exe) {
  const std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") + 1);
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  startedAt_ = Now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    return;
  }
  process_ = info.hProcess;
  thread_ = info.hThread;
  processId_ = info.dwProcessId;
}

RemoteProgram::~RemoteProgram() {
  if (process_ == nullptr) return;
  if (remote_ != nullptr) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    // A run that failed half-way must not leave the program behind.
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 10'000);
  }
  CloseHandle(thread_);
  CloseHandle(process_);
}

bool RemoteProgram::WaitForWindow(const wchar_t* windowClass, DWORD timeoutMs) {
  const double end = Now() + timeoutMs;
  while (Now() < end) {
    Search search{processId_, windowClass, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) {
      window_ = search.found;
      if (remote_ == nullptr) {
        remote_ = VirtualAllocEx(process_, nullptr, kRemoteSize, MEM_COMMIT | MEM_RESERVE,
                                 PAGE_READWRITE);
      }
      return remote_ != nullptr;
    }
    if (WaitForSingleObject(process_, 1) != WAIT_TIMEOUT) return false;
  }
  return false;
}

HWND RemoteProgram::Child(const wchar_t* windowClass) const {
  Search search{processId_, windowClass, nullptr};
  EnumChildWindows(window_, FindChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool RemoteProgram::Painted() const {
  if (!NothingToPaint(window_)) return false;
  Send(window_, WM_NULL, 0, 0);
  return NothingToPaint(window_);
}

LRESULT RemoteProgram::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

bool RemoteProgram::Write(const void* data, std::size_t size) const {
  return WriteProcessMemory(process_, remote_, data, size, nullptr) != FALSE;
}

bool RemoteProgram::Read(void* data, std::size_t size) const {
  return ReadProcessMemory(process_, remote_, data, size, nullptr) != FALSE;
}

int RemoteProgram::RowCount(HWND list) const {
  return static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring RemoteProgram::RowText(HWND list, int row, int column) const {
  TextBlock block = {};
  block.item.iSubItem = column;
  block.item.cchTextMax = kTextChars;
  block.item.pszText =
      reinterpret_cast<wchar_t*>(static_cast<char*>(Remote()) + offsetof(TextBlock, text));
  if (!Write(&block, sizeof block)) return {};
  Send(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(Remote()));
  if (!Read(&block, sizeof block)) return {};
  block.text[kTextChars - 1] = L'\0';
  return block.text;
}

int RemoteProgram::RowImage(HWND list, int row) const {
  LVITEMW item = {};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = -1;
  if (!Write(&item, sizeof item)) return -1;
  Send(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(Remote()));
  if (!Read(&item, sizeof item)) return -1;
  return item.iImage;
}

int RemoteProgram::FirstSelectedRow(HWND list) const {
  return static_cast<int>(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

RECT RemoteProgram::RowRect(HWND list, int row) const {
  return CellRect(list, row, 0, LVIR_LABEL);
}

RECT RemoteProgram::CellRect(HWND list, int row, int column, int part) const {
  RECT rect = {part, column, 0, 0};
  if (!Write(&rect, sizeof rect)) return {};
  Send(list, column == 0 ? LVM_GETITEMRECT : LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
       reinterpret_cast<LPARAM>(Remote()));
  if (!Read(&rect, sizeof rect)) return {};
  return rect;
}

void RemoteProgram::SelectOnly(HWND list, int row) const {
  LVITEMW item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  if (!Write(&item, sizeof item)) return;
  Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(Remote()));
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  if (!Write(&item, sizeof item)) return;
  Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(Remote()));
}

RECT RemoteProgram::HeaderItemRect(HWND header, int column) const {
  RECT rect = {};
  if (!Write(&rect, sizeof rect)) return {};
  Send(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(Remote()));
  if (!Read(&rect, sizeof rect)) return {};
  return rect;
}

SYSTEMTIME RemoteProgram::PickerValue(HWND picker) const {
  SYSTEMTIME value = {};
  if (!Write(&value, sizeof value)) return {};
  if (Send(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(Remote())) != GDT_VALID) {
    return {};
  }
  if (!Read(&value, sizeof value)) return {};
  return value;
}

std::size_t RemoteProgram::PrivateBytes() const {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process_, &counters, sizeof counters)) return 0;
  // Wine fills PagefileUsage, not PrivateUsage.
  return counters.PagefileUsage;
}

std::size_t RemoteProgram::SettledPrivateBytes(DWORD quietMs, DWORD timeoutMs) const {
  constexpr DWORD kPollMs = 50;
  std::size_t bytes = PrivateBytes();
  DWORD quiet = 0;
  for (DWORD waited = 0; quiet < quietMs && waited < timeoutMs; waited += kPollMs) {
    Sleep(kPollMs);
    const std::size_t now = PrivateBytes();
    quiet = now == bytes ? quiet + kPollMs : 0;
    bytes = now;
  }
  return bytes;
}

double RemoteProgram::Close(DWORD timeoutMs) {
  const double start = Now();
  PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return -1;
  return Now() - start;
}

}  // namespace bench
