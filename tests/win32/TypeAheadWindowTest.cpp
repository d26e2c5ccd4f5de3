// Typing a name on the file list, as a keyboard user does: the item of that name is selected
// and the editor shows it.
#include <windows.h>
// The common controls' header builds on <windows.h>.
#include <commctrl.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"

namespace {

constexpr platform::FileTime kFirstDay = 133808857200000000;  // 2025-01-09 08:42 UTC
constexpr platform::FileTime kDay = 864'000'000'000;

class TypingOnTheList : public ShownMainWindow {
 protected:
  void SetUp() override {
    fake.volumes.drives[L'C'] = {platform::DriveType::Fixed, L"System"};
    fake.files.AddFolder(L"C:\\");
    for (size_t day = 0; day < kNames.size(); ++day) {
      fake.files.AddFile(L"C:\\" + kNames[day], 100 + day, kFirstDay + day * kDay);
    }
    Open(Content::Faked);
    SetForegroundWindow(frame);
    SetFocus(list);
    Pump();
  }

  // The keys of the text pressed and released as a keyboard sends them: each character
  // through the input queue, translated into WM_CHAR by the program's own message loop.
  void Type(const std::wstring& text) {
    std::vector<INPUT> keys;
    for (wchar_t c : text) {
      INPUT key = {};
      key.type = INPUT_KEYBOARD;
      key.ki.wScan = c;
      key.ki.dwFlags = KEYEVENTF_UNICODE;
      keys.push_back(key);
      key.ki.dwFlags |= KEYEVENTF_KEYUP;
      keys.push_back(key);
    }
    ASSERT_EQ(SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)), keys.size());
    Pump();
  }

  [[nodiscard]] std::wstring SelectedCaption() const {
    if (ListView_GetSelectedCount(list) != 1) return L"(not one selected)";
    const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    return row == ListView_GetNextItem(list, -1, LVNI_FOCUSED) ? Rows().at(static_cast<size_t>(row))
                                                               : L"(selection not focused)";
  }

  // The day of the month of the item's time, as the editor's date picker shows it.
  [[nodiscard]] int DayOf(const std::wstring& name) const {
    for (size_t day = 0; day < kNames.size(); ++day) {
      if (kNames[day] == name) return 9 + static_cast<int>(day);
    }
    return 0;
  }

  const std::vector<std::wstring> kNames = {L"alpha.txt",  L"Ёлка.txt",  L"ёжик.txt",
                                            L"😀smile.txt", L"😀grin.txt", L"beta.txt"};
};

TEST_F(TypingOnTheList, SelectsTheNamedItemAndTheEditorFollows) {
  struct Step {
    const wchar_t* typed;
    const wchar_t* selected;
  };
  // Each step begins after a pause, so that it starts a new name.
  for (const Step& step : {Step{L"ЁЖ", L"ёжик.txt"}, Step{L"😀g", L"😀grin.txt"},
                           Step{L"b", L"beta.txt"}, Step{L"A", L"alpha.txt"}}) {
    Sleep(1'100);
    Type(step.typed);
    EXPECT_EQ(SelectedCaption(), step.selected) << "typed " << step.typed;
    EXPECT_EQ(form->DatePicker1->Value().day, DayOf(step.selected)) << "typed " << step.typed;
  }
}

}  // namespace
