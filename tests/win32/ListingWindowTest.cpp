#include <gtest/gtest.h>

#include <windows.h>
// The common controls' header builds on <windows.h>.
#include <commctrl.h>

#include <string>

#include "ListingWin32Support.h"
#include "WindowTestSupport.h"
#include "platform/win32/ui/Win32FormHost.h"

namespace {

void MakeFile(const std::wstring& path, DWORD size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  SetFilePointer(file, static_cast<LONG>(size), nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
}

// The main window with a listed folder, saved as screenshots\\listing-window.bmp for a person
// to look at.
TEST(ListingWindow, ShowsAListedFolderWithIcons) {
  const window_test::GuiScope gui;
  const listing_test::TempFolder temp;
  CreateDirectoryW((temp.Path() + L"Фотографии").c_str(), nullptr);
  CreateDirectoryW((temp.Path() + L"src").c_str(), nullptr);
  for (const auto& [name, size] : {std::pair{L"readme.txt", 2048}, std::pair{L"setup.exe", 734003},
                                   std::pair{L"photo.bmp", 5'000'000}, std::pair{L"notes.ini", 500},
                                   std::pair{L"empty.log", 0}}) {
    MakeFile(temp.Path() + name, static_cast<DWORD>(size));
  }
  platform::win32::Win32FormHost windows;  // outlives the form
  listing_test::RealBrowser browser(&windows);

  browser.form.Show();
  const HWND frame = platform::win32::WindowOf(browser.form);
  if (frame == nullptr) GTEST_SKIP() << "no display to make windows on";
  browser.form.cbPath->SetTextValue(temp.Path());
  browser.form.AddFile(temp.Path() + L"*.*", 0x1FF);
  window_test::LetWindowsRun();

  const HWND list = platform::win32::WindowOf(*browser.form.ListViewAttributes);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ListView_GetItemCount(list), 7);
  EXPECT_NE(ListView_GetImageList(list, LVSIL_SMALL), nullptr);
  for (int row = 0; row < 7; ++row) {
    const ui::ListItem& item = browser.form.ListViewAttributes->Item(static_cast<size_t>(row));
    wchar_t caption[MAX_PATH] = {};
    ListView_GetItemText(list, row, 0, caption, MAX_PATH);
    EXPECT_EQ(caption, item.caption) << row;
    wchar_t size[32] = {};
    ListView_GetItemText(list, row, 3, size, 32);
    EXPECT_EQ(size, item.subItems[2]) << item.caption;
    LVITEMW shown = {};
    shown.mask = LVIF_IMAGE;
    shown.iItem = row;
    ListView_GetItem(list, &shown);
    EXPECT_EQ(shown.iImage, item.imageIndex) << item.caption;
    EXPECT_GE(shown.iImage, 0) << item.caption;
  }
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 0) << "the first row is selected";
  EXPECT_FALSE(window_test::SaveScreenshot(frame, L"listing-window.bmp").empty());
}

}  // namespace
