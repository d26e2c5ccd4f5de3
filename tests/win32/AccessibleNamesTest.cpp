// What a screen reader says while the user goes through each window with Tab: the order of
// the tab stops and the name of each focused control, asked as a screen reader asks (the
// control's accessible object), inside the program's process. Where Wine's object gives no
// name, the window's text stands in (what a screen reader would read next), and the test
// names those controls in its output.
#include <windows.h>

#include <gtest/gtest.h>
#include <oleacc.h>

#include <functional>
#include <iostream>
#include <string>
#include <tuple>
#include <vector>

#include "MainWindowFixture.h"

namespace {

using platform::win32::WindowOf;

struct Heard {
  std::wstring control;  // the component whose window has the focus
  std::wstring name;
  bool operator==(const Heard&) const = default;
};

void PrintTo(const Heard& heard, std::ostream* out) {
  *out << testing::PrintToString(heard.control) << " " << testing::PrintToString(heard.name);
}

// The name the window's accessible object gives; empty when it gives none.
std::wstring AccessibleNameOf(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object))) ||
      object == nullptr) {
    return {};
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const HRESULT asked = object->get_accName(self, &name);
  object->Release();
  std::wstring result;
  if (asked == S_OK && name != nullptr) result.assign(name, SysStringLen(name));
  SysFreeString(name);
  return result;
}

// The component whose window is `window` or holds it most closely (a combo box's edit field).
std::wstring ComponentAt(const ui::Form& form, HWND window) {
  for (HWND w = window; w != nullptr; w = GetParent(w)) {
    for (const ui::Component* component : form.Components()) {
      const auto* control = dynamic_cast<const ui::Control*>(component);
      if (control != nullptr && WindowOf(*control) == w) return control->Name();
    }
  }
  return L"(none)";
}

// What is heard of the focused control, and which controls only their window's text named.
struct Walk {
  std::vector<Heard> heard;
  std::vector<std::wstring> namedByText;

  void Hear(const ui::Form& form, HWND focus) {
    std::wstring name = AccessibleNameOf(focus);
    const std::wstring control = ComponentAt(form, focus);
    if (name.empty()) {
      name = window_test::TextOf(focus);
      namedByText.push_back(control);
    }
    heard.push_back({control, name});
  }

  void Report(const ui::Form& form) const {
    std::wcout << form.Name() << L": named by the window's text under Wine:";
    for (const std::wstring& control : namedByText) std::wcout << L" " << control;
    std::wcout << (namedByText.empty() ? L" none" : L"") << std::endl;
  }
};

// The tab stops in the order Tab takes (the dialog manager's, which the program's message loop
// follows), from the first until the order comes back to it. Each stop is given the focus and
// the window holding it is asked (a combo box's edit field), as a screen reader asks. The order
// is read from the windows rather than from key presses, which a window of a test running beside
// this one can take the activation from.
Walk WalkTabOrder(const ui::Form& form) {
  HWND frame = WindowOf(form);
  HWND first = GetNextDlgTabItem(frame, nullptr, FALSE);
  Walk walk;
  HWND stop = first;
  for (int step = 0; step < 30 && stop != nullptr; ++step) {
    SetFocus(stop);
    HWND focus = GetFocus();
    const bool holds = focus != nullptr && (focus == stop || IsChild(stop, focus) != FALSE);
    walk.Hear(form, holds ? focus : stop);
    stop = GetNextDlgTabItem(frame, stop, FALSE);
    if (stop == first) break;
  }
  walk.Report(form);
  return walk;
}

struct MainWindowCase {
  const char* name;
  const char* language;  // the language file chosen; null for the built-in texts
  std::vector<Heard> tabs;
  const wchar_t* menuButton;
  const wchar_t* pathGroup;
  const wchar_t* timeGroup;
};

const MainWindowCase kMainWindowCases[] = {
    {"BuiltIn",
     nullptr,
     {{L"ComboBoxDrive", L"Диск"},
      {L"ButtonUP", L"Вверх"},
      {L"cbPath", L"Путь"},
      {L"ButtonRefresh", L"Обновить"},
      {L"CheckBox_Archive", L"Архивный"},
      {L"CheckBox_Hide", L"Скрытый"},
      {L"CheckBox_ReadOnly", L"Только для чтения"},
      {L"CheckBox_System", L"Системный"},
      {L"Button_Apply", L"Изменить"},
      {L"DatePicker1", L"Дата"},
      {L"TimePicker1", L"Время"},
      {L"Button_DateTime", L"Изменить"},
      {L"ListViewAttributes", L"Файлы и папки"}},
     L"Меню",
     L"Путь",
     L"Дата и Время"},
    {"English",
     "English",
     {{L"ComboBoxDrive", L"Drive"},
      {L"ButtonUP", L"Up one level"},
      {L"cbPath", L"Path"},
      {L"ButtonRefresh", L"Refresh"},
      {L"CheckBox_Archive", L"Archive"},
      {L"CheckBox_Hide", L"Hidden"},
      {L"CheckBox_ReadOnly", L"Read-only"},
      {L"CheckBox_System", L"System"},
      {L"Button_Apply", L"Apply"},
      {L"DatePicker1", L"Date"},
      {L"TimePicker1", L"Time"},
      {L"Button_DateTime", L"Apply"},
      {L"ListViewAttributes", L"Files and folders"}},
     L"Menu",
     L"Path",
     L"Date and time"},
};

class AccessibleNames : public ShownMainWindow, public testing::WithParamInterface<MainWindowCase> {
 protected:
  // The sample folder, with a file selected so that the whole editor can be used; from a copy
  // of the program with the language files it ships.
  void SetUp() override {
    FakePortableProgram();
    fake.files.AddFile(L"C:\\readme.txt", 2048, 133808857200000000);
    if (GetParam().language != nullptr) {
      fake.files.AddFileBytes(L"C:\\Program\\Config\\Option.ini",
                              std::string("[Language]\r\nLanguage=") + GetParam().language);
    }
    Open(Content::Faked);
    ChooseHistory(L"C:\\");
    SelectOnly(RowOf(L"readme.txt"));
  }
};

TEST_P(AccessibleNames, MainWindowTabsInReadingOrderAndEveryStopSaysWhatItIs) {
  ASSERT_TRUE(IsWindowEnabled(Named(L"Button_DateTime"))) << "the editor is not in use";
  EXPECT_EQ(WalkTabOrder(*form).heard, GetParam().tabs);
  // Not a tab stop (it never takes the focus), but the mouse and a screen reader's own
  // navigation reach it.
  EXPECT_EQ(AccessibleNameOf(Named(L"SpeedButton_GeneralMenu")), GetParam().menuButton);
  // The boxes and pickers are heard within their group: the group box holds their windows, and
  // its accessible object is named by its caption.
  const MainWindowCase& c = GetParam();
  for (const auto& [control, group, caption] :
       {std::tuple{L"ComboBoxDrive", L"GroupBox2", c.pathGroup},
        std::tuple{L"cbPath", L"GroupBox2", c.pathGroup},
        std::tuple{L"DatePicker1", L"GroupBox3", c.timeGroup},
        std::tuple{L"TimePicker1", L"GroupBox3", c.timeGroup}}) {
    EXPECT_EQ(GetParent(Named(control)), Named(group)) << control;
    EXPECT_EQ(AccessibleNameOf(Named(group)), caption) << control;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibleNames, testing::ValuesIn(kMainWindowCases),
                         [](const auto& info) { return std::string(info.param.name); });

class AccessibleNamesOfDialogs : public ShownMainWindow {
 protected:
  void SetUp() override { OpenOverSampleRows(); }

  // Shows `window` modally from the main window, walks it once it is on the screen, closes it.
  Walk WalkWhileShown(ui::Form& window, const std::function<void()>& ready = {}) {
    Walk walk;
    const ui::Event formShow = window.OnShow;
    window.OnShow = [&, formShow] {
      formShow();
      Pump();
      if (ready) ready();
      walk = WalkTabOrder(window);
      window.Close();
    };
    window.ShowModal();
    window.OnShow = formShow;
    return walk;
  }
};

TEST_F(AccessibleNamesOfDialogs, AboutWindowHasOneStopNamedByItsCaption) {
  EXPECT_EQ(WalkWhileShown(*about).heard, (std::vector<Heard>{{L"Button1", L"Ok"}}));
}

TEST_F(AccessibleNamesOfDialogs, UpdateWindowTabsThroughItsOptionsAndButtons) {
  const Walk walk = WalkWhileShown(*update, [&] {
    // The check (against no server) ends; then an update is on offer.
    fake.threads.RunAll();
    Pump();
    update->ButtonDownload->SetEnabled(true);
  });
  EXPECT_EQ(walk.heard, (std::vector<Heard>{{L"CheckBoxForceUpdate", L"Принудительное"},
                                            {L"CheckBoxQuickUpdate", L"Быстрое"},
                                            {L"CheckBoxAutoCheck", L"Проверять при запуске"},
                                            {L"ButtonClose", L"Закрыть"},
                                            {L"ButtonDownload", L"Скачать"}}));
}

}  // namespace
