// Moving between real folders with the real controls of the main window.
#include <windows.h>
// The common controls' header builds on <windows.h>.
#include <commctrl.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"

namespace {

TEST_F(MainWindowOnDisk, MovesWithHistoryEnterDoubleClickBackspaceUpAndRefresh) {
  temp.MakeFolder(L"A");
  temp.MakeFolder(L"A\\B");
  temp.MakeFile(L"A\\file.txt", 10);
  temp.MakeFile(L"A\\B\\inner.txt", 10);
  const std::wstring entry0 = form->cbPath->Items().at(0);

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

  Click(*form->ButtonUP);
  EXPECT_EQ(PathText(), temp.Path());

  SelectOnly(RowOf(L"A"));
  PressKey(list, VK_RETURN);
  ASSERT_EQ(PathText(), temp.Path() + L"A\\");
  DeleteFileW((temp.Path() + L"A\\B\\inner.txt").c_str());
  RemoveDirectoryW((temp.Path() + L"A\\B").c_str());
  DeleteFileW((temp.Path() + L"A\\file.txt").c_str());
  RemoveDirectoryW((temp.Path() + L"A").c_str());
  Click(*form->ButtonRefresh);
  EXPECT_EQ(PathText(), entry0) << "a vanished folder falls back to the first history entry";
  EXPECT_FALSE(Rows().empty());
}

TEST_F(MainWindowOnDisk, PathBoxKeepsItsTextWhateverIsTyped) {
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

TEST_F(MainWindowOnDisk, HeaderClickReordersTheRows) {
  for (const auto& [name, size] : {std::pair{L"small.txt", 10}, std::pair{L"large.bin", 700000},
                                   std::pair{L"mid.dat", 2048}}) {
    temp.MakeFile(name, static_cast<DWORD>(size));
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
