// One control of each kind in native windows: what the user's actions do to the model, what
// the model's changes do to the windows, menus, hints, cursors and the form's own events.
#include <windows.h>

#include <commctrl.h>
#include <dbt.h>
#include <gtest/gtest.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "WindowTestSupport.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Menu.h"
#include "platform/win32/Services.h"
#include "platform/win32/ui/Backgrounds.h"
#include "platform/win32/ui/ThemeParts.h"
#include "platform/win32/ui/Win32FormHost.h"

namespace {

using platform::win32::WindowOf;
using window_test::ClassOf;

// What a drawing puts into a bitmap of `size` (32 bits, first filled with magenta, so that
// what is left undrawn shows).
std::vector<std::uint32_t> Drawn(SIZE size, const std::function<void(HDC)>& draw) {
  void* bits = nullptr;
  const platform::win32::UniqueBitmap bitmap =
      platform::win32::MakeSurfaceBitmap(size.cx, size.cy, &bits);
  const platform::win32::UniqueDc dc(CreateCompatibleDC(nullptr));
  if (bitmap == nullptr || dc == nullptr) return {};
  const platform::win32::Selected selected(dc.get(), bitmap.get());
  const auto pixels = static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy);
  std::fill_n(static_cast<std::uint32_t*>(bits), pixels, 0xFF00FFu);
  draw(dc.get());
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  return {first, first + pixels};
}

// The largest difference of one colour channel between two pictures of the same size.
int WorstDifference(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.size() != b.size() || a.empty()) return 255;
  int worst = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      worst = std::max(worst, std::abs(static_cast<int>((a[i] >> shift) & 0xFF) -
                                       static_cast<int>((b[i] >> shift) & 0xFF)));
    }
  }
  return worst;
}

// A form with one control of each kind the program uses.
class ControlsForm : public ui::Form {
 public:
  explicit ControlsForm(ui::FormHost& host) : ui::Form(nullptr, L"Controls", host) {
    SetCaption(L"Controls");
    SetDesignClientSize({480, 360});
    SetFont({L"Tahoma", -11, false});
    auto hand = [](ui::Control& c) { c.SetCursor(ui::Cursor::HandPoint); };

    Panel = &Create<ui::TabControl>(L"Panel", this);
    Panel->SetAlign(ui::Align::Top);
    Panel->SetBounds({0, 0, 480, 32});
    Speed = &Create<ui::SpeedButton>(L"Speed", Panel);
    Speed->SetAlign(ui::Align::Right);
    Speed->SetBounds({0, 0, 22, 22});
    Speed->SetCaption(L"≡");
    Speed->SetHint(L"Меню");

    Group = &Create<ui::GroupBox>(L"Group", this);
    Group->SetBounds({4, 36, 172, 100});
    Group->SetCaption(L"Группа");
    Check = &Create<ui::CheckBox>(L"Check", Group);
    Check->SetBounds({10, 15, 150, 17});
    Check->SetCaption(L"Отметка");
    hand(*Check);
    OtherCheck = &Create<ui::CheckBox>(L"OtherCheck", Group);
    OtherCheck->SetBounds({10, 32, 150, 17});
    OtherCheck->SetCaption(L"Другая");
    Push = &Create<ui::Button>(L"Push", Group);
    Push->SetBounds({43, 60, 75, 25});
    Push->SetCaption(L"Изменить");
    Push->SetHint(L"Нажать");
    hand(*Push);

    Choice = &Create<ui::ComboBox>(L"Choice", this, ui::ComboStyle::DropDownList);
    Choice->SetBounds({184, 40, 172, 21});
    Choice->AddItem(L"C:\\ [System]");
    Choice->SetItemIndex(0);
    hand(*Choice);

    Context = &Create<ui::PopupMenu>(L"Context");
    Now = &Create<ui::MenuItem>(L"Now", *Context, L"Текущие");
    Date = &Create<ui::DateTimePicker>(L"Date", this, ui::PickerKind::Date, L"dd/mm/yyyy");
    Date->SetBounds({184, 70, 150, 29});
    Time = &Create<ui::DateTimePicker>(L"Time", this, ui::PickerKind::Time, L"hh:nn");
    Time->SetBounds({184, 105, 150, 29});
    Time->SetContextMenu(Context);

    Progress = &Create<ui::ProgressBar>(L"Progress", this);
    Progress->SetBounds({344, 75, 132, 17});
    Progress->SetMax(100);
    Progress->SetPosition(40);

    List = &Create<ui::ListView>(L"List", this);
    List->SetBounds({4, 140, 472, 190});
    List->AddColumn({L"Файл", 185, 185, 0, false});
    List->AddColumn({L"Тип", 120, 120, 120, false});
    List->AddColumn({L"Размер", 40, 40, 0, true});  // right-aligned and too narrow: cut short
    for (const wchar_t* name : {L"Documents", L"readme.txt", L"Фотографии", L"setup.exe"}) {
      ui::ListItem item;
      item.caption = name;
      item.subItems = {std::wstring(L"type of ") + name};
      List->AddItem(std::move(item));
    }
    List->SetItemSelected(0, true);

    Status = &Create<ui::StatusBar>(L"Status", this);
    Status->SetAlign(ui::Align::Bottom);
    Status->SetBounds({0, 0, 480, 19});
    Status->AddPanel(200);

    Menu = &Create<ui::PopupMenu>(L"Menu");
  }

  ui::TabControl* Panel;
  ui::SpeedButton* Speed;
  ui::GroupBox* Group;
  ui::CheckBox* Check;
  ui::CheckBox* OtherCheck;
  ui::Button* Push;
  ui::ComboBox* Choice;
  ui::PopupMenu* Context;
  ui::MenuItem* Now;
  ui::DateTimePicker* Date;
  ui::DateTimePicker* Time;
  ui::ProgressBar* Progress;
  ui::ListView* List;
  ui::StatusBar* Status;
  ui::PopupMenu* Menu;
};

class ControlsWindow : public testing::Test {
 protected:
  void SetUp() override {
    form->Show();
    frame = WindowOf(*form);
    ASSERT_NE(frame, nullptr) << "no window could be made";
    window_test::LetWindowsRun();
  }

  [[nodiscard]] HWND Named(const wchar_t* name) const {
    auto* control = form->Find<ui::Control>(name);
    return control != nullptr ? WindowOf(*control) : nullptr;
  }

  window_test::GuiScope gui;
  platform::win32::Win32FormHost host;  // outlives the forms
  std::unique_ptr<ControlsForm> form = std::make_unique<ControlsForm>(host);
  HWND frame = nullptr;
};

TEST_F(ControlsWindow, UserClicksUpdateTheModelAndCodeChangesRaiseNothing) {
  int clicks = 0;
  form->Check->OnClick = [&] { ++clicks; };
  HWND box = Named(L"Check");
  const bool before = form->Check->Checked();
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_NE(form->Check->Checked(), before);

  form->Check->SetChecked(before);
  EXPECT_EQ(clicks, 1) << "a mark set by code runs no handler";
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), before ? BST_CHECKED : BST_UNCHECKED);

  int applied = 0;
  form->Push->OnClick = [&] { ++applied; };
  SendMessageW(Named(L"Push"), BM_CLICK, 0, 0);
  EXPECT_EQ(applied, 1);
}

TEST_F(ControlsWindow, ComboAndPickerChangesReachTheModel) {
  ui::ComboBox& drives = *form->Choice;
  drives.AddItem(L"D:\\ [Data]");
  int changes = 0;
  drives.OnChange = [&] { ++changes; };
  HWND combo = Named(L"Choice");
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

  ui::DateTimePicker& date = *form->Date;
  date.SetValue({2024, 3, 7, 18, 5, 9, 250});
  int picked = 0;
  date.OnChange = [&] { ++picked; };
  HWND picker = Named(L"Date");
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

TEST_F(ControlsWindow, ADroppedComboListShowsUpToEightRows) {
  HWND combo = Named(L"Choice");
  COMBOBOXINFO parts = {};
  parts.cbSize = sizeof parts;
  ASSERT_TRUE(GetComboBoxInfo(combo, &parts));
  for (const auto& [items, rows] : {std::pair{3, 3}, std::pair{12, 8}}) {
    while (form->Choice->Items().size() < static_cast<size_t>(items)) {
      form->Choice->AddItem(L"X:\\ [Drive " + std::to_wstring(form->Choice->Items().size()) + L"]");
    }
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    window_test::LetWindowsRun();
    RECT list;
    GetClientRect(parts.hwndList, &list);
    const auto row = static_cast<LONG>(SendMessageW(parts.hwndList, LB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(list.bottom / row, rows) << items << " items";
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  }
}

// A control on a group box fills its background with the group box's own surface, taken at
// the place where the control stands: not with the group's corner, caption and frame.
TEST_F(ControlsWindow, ControlsOnAGroupBoxFillWithItsSurfaceWhereTheyStand) {
  HWND group = Named(L"Group");
  HWND check = Named(L"Check");
  ASSERT_NE(check, nullptr);
  RECT groupClient;
  RECT checkClient;
  GetClientRect(group, &groupClient);
  GetClientRect(check, &checkClient);
  const auto shown = Drawn({groupClient.right, groupClient.bottom}, [&](HDC dc) {
    SendMessageW(group, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
  HBRUSH brush = nullptr;
  const auto filled = Drawn({checkClient.right, checkClient.bottom}, [&](HDC dc) {
    brush = reinterpret_cast<HBRUSH>(SendMessageW(
        group, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(check)));
    if (brush != nullptr) FillRect(dc, &checkClient, brush);
  });
  ASSERT_NE(brush, nullptr);

  POINT at{0, 0};
  MapWindowPoints(check, group, &at, 1);
  int differing = 0;
  for (int y = 0; y < checkClient.bottom; ++y) {
    for (int x = 0; x < checkClient.right; ++x) {
      const std::size_t shownAt = static_cast<std::size_t>(at.y + y) * groupClient.right + at.x + x;
      const std::size_t filledAt = static_cast<std::size_t>(y) * checkClient.right + x;
      if ((filled[filledAt] & 0xFFFFFF) != (shown[shownAt] & 0xFFFFFF)) ++differing;
    }
  }
  EXPECT_EQ(differing, 0) << "of " << checkClient.right * checkClient.bottom << " pixels";
}

// The list's header, drawn by the program, looks as a header that draws itself: captions
// aligned as their columns ask and cut short where they do not fit, the empty item right of
// the last column, a column under the mouse and a pressed one.
TEST_F(ControlsWindow, TheListHeaderLooksAsTheHeaderDrawsItself) {
  HWND list = Named(L"List");
  HWND header = ListView_GetHeader(list);
  RECT listWindow;
  GetWindowRect(list, &listWindow);
  HWND plain =
      CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, 0, 0,
                      listWindow.right - listWindow.left, listWindow.bottom - listWindow.top, frame,
                      nullptr, nullptr, nullptr);
  ASSERT_NE(plain, nullptr);
  SendMessageW(plain, WM_SETFONT, SendMessageW(list, WM_GETFONT, 0, 0), FALSE);
  for (int index = 0; index < Header_GetItemCount(header); ++index) {
    wchar_t caption[64] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
    item.pszText = caption;
    item.cchTextMax = 64;
    ASSERT_TRUE(Header_GetItem(header, index, &item));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = caption;
    column.cx = item.cxy;
    column.fmt = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT ? LVCFMT_RIGHT : LVCFMT_LEFT;
    ListView_InsertColumn(plain, index, &column);
  }
  HWND plainHeader = ListView_GetHeader(plain);
  RECT size;
  RECT plainSize;
  GetClientRect(header, &size);
  GetClientRect(plainHeader, &plainSize);
  ASSERT_EQ(size.right, plainSize.right);
  ASSERT_EQ(size.bottom, plainSize.bottom);

  auto print = [](HWND window) {
    return [window](HDC dc) {
      SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    };
  };
  const SIZE canvas{size.right, size.bottom};
  const auto normal = Drawn(canvas, print(header));
  EXPECT_LE(WorstDifference(normal, Drawn(canvas, print(plainHeader))), 4);

  // The mouse over the first column shows it hot.
  RECT first;
  Header_GetItemRect(header, 0, &first);
  POINT over{(first.left + first.right) / 2, (first.top + first.bottom) / 2};
  SendMessageW(plainHeader, WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
  ClientToScreen(header, &over);
  SetCursorPos(over.x, over.y);
  window_test::LetWindowsRun();
  const auto hot = Drawn(canvas, print(header));
  EXPECT_GT(WorstDifference(hot, normal), 4) << "the item under the mouse looks hot";
  EXPECT_LE(WorstDifference(hot, Drawn(canvas, print(plainHeader))), 4);

  // A pressed column looks pressed.
  ScreenToClient(header, &over);
  auto pressed = [&](HWND window) {
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(over.x, over.y));
    auto picture = Drawn(canvas, print(window));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(over.x, over.y));
    return picture;
  };
  const auto plainPressed = pressed(plainHeader);
  const auto ownPressed = pressed(header);
  EXPECT_GT(WorstDifference(ownPressed, hot), 4) << "the pressed item looks pressed";
  EXPECT_LE(WorstDifference(ownPressed, plainPressed), 4);
  DestroyWindow(plain);
}

TEST_F(ControlsWindow, ListSelectionGoesBothWaysWithoutEcho) {
  ui::ListView& list = *form->List;
  std::vector<std::pair<int, bool>> events;
  list.OnSelectItem = [&](int item, bool selected) { events.emplace_back(item, selected); };
  HWND native = Named(L"List");

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

TEST_F(ControlsWindow, RowsAreReadFromTheModel) {
  HWND native = Named(L"List");
  ui::ListView& list = *form->List;
  ASSERT_EQ(ListView_GetItemCount(native), 4);
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 2; ++column) {
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
  EXPECT_STREQ(first, L"Фотографии") << "the last name first";
}

TEST_F(ControlsWindow, DisabledGroupsDisableTheirControls) {
  form->Group->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(Named(L"Group")));
  EXPECT_FALSE(IsWindowEnabled(Named(L"OtherCheck")));
  EXPECT_FALSE(IsWindowEnabled(Named(L"Push")));
  form->OtherCheck->SetEnabled(false);
  form->Group->SetEnabled(true);
  EXPECT_FALSE(IsWindowEnabled(Named(L"OtherCheck"))) << "disabled on its own";
  EXPECT_TRUE(IsWindowEnabled(Named(L"Check")));
}

TEST_F(ControlsWindow, HandCursorOverButtonsBoxesAndCombos) {
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  for (const wchar_t* name : {L"Check", L"Push", L"Choice"}) {
    HWND window = Named(name);
    SetCursor(nullptr);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand) << testing::PrintToString(std::wstring(name));
  }
  HWND list = Named(L"List");
  SetCursor(nullptr);
  SendMessageW(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), hand);
}

TEST_F(ControlsWindow, HintsAreTooltips) {
  // The form's tooltip: the one that holds a tool for the push button (the list view has
  // a tooltip window of its own).
  auto toolFor = [&](const wchar_t* name) {
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = GetParent(Named(name));
    tool.uId = reinterpret_cast<UINT_PTR>(Named(name));
    return tool;
  };
  auto findTooltip = [&] {
    struct Search {
      TTTOOLINFOW tool;
      HWND found = nullptr;
    } search{toolFor(L"Push")};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) {
          auto& search = *reinterpret_cast<Search*>(param);
          if (ClassOf(window) == TOOLTIPS_CLASSW &&
              SendMessageW(window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&search.tool))) {
            search.found = window;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  };
  // The mouse over a control without a hint has no tip to bring up: the tooltip window is
  // not made for it.
  HWND check = Named(L"Check");
  SendMessageW(check, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(findTooltip(), nullptr);

  // The mouse resting on a control brings its tip up.
  HWND push = Named(L"Push");
  RECT place;
  GetWindowRect(push, &place);
  const POINT centre{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
  SetCursorPos(centre.x, centre.y);
  POINT inside = centre;
  ScreenToClient(push, &inside);
  SendMessageW(push, WM_MOUSEMOVE, 0, MAKELPARAM(inside.x, inside.y));
  HWND tooltip = findTooltip();
  ASSERT_NE(tooltip, nullptr);
  const DWORD end = GetTickCount() + 5000;
  while (!IsWindowVisible(tooltip) && GetTickCount() < end) window_test::LetWindowsRun();
  EXPECT_TRUE(IsWindowVisible(tooltip)) << "no tip over the resting mouse";

  auto tip = [&](const wchar_t* name) {
    wchar_t text[80] = {};
    TTTOOLINFOW tool = toolFor(name);
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    return std::wstring(text);
  };
  EXPECT_EQ(tip(L"Push"), L"Нажать");
  EXPECT_EQ(tip(L"Speed"), L"Меню");
  form->Push->SetHint(L"Up");
  EXPECT_EQ(tip(L"Push"), L"Up");
}

TEST_F(ControlsWindow, WindowMessagesReachTheFormAsTypedEvents) {
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

TEST_F(ControlsWindow, ModalFormsDisableTheirOwnerUntilClosed) {
  ControlsForm about(host);
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

TEST_F(ControlsWindow, ClosingTheRunFormEndsItsLoop) {
  bool closed = false;
  form->OnClose = [&] { closed = true; };
  form->OnShow = [&] { PostMessageW(frame, WM_CLOSE, 0, 0); };
  form->Close();  // hidden first, so that Run shows it again
  closed = false;
  host.Run(*form);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(IsWindowVisible(frame));
}

// Run tells once when the main window is shown, painted (its controls too, what its showing
// left to repaint included) and no message waits.
TEST_F(ControlsWindow, RunTellsWhenTheMainWindowHasSettled) {
  form->Close();  // hidden first, so that Run shows it again
  form->OnShow = [this] { InvalidateRect(Named(L"List"), nullptr, TRUE); };
  int calls = 0;
  bool settled = false;
  host.AfterMainWindowSettled([&] {
    ++calls;
    bool painted = GetUpdateRect(frame, nullptr, FALSE) == FALSE;
    EnumChildWindows(
        frame,
        [](HWND child, LPARAM all) {
          if (GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(all) = false;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&painted));
    settled = IsWindowVisible(frame) && painted;
    PostMessageW(frame, WM_CLOSE, 0, 0);
  });
  host.Run(*form);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(settled);
}

TEST_F(ControlsWindow, PickerContextMenuClicksTheChosenItem) {
  int chosen = 0;
  form->Now->OnClick = [&] { ++chosen; };
  HWND picker = Named(L"Time");
  RECT r;
  GetWindowRect(picker, &r);
  std::wstring shown;
  {
    const window_test::MenuWatcher watcher(
        [&](HWND, HMENU menu) {
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

TEST_F(ControlsWindow, PopupMenusShowTheModelsItems) {
  ui::PopupMenu& menu = *form->Menu;
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
    const window_test::MenuWatcher watcher(
        [&](HWND, HMENU h) {
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

struct StyleCase {
  const char* what;
  ui::Style style;
  const wchar_t* shot;
};

class StyledControls : public ControlsWindow, public testing::WithParamInterface<StyleCase> {
 protected:
  // Dark is dark and light is light, and something on it stands apart: a caption, a frame,
  // a mark. Text of the surface's own lightness would stand apart from nothing. (A bar shows
  // no text: its fill in the accent colour is all it has.)
  enum class Shows { Text, Fill };
  static void ExpectInStyle(ui::Style style, const RECT& place, const std::string& what,
                            Shows shows = Shows::Text) {
    ExpectInStyle(style, window_test::LightnessOf(place), what, shows);
  }
  static void ExpectInStyle(ui::Style style, const window_test::Lightness& seen,
                            const std::string& what, Shows shows = Shows::Text) {
    if (style == ui::Style::Dark) {
      EXPECT_LT(seen.mean, 96) << what << " is not dark";
    } else {
      EXPECT_GT(seen.mean, 160) << what << " is not light";
    }
    if (shows == Shows::Fill) return;
    EXPECT_GE(seen.lightest - seen.darkest, 100) << what << " shows nothing that stands out";
  }
};

TEST_P(StyledControls, EveryKindOfControlTakesTheStyle) {
  const StyleCase& c = GetParam();
  form->Status->SetPanelText(0, L"4 элемента");
  host.SetStyle(ui::Style::Dark);  // from another style, so that every control changes
  host.SetStyle(c.style);
  window_test::LetWindowsRun();

  for (const ui::Component* component : form->Components()) {
    const auto* control = dynamic_cast<const ui::Control*>(component);
    if (control == nullptr) continue;
    RECT place;
    ASSERT_TRUE(GetWindowRect(WindowOf(*control), &place));
    ExpectInStyle(c.style, place, testing::PrintToString(control->Name()),
                  control->GetKind() == ui::Kind::ProgressBar ? Shows::Fill : Shows::Text);
  }
  RECT client;
  GetClientRect(frame, &client);
  MapWindowPoints(frame, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  ExpectInStyle(c.style, client, "the form");
  window_test::ExpectDrawn(window_test::SaveScreenshot(frame, c.shot));

  // The combo box's list (as many drives as a machine has; the chosen one is in the system's
  // highlight) and the date picker's calendar, dropped down.
  for (const wchar_t* drive : {L"D:\\ [Data]", L"E:\\ [Backup]", L"F:\\ [USB]"}) {
    form->Choice->AddItem(drive);
  }
  HWND combo = Named(L"Choice");
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  window_test::LetWindowsRun();
  COMBOBOXINFO combos = {};
  combos.cbSize = sizeof combos;
  ASSERT_TRUE(GetComboBoxInfo(combo, &combos));
  RECT dropped;
  ASSERT_TRUE(GetWindowRect(combos.hwndList, &dropped));
  ExpectInStyle(c.style, dropped, "the combo box's list");
  window_test::ExpectDrawn(
      window_test::SaveScreenshot(combos.hwndList, std::wstring(L"combo-list-") + c.shot));
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);

  HWND picker = Named(L"Date");
  RECT field;
  GetClientRect(picker, &field);
  const LPARAM button = MAKELPARAM(field.right - 5, field.bottom / 2);
  SendMessageW(picker, WM_LBUTTONDOWN, MK_LBUTTON, button);
  SendMessageW(picker, WM_LBUTTONUP, 0, button);
  window_test::LetWindowsRun();
  HWND calendar = reinterpret_cast<HWND>(SendMessageW(picker, DTM_GETMONTHCAL, 0, 0));
  ASSERT_NE(calendar, nullptr) << "the calendar did not drop down";
  RECT month;
  GetWindowRect(calendar, &month);
  ExpectInStyle(c.style, month, "the calendar");
  window_test::ExpectDrawn(
      window_test::SaveScreenshot(calendar, std::wstring(L"calendar-") + c.shot));
  SendMessageW(calendar, WM_KEYDOWN, VK_ESCAPE, 0);
  window_test::LetWindowsRun();

  // A popup menu, drawn while it is open.
  form->Create<ui::MenuItem>(L"Checked", *form->Menu, L"Отмечено").checked = true;
  form->Create<ui::MenuItem>(L"Line", *form->Menu, L"-");
  form->Create<ui::MenuItem>(L"Key", *form->Menu, L"Обновить").shortcutText = L"F5";
  auto& sub = form->Create<ui::MenuItem>(L"Sub", *form->Menu, L"Вложенное");
  form->Create<ui::MenuItem>(L"Deep", sub, L"Глубоко");
  RECT menuPlace = {};
  window_test::Lightness menuSeen;
  {
    const window_test::MenuWatcher watcher(
        [&](HWND menu, HMENU) {
          Sleep(100);  // painted
          GetWindowRect(menu, &menuPlace);
          InflateRect(&menuPlace, -3, -3);  // the frame is the system's
          menuSeen = window_test::LightnessOf(menuPlace);
        },
        {VK_ESCAPE});
    form->Menu->Popup({200, 200});
  }
  ASSERT_GT(menuPlace.right, menuPlace.left) << "the menu opened";
  ExpectInStyle(c.style, menuSeen, "the popup menu");
}

INSTANTIATE_TEST_SUITE_P(
    Styles, StyledControls,
    testing::Values(StyleCase{"light", ui::Style::Light, L"controls-light.bmp"},
                    StyleCase{"dark", ui::Style::Dark, L"controls-dark.bmp"}),
    [](const testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.what); });

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

// A part of the visual style drawn in pieces looks as the style draws it whole: the panels'
// pane at the list panel's size, thin and small (drawn by the style itself), and the header's
// items in each state at column widths; each away from the origin.
TEST(StretchedThemePart, LooksAsTheVisualStyleDrawsIt) {
  const window_test::GuiScope gui;
  struct Case {
    const wchar_t* themeClass;
    int part;
    int state;
    SIZE size;
  };
  const Case cases[] = {
      {L"TAB", TABP_PANE, 0, {860, 720}},
      {L"TAB", TABP_PANE, 0, {180, 40}},
      {L"TAB", TABP_PANE, 0, {30, 500}},
      {L"TAB", TABP_PANE, 0, {12, 12}},
      {L"HEADER", HP_HEADERITEM, HIS_NORMAL, {185, 17}},
      {L"HEADER", HP_HEADERITEM, HIS_NORMAL, {355, 17}},
      {L"HEADER", HP_HEADERITEM, HIS_HOT, {120, 17}},
      {L"HEADER", HP_HEADERITEM, HIS_PRESSED, {70, 26}},
  };
  constexpr int kOffset = 3;
  for (const Case& c : cases) {
    HTHEME theme = OpenThemeData(nullptr, c.themeClass);
    ASSERT_NE(theme, nullptr) << "the test prefix has a visual style";
    const SIZE canvas{c.size.cx + 2 * kOffset, c.size.cy + 2 * kOffset};
    const RECT rect{kOffset, kOffset, kOffset + c.size.cx, kOffset + c.size.cy};
    platform::win32::StretchedThemePart stretched(c.part, c.state);
    const auto own = Drawn(
        canvas, [&](HDC dc) { DrawThemeBackground(theme, dc, c.part, c.state, &rect, nullptr); });
    const auto pieces = Drawn(canvas, [&](HDC dc) { stretched.Draw(theme, dc, rect); });
    EXPECT_LE(WorstDifference(own, pieces), 4) << c.themeClass << " part " << c.part << " state "
                                               << c.state << " " << c.size.cx << "x" << c.size.cy;
    CloseThemeData(theme);
  }
}
}  // namespace
