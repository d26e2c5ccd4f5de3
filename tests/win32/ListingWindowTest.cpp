// The main window with a listed folder, saved as screenshots\\listing-window.bmp for a person
// to look at.
#include <windows.h>
// The common controls' header builds on <windows.h>.
#include <commctrl.h>

#include <string>

#include "MainWindowFixture.h"

namespace {

TEST_F(MainWindowOnDisk, ShowsAListedFolderWithIcons) {
  temp.MakeFolder(L"Фотографии");
  temp.MakeFolder(L"src");
  for (const auto& [name, size] : {std::pair{L"readme.txt", 2048}, std::pair{L"setup.exe", 734003},
                                   std::pair{L"photo.bmp", 5'000'000}, std::pair{L"notes.ini", 500},
                                   std::pair{L"empty.log", 0}}) {
    temp.MakeFile(name, static_cast<DWORD>(size));
  }
  ChooseHistory(temp.Path());

  ASSERT_EQ(ListView_GetItemCount(list), 7);
  EXPECT_NE(ListView_GetImageList(list, LVSIL_SMALL), nullptr);
  for (int row = 0; row < 7; ++row) {
    const ui::ListItem& item = form->ListViewAttributes->Item(static_cast<size_t>(row));
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
  window_test::ExpectDrawn(window_test::SaveScreenshot(frame, L"listing-window.bmp"));
}

}  // namespace
