// The main window as native windows: classes, parents, texts, places and fonts of its
// controls, its keyboard order, and a screenshot for a person to look at.
// The file system, the drives and the shell's answers are faked, so the window shows the
// same content on every machine; the rows take their icons from the real system lists.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "../shared/MainWindowDesign.h"
#include "MainWindowFixture.h"
#include "platform/ui/Layout.h"
#include "platform/win32/ui/Peers.h"

namespace {

using platform::win32::WindowOf;
using window_test::ClassOf;
using window_test::PlaceOf;
using window_test::Show;
using window_test::TextOf;

ui::Size ClientSizeOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

LOGFONTW FontOf(HWND window) {
  LOGFONTW font = {};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

// Over faked content: the same rows on every machine.
class MainWindow : public ShownMainWindow {
 protected:
  void SetUp() override { OpenOverSampleRows(); }
};

// The window class that shows a control of `kind`.
std::wstring ClassFor(ui::Kind kind) {
  switch (kind) {
    case ui::Kind::TabControl:
      return platform::win32::kPanelClass;
    case ui::Kind::ComboBox:
      return WC_COMBOBOXW;
    case ui::Kind::DateTimePicker:
      return DATETIMEPICK_CLASSW;
    case ui::Kind::ListView:
      return WC_LISTVIEWW;
    case ui::Kind::StatusBar:
      return STATUSCLASSNAMEW;
    default:
      return WC_BUTTONW;
  }
}

// The designed client area, unless the smallest outer size asks for more (thin frames).
ui::Size ExpectedClientSize(const ui::Form& form, HWND frame, int dpi) {
  RECT outer{0, 0, 0, 0};
  AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(frame, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(frame, GWL_EXSTYLE)));
  const ui::Size design = form.DesignClientSize();
  const ui::Size minimum = form.MinimumSize();
  const int frameWidth = outer.right - outer.left;
  const int frameHeight = outer.bottom - outer.top;
  return {std::max(ui::Scale(design.width, dpi), ui::Scale(minimum.width, dpi) - frameWidth),
          std::max(ui::Scale(design.height, dpi), ui::Scale(minimum.height, dpi) - frameHeight)};
}

TEST_F(MainWindow, MirrorsTheDesignedTreeInNativeWindows) {
  const int dpi = Dpi();
  const ui::Size client = ClientSizeOf(frame);
  const ui::Size expectedClient = ExpectedClientSize(*form, frame, dpi);
  EXPECT_EQ(client.width, expectedClient.width);
  EXPECT_EQ(client.height, expectedClient.height);
  EXPECT_EQ(TextOf(frame), form->Caption());

  // At 96 DPI the places are the designed ones; at other densities, the layout's.
  std::map<std::wstring, ui::Rect> laidOut;
  for (const ui::Placement& p : ui::LayoutForm(*form, client, dpi)) {
    laidOut[p.control->Name()] = p.rect;
  }
  const ui::Size designed = form->DesignClientSize();
  for (const design::Designed& e : design::kMainWindow) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(e.name)));
    HWND window = Named(e.name);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ClassOf(window), ClassFor(form->Find<ui::Control>(e.name)->GetKind()));
    EXPECT_EQ(GetParent(window), Named(e.parent) != nullptr ? Named(e.parent) : frame);
    const ui::Rect expected = dpi == 96 ? design::Followed(e, client.width - designed.width,
                                                           client.height - designed.height)
                                        : laidOut.at(e.name);
    EXPECT_EQ(PlaceOf(window), expected)
        << Show(PlaceOf(window)) << " instead of " << Show(expected);
    if (e.text != nullptr) {
      EXPECT_EQ(TextOf(window), e.text);
    }
    EXPECT_TRUE(IsWindowVisible(window));
  }
}

TEST_F(MainWindow, ShowsStatusPanelsColumnsStylesAndFonts) {
  const int dpi = Dpi();
  HWND status = Named(L"StatusBar1");
  int edges[4] = {};
  ASSERT_EQ(SendMessageW(status, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
  EXPECT_EQ(edges[0], ui::Scale(180, dpi));
  EXPECT_EQ(edges[1], ui::Scale(180, dpi) + ui::Scale(250, dpi));
  EXPECT_EQ(edges[2], -1) << "the last panel reaches to the right end";
  wchar_t count[64] = {};
  SendMessageW(status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(count));
  EXPECT_STREQ(count, L"Элементов:  5");

  HWND list = Named(L"ListViewAttributes");
  ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(list)), 4);
  const struct {
    const wchar_t* caption;
    int width;
    int format;
  } columns[] = {{L"Файл", 185, LVCFMT_LEFT},
                 {L"Тип", 120, LVCFMT_LEFT},
                 {L"Дата изменения", 120, LVCFMT_LEFT},
                 {L"Размер", 70, LVCFMT_RIGHT}};
  for (int i = 0; i < 4; ++i) {
    wchar_t caption[64] = {};
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = caption;
    column.cchTextMax = 64;
    ASSERT_TRUE(ListView_GetColumn(list, i, &column));
    EXPECT_STREQ(caption, columns[i].caption);
    EXPECT_EQ(column.cx, ui::Scale(columns[i].width, dpi)) << i;
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, columns[i].format) << i;
  }
  EXPECT_EQ(ListView_GetItemCount(list), 5);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(list, GWL_STYLE));
  for (DWORD bit :
       {static_cast<DWORD>(LVS_REPORT), static_cast<DWORD>(LVS_OWNERDATA),
        static_cast<DWORD>(LVS_SHOWSELALWAYS), static_cast<DWORD>(LVS_SHAREIMAGELISTS)}) {
    EXPECT_EQ(style & bit, bit) << std::hex << bit;
  }
  EXPECT_EQ(style & LVS_EDITLABELS, 0u);
  const DWORD extended = ListView_GetExtendedListViewStyle(list);
  EXPECT_EQ(extended & (LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER),
            static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER));
  EXPECT_EQ(ListView_GetImageList(list, LVSIL_SMALL),
            reinterpret_cast<HIMAGELIST>(fake.shell.smallList));

  EXPECT_EQ(GetWindowLongPtrW(Named(L"ComboBoxDrive"), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  EXPECT_EQ(GetWindowLongPtrW(Named(L"cbPath"), GWL_STYLE) & 3, CBS_DROPDOWN);
  EXPECT_NE(GetWindowLongPtrW(Named(L"TimePicker1"), GWL_STYLE) & DTS_UPDOWN, 0);

  const struct {
    const wchar_t* name;
    const wchar_t* face;
    int height;
    bool bold;
  } fonts[] = {{L"CheckBox_Hide", L"Tahoma", -11, false},
               {L"GroupBox1", L"Tahoma", -11, true},
               {L"GroupBox2", L"Tahoma", -11, false},
               {L"SpeedButton_GeneralMenu", L"Tahoma", -21, false},
               {L"DatePicker1", L"Segoe UI", -16, false},
               {L"ListViewAttributes", L"Tahoma", -11, false}};
  for (const auto& f : fonts) {
    const LOGFONTW font = FontOf(Named(f.name));
    EXPECT_STREQ(font.lfFaceName, f.face) << f.name;
    EXPECT_EQ(font.lfHeight, ui::Scale(f.height, dpi)) << f.name;
    EXPECT_EQ(font.lfWeight >= FW_BOLD, f.bold) << f.name;
  }
}

TEST_F(MainWindow, PickersShowTheirPartOfTheValue) {
  form->DatePicker1->SetValue({2024, 3, 7, 18, 5, 9, 0});
  form->TimePicker1->SetValue({2024, 3, 7, 18, 5, 9, 0});
  EXPECT_EQ(TextOf(Named(L"DatePicker1")), L"07/03/2024");
  EXPECT_EQ(TextOf(Named(L"TimePicker1")), L"18:05");
}

TEST_F(MainWindow, SavesAScreenshot) {
  form->ListViewAttributes->SetFocus();
  window_test::LetWindowsRun();
  const std::wstring name = L"main-window-" + std::to_wstring(Dpi()) + L"dpi.bmp";
  window_test::ExpectDrawn(window_test::SaveScreenshot(frame, name));
}

TEST_F(MainWindow, ResizingGrowsThePathBoxAndKeepsRefreshAtTheRight) {
  const int dpi = Dpi();
  RECT outer;
  GetWindowRect(frame, &outer);
  const int wider = ui::Scale(200, dpi);
  SetWindowPos(frame, nullptr, 0, 0, outer.right - outer.left + wider, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER);
  const ui::Size client = ClientSizeOf(frame);
  const ui::Rect path = PlaceOf(Named(L"cbPath"));
  const ui::Rect refresh = PlaceOf(Named(L"ButtonRefresh"));
  EXPECT_EQ(path.left, ui::Scale(214, dpi));
  EXPECT_EQ(client.width - path.Right(), ui::Scale(31, dpi)) << "keeps its right margin";
  EXPECT_EQ(client.width - refresh.Right(), ui::Scale(4, dpi));
  EXPECT_EQ(refresh.width, ui::Scale(24, dpi));

  // Smaller than the minimum outer size is refused.
  SetWindowPos(frame, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(frame, &outer);
  EXPECT_EQ(outer.right - outer.left, ui::Scale(700, dpi));
  EXPECT_EQ(outer.bottom - outer.top, ui::Scale(550, dpi));
}

TEST_F(MainWindow, FixedColumnsCannotBeResizedAndTheFirstKeepsItsMinimum) {
  const int dpi = Dpi();
  HWND native = Named(L"ListViewAttributes");
  HWND header = ListView_GetHeader(native);
  auto resize = [&](int column, int width) {
    HDITEMW item = {};
    item.mask = HDI_WIDTH;
    item.cxy = width;
    Header_SetItem(header, column, &item);
    return ListView_GetColumnWidth(native, column);
  };
  EXPECT_EQ(resize(1, ui::Scale(200, dpi)), ui::Scale(120, dpi));
  EXPECT_EQ(resize(3, ui::Scale(10, dpi)), ui::Scale(70, dpi));
  EXPECT_EQ(resize(0, ui::Scale(100, dpi)), ui::Scale(185, dpi)) << "not below the minimum";
  EXPECT_EQ(resize(0, ui::Scale(300, dpi)), ui::Scale(300, dpi)) << "the first may be widened";
  EXPECT_EQ(form->ListViewAttributes->Columns()[0].width, 300);

  NMHEADERW track = {};
  track.hdr = {header, static_cast<UINT_PTR>(GetDlgCtrlID(header)),
               static_cast<UINT>(HDN_BEGINTRACKW)};
  track.iItem = 2;
  EXPECT_EQ(SendMessageW(native, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&track)), TRUE)
      << "dragging a fixed column's divider is refused";
}

TEST_F(MainWindow, TabMovesThroughTheControlsAndEnterReachesThePathBox) {
  auto pressIn = [&](HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    dispatcher.ProcessMessages();
  };
  SetFocus(Named(L"ComboBoxDrive"));
  pressIn(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), Named(L"ButtonUP")) << "Tab goes on inside the path group";
  pressIn(GetFocus(), VK_TAB);
  EXPECT_TRUE(IsChild(Named(L"cbPath"), GetFocus())) << "to the path box's edit field";

  std::vector<unsigned> keys;
  form->cbPath->OnKeyDown = [&](unsigned& key) { keys.push_back(key); };
  pressIn(GetFocus(), VK_RETURN);
  EXPECT_EQ(keys, std::vector<unsigned>{VK_RETURN}) << "Enter is the path box's, not the dialog's";
}

TEST_F(MainWindow, GeneralMenuHangsBelowItsButtonWithRightEdgesAligned) {
  const int dpi = Dpi();
  RECT button;
  GetWindowRect(Named(L"SpeedButton_GeneralMenu"), &button);
  RECT menu = {};
  window_test::Screenshot shot;
  std::vector<std::wstring> captions;
  {
    const window_test::MenuWatcher watcher(
        [&](HWND window, HMENU items) {
          Sleep(100);  // drawn
          GetWindowRect(window, &menu);
          shot = window_test::SaveScreenshot(window,
                                             L"general-menu-" + std::to_wstring(dpi) + L"dpi.bmp");
          captions = window_test::MenuTexts(items);
        },
        {VK_ESCAPE});
    SendMessageW(Named(L"SpeedButton_GeneralMenu"), BM_CLICK, 0, 0);
  }
  EXPECT_EQ(menu.right, button.right);
  EXPECT_EQ(menu.top, button.bottom);
  EXPECT_EQ(captions,
            (std::vector<std::wstring>{L"Тема", L"Язык", L"Вид", L"", L"Обновить\tF5", L"",
                                       L"Проверить обновления", L"", L"О программе\tF1"}));
  window_test::ExpectDrawn(shot);
}

TEST_F(MainWindow, F10OpensTheGeneralMenuFromTheKeyboard) {
  std::vector<std::wstring> captions;
  {
    const window_test::MenuWatcher watcher(
        [&](HWND, HMENU items) { captions = window_test::MenuTexts(items); }, {VK_ESCAPE});
    PressKey(list, VK_F10);
  }
  ASSERT_FALSE(captions.empty()) << "no menu opened";
  EXPECT_EQ(captions.front(), L"Тема") << "the general menu";
}

}  // namespace
