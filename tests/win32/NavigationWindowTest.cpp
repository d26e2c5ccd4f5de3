// Moving between real folders with the real controls of the main window.
#include <gtest/gtest.h>

#include <windows.h>
// The common controls' header builds on <windows.h>.
#include <commctrl.h>

#include <string>
#include <vector>

#include "ListingWin32Support.h"
#include "WindowTestSupport.h"
#include "platform/win32/ui/MessagePump.h"
#include "platform/win32/ui/Win32FormHost.h"

namespace {

using platform::win32::WindowOf;

void MakeFile(const std::wstring& path, DWORD size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  SetFilePointer(file, static_cast<LONG>(size), nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
}

// Runs what is queued through the program's own pump, shortcuts included.
void Pump() {
  for (int round = 0; round < 3; ++round) {
    while (platform::win32::PumpMessage(false)) {
    }
    Sleep(20);
  }
}

// The main window over the real system, shown, with a temporary folder to move in.
class NavigationWindow : public testing::Test {
 protected:
  void SetUp() override {
    browser.form.Show();
    frame = WindowOf(browser.form);
    ASSERT_NE(frame, nullptr) << "no window could be made";
    list = WindowOf(*browser.form.ListViewAttributes);
    path = WindowOf(*browser.form.cbPath);
    Pump();
  }

  // The user picks a history entry from the path box's list.
  void ChooseHistory(const std::wstring& entry) {
    browser.form.cbPath->AddItem(entry);
    const auto index = static_cast<WPARAM>(browser.form.cbPath->Items().size() - 1);
    SendMessageW(path, CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(path), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(path), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(path));
    Pump();
  }

  int RowOf(const std::wstring& caption) const {
    LVFINDINFOW find = {};
    find.flags = LVFI_STRING;
    find.psz = caption.c_str();
    return ListView_FindItem(list, -1, &find);
  }

  void SelectOnly(int row) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Pump();
  }

  void PressKey(HWND window, WPARAM key) {
    SetFocus(window);
    PostMessageW(window, WM_KEYDOWN, key, 1);
    Pump();
  }

  void DoubleClickRow(int row) {
    RECT cell;
    ListView_GetItemRect(list, row, &cell, LVIR_LABEL);
    const LPARAM at = MAKELPARAM(cell.left + 4, (cell.top + cell.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    Pump();
  }

  void Click(const ui::Control& button) {
    SendMessageW(WindowOf(button), BM_CLICK, 0, 0);
    Pump();
  }

  std::wstring PathText() const {
    wchar_t text[1024] = {};
    GetWindowTextW(path, text, 1024);
    return text;
  }

  std::vector<std::wstring> Rows() const {
    std::vector<std::wstring> rows;
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
      wchar_t caption[MAX_PATH] = {};
      ListView_GetItemText(list, row, 0, caption, MAX_PATH);
      rows.emplace_back(caption);
    }
    return rows;
  }

  const window_test::GuiScope gui;
  const listing_test::TempFolder temp;
  platform::win32::Win32FormHost windows;  // outlives the form
  listing_test::RealBrowser browser{&windows};
  HWND frame = nullptr;
  HWND list = nullptr;
  HWND path = nullptr;
};

TEST_F(NavigationWindow, MovesWithHistoryEnterDoubleClickBackspaceUpAndRefresh) {
  CreateDirectoryW((temp.Path() + L"A").c_str(), nullptr);
  CreateDirectoryW((temp.Path() + L"A\\B").c_str(), nullptr);
  MakeFile(temp.Path() + L"A\\file.txt", 10);
  MakeFile(temp.Path() + L"A\\B\\inner.txt", 10);
  const std::wstring entry0 = browser.form.cbPath->Items().at(0);

  ChooseHistory(temp.Path());
  EXPECT_EQ(PathText(), temp.Path());
  ASSERT_EQ(Rows(), std::vector<std::wstring>{L"A"});

  SelectOnly(RowOf(L"A"));
  PressKey(list, VK_RETURN);
  EXPECT_EQ(PathText(), temp.Path() + L"A\\");
  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"B", L"file.txt"}));

  DoubleClickRow(RowOf(L"B"));
  EXPECT_EQ(PathText(), temp.Path() + L"A\\B\\");
  EXPECT_EQ(Rows(), std::vector<std::wstring>{L"inner.txt"});

  PressKey(list, VK_BACK);
  EXPECT_EQ(PathText(), temp.Path() + L"A\\");

  Click(*browser.form.ButtonUP);
  EXPECT_EQ(PathText(), temp.Path());

  SelectOnly(RowOf(L"A"));
  PressKey(list, VK_RETURN);
  ASSERT_EQ(PathText(), temp.Path() + L"A\\");
  DeleteFileW((temp.Path() + L"A\\B\\inner.txt").c_str());
  RemoveDirectoryW((temp.Path() + L"A\\B").c_str());
  DeleteFileW((temp.Path() + L"A\\file.txt").c_str());
  RemoveDirectoryW((temp.Path() + L"A").c_str());
  Click(*browser.form.ButtonRefresh);
  EXPECT_EQ(PathText(), entry0) << "a vanished folder falls back to the first history entry";
  EXPECT_FALSE(Rows().empty());
}

TEST_F(NavigationWindow, PathBoxKeepsItsTextWhateverIsTyped) {
  ChooseHistory(temp.Path());
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(path, &info));

  SetFocus(info.hwndItem);
  PostMessageW(info.hwndItem, WM_KEYDOWN, 'X', 1);
  PostMessageW(info.hwndItem, WM_CHAR, L'x', 1);
  Pump();

  EXPECT_EQ(PathText(), temp.Path());
  DWORD start = 1;
  DWORD end = 1;
  SendMessageW(info.hwndItem, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u) << "nothing stays highlighted";
}

TEST_F(NavigationWindow, HeaderClickReordersTheRows) {
  for (const auto& [name, size] : {std::pair{L"small.txt", 10}, std::pair{L"large.bin", 700000},
                                   std::pair{L"mid.dat", 2048}}) {
    MakeFile(temp.Path() + name, static_cast<DWORD>(size));
  }
  ChooseHistory(temp.Path());
  ASSERT_EQ(Rows(), (std::vector<std::wstring>{L"small.txt", L"mid.dat", L"large.bin"}));

  NMLISTVIEW click = {};
  click.hdr = {list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), LVN_COLUMNCLICK};
  click.iSubItem = 3;
  SendMessageW(GetParent(list), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
  Pump();

  EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"large.bin", L"mid.dat", L"small.txt"}))
      << "the first click sorts descending, by the byte count";
}

}  // namespace
