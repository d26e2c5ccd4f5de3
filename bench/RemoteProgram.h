#pragma once
// A program started by the benchmark and looked at from outside, as a user's tools see it:
// its windows, its list view's rows, its pickers, its memory. Structures that carry pointers
// are placed in the program's own memory, so that its controls can fill them.
#include <windows.h>

#include <string>
#include <vector>

namespace bench {

// Milliseconds of a steady clock.
double Now();

class RemoteProgram {
 public:
  // Starts `exe` with its own folder as the working folder; Started() tells whether it ran.
  explicit RemoteProgram(const std::wstring& exe);
  ~RemoteProgram();
  RemoteProgram(const RemoteProgram&) = delete;
  RemoteProgram& operator=(const RemoteProgram&) = delete;

  [[nodiscard]] bool Started() const { return process_ != nullptr; }
  // When the process was asked to start (Now()).
  [[nodiscard]] double StartedAt() const { return startedAt_; }

  // Waits until the process shows a top-level window of `windowClass`; false after
  // `timeoutMs` or when the process ended.
  bool WaitForWindow(const wchar_t* windowClass, DWORD timeoutMs);
  [[nodiscard]] HWND Window() const { return window_; }
  // The first visible descendant of the window of a class, or null.
  [[nodiscard]] HWND Child(const wchar_t* windowClass) const;

  // True when the window and every visible descendant have nothing left to paint, and the
  // program's user-interface thread has since come back to its message loop (so that a paint
  // begun before the check has ended).
  bool Painted() const;

  // The list view's rows, as the program answers for them (pointers in its own memory).
  [[nodiscard]] int RowCount(HWND list) const;
  [[nodiscard]] std::wstring RowText(HWND list, int row, int column) const;
  [[nodiscard]] int RowImage(HWND list, int row) const;
  [[nodiscard]] int FirstSelectedRow(HWND list) const;
  // The row's label rectangle in the list's client coordinates.
  [[nodiscard]] RECT RowRect(HWND list, int row) const;
  // A part (LVIR_ICON, LVIR_LABEL ...) of a row's cell in a column, in client coordinates;
  // asks for no text of the row.
  [[nodiscard]] RECT CellRect(HWND list, int row, int column, int part) const;
  // Makes `row` the only selected and the focused row, as a click on it does.
  void SelectOnly(HWND list, int row) const;
  [[nodiscard]] RECT HeaderItemRect(HWND header, int column) const;
  // The value a date-time picker shows, or an empty one.
  [[nodiscard]] SYSTEMTIME PickerValue(HWND picker) const;

  // Sends (and waits for) a message that carries no pointer.
  LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;

  // The program's committed private memory.
  [[nodiscard]] std::size_t PrivateBytes() const;
  // The same, once it has not changed for `quietMs` (at most `timeoutMs`): what the program
  // holds when the work it began at start-up (the update check) is over.
  [[nodiscard]] std::size_t SettledPrivateBytes(DWORD quietMs, DWORD timeoutMs) const;

  // Asks the main window to close; the time until the process has ended, or a negative
  // number when it did not end within `timeoutMs`.
  double Close(DWORD timeoutMs);

 private:
  // A block of the program's memory for one exchange at a time.
  void* Remote() const { return remote_; }
  bool Write(const void* data, std::size_t size) const;
  bool Read(void* data, std::size_t size) const;

  double startedAt_ = 0;
  HANDLE process_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
  void* remote_ = nullptr;
};

}  // namespace bench
