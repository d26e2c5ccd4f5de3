// The main window as native windows: classes, parents, texts and places of its controls,
// what the user's actions do to the model, and a screenshot for a person to look at.
// The file system, the drives and the shell's answers are faked, so the window shows the
// same content on every machine; the rows take their icons from the real system lists.
#include <windows.h>

#include <commctrl.h>
#include <dbt.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "../shared/MainWindowDesign.h"
#include "MainWindowFixture.h"
#include "info/Unit_About.h"
#include "platform/ui/Layout.h"

namespace {

using platform::win32::WindowOf;

constexpr platform::FileTime kWinterMorning = 133808857200000000;  // 2025-01-09 08:42 UTC

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Where a window stands in its parent's client area.
ui::Rect PlaceOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

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

std::string Show(const ui::Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) +
         "x" + std::to_string(r.height);
}

// Over faked content: the same rows on every machine.
class MainWindow : public ShownMainWindow {
 protected:
  void SetUp() override {
    fake.volumes.drives[L'C'] = {platform::DriveType::Fixed, L"System"};
    fake.files.AddFolder(L"C:\\");
    fake.files.AddFolder(L"C:\\Documents", kWinterMorning);
    fake.files.AddFolder(L"C:\\Фотографии", kWinterMorning);
    fake.files.AddFile(L"C:\\readme.txt", 2048, kWinterMorning);
    fake.files.AddFile(L"C:\\setup.exe", 734003, kWinterMorning);
    fake.files.AddFile(L"C:\\notes.ini", 500, kWinterMorning);
    Open(Content::Faked);
  }
};

// The window class that shows a control of `kind`.
std::wstring ClassFor(ui::Kind kind) {
  switch (kind) {
    case ui::Kind::TabControl:
      return WC_TABCONTROLW;
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
  const std::wstring name = L"main-window-" + std::to_wstring(Dpi()) + L".bmp";
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

TEST_F(MainWindow, UserClicksUpdateTheModelAndCodeChangesRaiseNothing) {
  int clicks = 0;
  form->CheckBox_Hide->OnClick = [&] { ++clicks; };
  HWND box = Named(L"CheckBox_Hide");
  const bool before = form->CheckBox_Hide->Checked();
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_NE(form->CheckBox_Hide->Checked(), before);

  form->CheckBox_Hide->SetChecked(before);
  EXPECT_EQ(clicks, 1) << "a mark set by code runs no handler";
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), before ? BST_CHECKED : BST_UNCHECKED);

  int applied = 0;
  form->Button_Apply->OnClick = [&] { ++applied; };
  SendMessageW(Named(L"Button_Apply"), BM_CLICK, 0, 0);
  EXPECT_EQ(applied, 1);
}

TEST_F(MainWindow, ComboAndPickerChangesReachTheModel) {
  ui::ComboBox& drives = *form->ComboBoxDrive;
  drives.AddItem(L"D:\\ [Data]");
  int changes = 0;
  drives.OnChange = [&] { ++changes; };
  HWND combo = Named(L"ComboBoxDrive");
  ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(drives.Items().size()));
  SendMessageW(combo, CB_SETCURSEL, 1, 0);
  SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(drives.ItemIndex(), 1);
  EXPECT_EQ(drives.Text(), L"D:\\ [Data]");

  drives.SetItemIndex(0);
  EXPECT_EQ(changes, 1) << "a choice made by code raises nothing";
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);

  ui::DateTimePicker& date = *form->DatePicker1;
  date.SetValue({2024, 3, 7, 18, 5, 9, 250});
  int picked = 0;
  date.OnChange = [&] { ++picked; };
  HWND picker = Named(L"DatePicker1");
  NMDATETIMECHANGE change = {};
  change.nmhdr = {picker, static_cast<UINT_PTR>(GetDlgCtrlID(picker)), DTN_DATETIMECHANGE};
  change.dwFlags = GDT_VALID;
  change.st = {2023, 12, 0, 31, 1, 2, 3, 4};
  SendMessageW(GetParent(picker), WM_NOTIFY, change.nmhdr.idFrom,
               reinterpret_cast<LPARAM>(&change));
  EXPECT_EQ(picked, 1);
  EXPECT_EQ(date.Value(), (platform::DateTime{2023, 12, 31, 18, 5, 9, 250}))
      << "a date picker changes only the date";
}

TEST_F(MainWindow, ListSelectionGoesBothWaysWithoutEcho) {
  ui::ListView& list = *form->ListViewAttributes;
  std::vector<std::pair<int, bool>> events;
  list.OnSelectItem = [&](int item, bool selected) { events.emplace_back(item, selected); };
  HWND native = Named(L"ListViewAttributes");

  list.SetItemSelected(0, false);
  list.SetItemSelected(2, true);
  list.SetFocused(2);
  EXPECT_EQ(events, (std::vector<std::pair<int, bool>>{{0, false}, {2, true}}))
      << "each change by code raises the event once";
  EXPECT_EQ(ListView_GetNextItem(native, -1, LVNI_SELECTED), 2);
  EXPECT_EQ(ListView_GetNextItem(native, 2, LVNI_SELECTED), -1);
  EXPECT_EQ(ListView_GetNextItem(native, -1, LVNI_FOCUSED), 2);

  events.clear();
  ListView_SetItemState(native, 3, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(events, (std::vector<std::pair<int, bool>>{{3, true}}));
  EXPECT_TRUE(list.IsSelected(3));
  EXPECT_EQ(list.Selected(), 2);

  events.clear();
  ListView_SetItemState(native, -1, 0, LVIS_SELECTED);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(list.SelectedCount(), 0u);

  int doubleClicks = 0;
  list.OnDblClick = [&] { ++doubleClicks; };
  NMITEMACTIVATE activate = {};
  activate.hdr = {native, static_cast<UINT_PTR>(GetDlgCtrlID(native)),
                  static_cast<UINT>(NM_DBLCLK)};
  SendMessageW(GetParent(native), WM_NOTIFY, activate.hdr.idFrom,
               reinterpret_cast<LPARAM>(&activate));
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(MainWindow, RowsAreReadFromTheModel) {
  HWND native = Named(L"ListViewAttributes");
  ui::ListView& list = *form->ListViewAttributes;
  for (int row = 0; row < ListView_GetItemCount(native); ++row) {
    for (int column = 0; column < 4; ++column) {
      wchar_t text[MAX_PATH] = {};
      ListView_GetItemText(native, row, column, text, MAX_PATH);
      const ui::ListItem& item = list.Item(static_cast<size_t>(row));
      EXPECT_EQ(text, column == 0 ? item.caption : item.subItems[static_cast<size_t>(column - 1)])
          << row << "," << column;
    }
  }
  // A sort by code shows the new order in place.
  list.SortByKey([](const ui::ListItem& item) { return ui::SortKey{0, item.caption, {}}; }, true);
  wchar_t first[MAX_PATH] = {};
  ListView_GetItemText(native, 0, 0, first, MAX_PATH);
  EXPECT_STREQ(first, L"Фотографии");
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

TEST_F(MainWindow, DisabledGroupsDisableTheirControls) {
  form->GroupBox1->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Named(L"GroupBox1")));
  EXPECT_FALSE(IsWindowEnabled(Named(L"CheckBox_Archive")));
  EXPECT_FALSE(IsWindowEnabled(Named(L"Button_Apply")));
  form->CheckBox_Archive->SetEnabled(false);
  form->GroupBox1->SetEnabled(true);
  EXPECT_FALSE(IsWindowEnabled(Named(L"CheckBox_Archive"))) << "disabled on its own";
  EXPECT_TRUE(IsWindowEnabled(Named(L"CheckBox_Hide")));
}

TEST_F(MainWindow, HandCursorOverButtonsBoxesAndCombos) {
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  for (const wchar_t* name : {L"CheckBox_System", L"ButtonUP", L"ComboBoxDrive"}) {
    HWND window = Named(name);
    SetCursor(nullptr);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand) << testing::PrintToString(std::wstring(name));
  }
  HWND list = Named(L"ListViewAttributes");
  SetCursor(nullptr);
  SendMessageW(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), hand);
}

TEST_F(MainWindow, HintsAreTooltips) {
  HWND tooltip = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) {
        if (ClassOf(window) == TOOLTIPS_CLASSW && GetWindow(window, GW_OWNER) != nullptr) {
          *reinterpret_cast<HWND*>(found) = window;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tooltip));
  ASSERT_NE(tooltip, nullptr);
  auto tip = [&](const wchar_t* name) {
    wchar_t text[80] = {};
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(Named(name));
    tool.uId = reinterpret_cast<UINT_PTR>(Named(name));
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    return std::wstring(text);
  };
  EXPECT_EQ(tip(L"ButtonUP"), L"Вверх");
  EXPECT_EQ(tip(L"ButtonRefresh"), L"Обновить");
  form->ButtonUP->SetHint(L"Up");
  EXPECT_EQ(tip(L"ButtonUP"), L"Up");
}

TEST_F(MainWindow, WindowMessagesReachTheFormAsTypedEvents) {
  std::vector<ui::DeviceChange> changes;
  form->OnDeviceChange = [&](ui::DeviceChange change) { changes.push_back(change); };
  for (WPARAM event : {DBT_DEVICEARRIVAL, DBT_DEVICEREMOVECOMPLETE, DBT_DEVNODES_CHANGED}) {
    SendMessageW(frame, WM_DEVICECHANGE, event, 0);
  }
  EXPECT_EQ(changes, (std::vector{ui::DeviceChange::VolumeArrived, ui::DeviceChange::VolumeRemoved,
                                  ui::DeviceChange::Other}));

  form->OnMoving = [](ui::Rect& proposed) {
    EXPECT_EQ(proposed, (ui::Rect{-20, 10, 700, 550}));
    proposed.left = 0;
  };
  RECT moving = {-20, 10, 680, 560};
  SendMessageW(frame, WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&moving));
  EXPECT_EQ(moving.left, 0) << "the correction reaches the system";
  EXPECT_EQ(moving.right, 700);

  std::vector<std::wstring> areas;
  form->OnSettingChange = [&](const std::wstring& area) { areas.push_back(area); };
  SendMessageW(frame, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"));
  SendMessageW(frame, WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  EXPECT_EQ(areas, (std::vector<std::wstring>{L"ImmersiveColorSet", L""}));

  std::vector<ui::Point> moves;
  form->OnMouseMove = [&](ui::Point client) { moves.push_back(client); };
  SendMessageW(frame, WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
  EXPECT_EQ(moves, (std::vector{ui::Point{5, 6}}));
}

TEST_F(MainWindow, ModalFormsDisableTheirOwnerUntilClosed) {
  TForm8 about(services);
  bool ownerDisabled = false;
  about.OnShow = [&] {
    ownerDisabled = !IsWindowEnabled(frame);
    PostMessageW(WindowOf(about), WM_CLOSE, 0, 0);
  };
  about.ShowModal();
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(frame));
  EXPECT_FALSE(about.Visible());
  EXPECT_FALSE(IsWindowVisible(WindowOf(about)));
}

TEST_F(MainWindow, ClosingTheMainWindowEndsItsLoop) {
  bool closed = false;
  form->OnClose = [&] { closed = true; };
  form->OnShow = [&] { PostMessageW(frame, WM_CLOSE, 0, 0); };
  form->Close();  // hidden first, so that Run shows it again
  closed = false;
  host.Run(*form);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(IsWindowVisible(frame));
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

// Waits on a thread of its own for the popup menu to open, looks at it, then presses keys
// in it (the menu's loop runs on the user-interface thread and waits for them).
class MenuWatcher {
 public:
  MenuWatcher(std::function<void(HMENU)> look, std::vector<WPARAM> keys)
      : thread_([look = std::move(look), keys = std::move(keys)] {
          for (int tries = 0; tries < 250; ++tries) {
            HWND menu = FindWindowW(L"#32768", nullptr);
            if (menu != nullptr && IsWindowVisible(menu)) {
              look(reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)));
              for (WPARAM key : keys) PostMessageW(menu, WM_KEYDOWN, key, 0);
              return;
            }
            Sleep(20);
          }
        }) {}
  ~MenuWatcher() { thread_.join(); }
  MenuWatcher(const MenuWatcher&) = delete;
  MenuWatcher& operator=(const MenuWatcher&) = delete;

 private:
  std::thread thread_;
};

TEST_F(MainWindow, PickerContextMenuClicksTheChosenItem) {
  int chosen = 0;
  form->CurrentDateTime->OnClick = [&] { ++chosen; };
  form->GroupBox3->SetEnabled(true);
  HWND picker = Named(L"TimePicker1");
  RECT r;
  GetWindowRect(picker, &r);
  std::wstring shown;
  {
    const MenuWatcher watcher(
        [&](HMENU menu) {
          wchar_t text[64] = {};
          GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
          shown = text;
        },
        {VK_DOWN, VK_RETURN});
    SendMessageW(picker, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(picker),
                 MAKELPARAM(r.left + 5, r.top + 5));
  }
  EXPECT_EQ(shown, L"Текущие");
  EXPECT_EQ(chosen, 1);
}

TEST_F(MainWindow, PopupMenusShowTheModelsItems) {
  ui::PopupMenu& menu = *form->PopupMenu_General;
  auto& radio = form->Create<ui::MenuItem>(L"Radio", menu, L"Радио");
  radio.radioItem = true;
  radio.checked = true;
  form->Create<ui::MenuItem>(L"Line", menu, L"-");
  form->Create<ui::MenuItem>(L"Off", menu, L"Недоступно").enabled = false;
  form->Create<ui::MenuItem>(L"Hidden", menu, L"Скрыто").visible = false;
  auto& sub = form->Create<ui::MenuItem>(L"Sub", menu, L"Вложенное");
  int deepClicks = 0;
  form->Create<ui::MenuItem>(L"Deep", sub, L"Глубоко").OnClick = [&] { ++deepClicks; };

  struct Seen {
    int count = -1;
    UINT radioType = 0;
    UINT radioState = 0;
    UINT lineType = 0;
    UINT offState = 0;
    bool hasSubmenu = false;
  } seen;
  {
    const MenuWatcher watcher(
        [&](HMENU h) {
          seen.count = GetMenuItemCount(h);
          MENUITEMINFOW info = {};
          info.cbSize = sizeof info;
          info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
          GetMenuItemInfoW(h, 0, TRUE, &info);
          seen.radioType = info.fType;
          seen.radioState = info.fState;
          GetMenuItemInfoW(h, 1, TRUE, &info);
          seen.lineType = info.fType;
          GetMenuItemInfoW(h, 2, TRUE, &info);
          seen.offState = info.fState;
          GetMenuItemInfoW(h, 3, TRUE, &info);
          seen.hasSubmenu = info.hSubMenu != nullptr;
        },
        {VK_ESCAPE});
    menu.alignRight = true;
    menu.Popup({200, 200});
  }
  EXPECT_EQ(seen.count, 4) << "the hidden item is left out";
  EXPECT_NE(seen.radioType & MFT_RADIOCHECK, 0u);
  EXPECT_NE(seen.radioState & MFS_CHECKED, 0u);
  EXPECT_NE(seen.lineType & MFT_SEPARATOR, 0u);
  EXPECT_NE(seen.offState & MFS_DISABLED, 0u);
  EXPECT_TRUE(seen.hasSubmenu);
  EXPECT_EQ(deepClicks, 0) << "a dismissed menu clicks nothing";
}

TEST(Dispatcher, RunsWorkFromAWorkerOnTheUserInterfaceThread) {
  platform::win32::Win32Dispatcher dispatcher;
  const DWORD ui = GetCurrentThreadId();
  std::atomic<bool> done = false;
  DWORD ranOn = 0;
  bool failureCame = false;
  std::thread worker([&] {
    dispatcher.RunOnUiThread([&] { ranOn = GetCurrentThreadId(); });
    try {
      dispatcher.RunOnUiThread([] { throw std::runtime_error("refused"); });
    } catch (const std::runtime_error&) {
      failureCame = true;
    }
    done = true;
  });
  while (!done) {
    dispatcher.ProcessMessages();
    Sleep(1);
  }
  worker.join();
  EXPECT_EQ(ranOn, ui);
  EXPECT_TRUE(failureCame) << "the worker learns of the failure";

  bool direct = false;
  dispatcher.RunOnUiThread([&] { direct = true; });
  EXPECT_TRUE(direct);
}

}  // namespace
