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

// Deeper than MAX_PATH, through names outside the Basic Multilingual Plane.
TEST_F(MainWindowOnDisk, LongPathsAndEmojiNamesListEnterAndEdit) {
  const std::wstring level = L"папка-\U0001F4C1-" + std::wstring(60, L'x');
  std::wstring deep = temp.Path();
  for (int i = 0; i < 4; ++i) {
    deep += level + L"\\";
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
  }
  ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
  const std::wstring inner = L"\U0001F600 inner";
  ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep + inner).c_str(), nullptr));
  const std::wstring file = L"\U0001F600.txt";
  const HANDLE made = CreateFileW((L"\\\\?\\" + deep + file).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(made, INVALID_HANDLE_VALUE);
  CloseHandle(made);

  ChooseHistory(deep);
  EXPECT_EQ(PathText(), deep);
  ASSERT_EQ(Rows(), (std::vector<std::wstring>{inner, file}));

  SelectOnly(RowOf(file));
  form->CheckBox_Hide->UserToggle(true);
  Click(*form->Button_Apply);
  EXPECT_NE(GetFileAttributesW((L"\\\\?\\" + deep + file).c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  form->DatePicker1->UserChange({2021, 6, 1, 0, 0, 0, 0});
  Click(*form->Button_DateTime);
  EXPECT_EQ(
      form->ListViewAttributes->Item(static_cast<size_t>(RowOf(file))).subItems[1].substr(0, 10),
      L"01.06.2021");
  EXPECT_TRUE(fake.dialogs.shown.empty()) << "no failure reported";

  DoubleClickRow(RowOf(inner));
  EXPECT_EQ(PathText(), deep + inner + L"\\");
  Click(*form->ButtonUP);
  EXPECT_EQ(PathText(), deep);
  EXPECT_EQ(Rows().size(), 2u);
}

}  // namespace
