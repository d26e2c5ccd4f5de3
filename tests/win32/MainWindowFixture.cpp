#include "MainWindowFixture.h"

// The common controls' header builds on <windows.h>.
#include <commctrl.h>

#include <algorithm>

#include "platform/win32/ui/MessagePump.h"

using platform::win32::WindowOf;

void ShownMainWindow::Open(Content content) {
  services = fake.services;
  services.dispatcher = &dispatcher;
  services.forms = &host;
  if (content == Content::Real) {
    services.files = &realFiles;
    services.volumes = &realVolumes;
    services.shell = &realShell;
    services.clock = &realClock;
  } else {
    fake.shell.smallList = realShell.SystemImageList(true);
    fake.shell.largeList = realShell.SystemImageList(false);
  }
  form = std::make_unique<TForm1>(services, state);
  about = std::make_unique<TForm8>(services);
  // No servers, and the fake network: no check leaves the machine.
  update = std::make_unique<TForm10>(services, state, updater::UpdateServers{},
                                     [this] { return form->PortablePath(); });
  form->SetModalWindows(about.get(), update.get());
  form->CleanTranslationsLikeGlobload();
  form->LoadLanguage();
  form->globLoad();
  form->Show();
  frame = WindowOf(*form);
  ASSERT_NE(frame, nullptr) << "no window could be made";
  window_test::ExpectTheRunsDpi(frame);
  list = Named(L"ListViewAttributes");
  path = Named(L"cbPath");
  Pump();
}

void ShownMainWindow::OpenOverSampleRows() {
  constexpr platform::FileTime kWinterMorning = 133808857200000000;  // 2025-01-09 08:42 UTC
  fake.volumes.drives[L'C'] = {platform::DriveType::Fixed, L"System"};
  fake.files.AddFolder(L"C:\\");
  fake.files.AddFolder(L"C:\\Documents", kWinterMorning);
  fake.files.AddFolder(L"C:\\Фотографии", kWinterMorning);
  fake.files.AddFile(L"C:\\readme.txt", 2048, kWinterMorning);
  fake.files.AddFile(L"C:\\setup.exe", 734003, kWinterMorning);
  fake.files.AddFile(L"C:\\notes.ini", 500, kWinterMorning);
  Open(Content::Faked);
}

void ShownMainWindow::FakePortableProgram() {
  fake.volumes.drives[L'C'] = {platform::DriveType::Fixed, L"System"};
  fake.files.AddFolder(L"C:\\");
  fake.files.AddFolder(L"C:\\Program");
  fake.files.AddFile(L"C:\\Program\\portable.ini");
  fake.files.AddFolder(L"C:\\Program\\Language");
  fake.files.AddFolder(L"C:\\Program\\Config");
  const std::string english = window_test::ShippedLanguage(L"English.ini");
  ASSERT_FALSE(english.empty()) << "English.ini is not beside the test program";
  fake.files.AddFileBytes(L"C:\\Program\\Language\\English.ini", english);
  fake.process.executable = L"C:\\Program\\Brindlow.exe";
}

HWND ShownMainWindow::Named(const wchar_t* name) const {
  auto* control = form->Find<ui::Control>(name);
  return control != nullptr ? WindowOf(*control) : nullptr;
}

void ShownMainWindow::Pump() {
  for (int round = 0; round < 3; ++round) {
    while (platform::win32::PumpMessage(false)) {
    }
    Sleep(20);
  }
}

void ShownMainWindow::ChooseHistory(const std::wstring& entry) {
  form->cbPath->AddItem(entry);
  const auto index = static_cast<WPARAM>(form->cbPath->Items().size() - 1);
  SendMessageW(path, CB_SETCURSEL, index, 0);
  SendMessageW(GetParent(path), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(path), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(path));
  Pump();
}

void ShownMainWindow::SelectOnly(int row) {
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  Pump();
}

void ShownMainWindow::PressKey(HWND window, WPARAM key) {
  SetFocus(window);
  PostMessageW(window, WM_KEYDOWN, key, 1);
  Pump();
}

void ShownMainWindow::DoubleClickRow(int row) {
  RECT cell;
  ListView_GetItemRect(list, row, &cell, LVIR_LABEL);
  const LPARAM at = MAKELPARAM(cell.left + 4, (cell.top + cell.bottom) / 2);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
  SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
  Pump();
}

void ShownMainWindow::Click(const ui::Control& button) {
  SendMessageW(WindowOf(button), BM_CLICK, 0, 0);
  Pump();
}

int ShownMainWindow::RowOf(const std::wstring& caption) const {
  // Compared here: Wine's own search takes two names that begin alike for one.
  const std::vector<std::wstring> rows = Rows();
  const auto found = std::find(rows.begin(), rows.end(), caption);
  return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

std::vector<std::wstring> ShownMainWindow::Rows() const {
  std::vector<std::wstring> rows;
  for (int row = 0; row < ListView_GetItemCount(list); ++row) {
    wchar_t caption[MAX_PATH] = {};
    ListView_GetItemText(list, row, 0, caption, MAX_PATH);
    rows.emplace_back(caption);
  }
  return rows;
}

std::wstring ShownMainWindow::PathText() const {
  wchar_t text[1024] = {};
  GetWindowTextW(path, text, 1024);
  return text;
}
