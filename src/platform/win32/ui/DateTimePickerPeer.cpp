#include <windows.h>

#include <uxtheme.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Menu.h"
#include "platform/win32/SystemTime.h"
#include "platform/win32/ui/DarkenedPainting.h"
#include "platform/win32/ui/FormWindow.h"
#include "platform/win32/ui/Peers.h"
#include "platform/win32/ui/PopupMenus.h"

namespace platform::win32 {

namespace {

// The picker's format string for the program's display format: months are "M" and hours
// "H" for the picker, while the program writes "m" for months and "n" for minutes.
std::wstring PickerFormat(ui::PickerKind kind, std::wstring format) {
  for (wchar_t& c : format) {
    if (kind == ui::PickerKind::Date && c == L'm') c = L'M';
    if (kind == ui::PickerKind::Time && c == L'h') c = L'H';
    if (kind == ui::PickerKind::Time && c == L'n') c = L'm';
  }
  return format;
}

// A date picker or a time picker; the model holds the whole date-time value.
class DateTimePickerPeer : public WindowPeer {
 public:
  DateTimePickerPeer(ui::Control& control, FormWindow& form)
      : WindowPeer(control, form), picker_(static_cast<ui::DateTimePicker&>(control)) {}

  std::optional<LRESULT> Notify(NMHDR& header) override {
    if (header.code == DTN_DROPDOWN && Colours().Styled()) {
      // A calendar in the system's look keeps its own colours: without it, it takes ours.
      SetWindowTheme(reinterpret_cast<HWND>(SendMessageW(Hwnd(), DTM_GETMONTHCAL, 0, 0)), L"", L"");
      return std::nullopt;
    }
    if (header.code != DTN_DATETIMECHANGE || pushing_) return std::nullopt;
    const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
    if (change.dwFlags == GDT_VALID) picker_.UserChange(FromSystemTime(change.st));
    return 0;
  }

  bool ContextMenu(POINT screen) override {
    if (picker_.ContextMenu() == nullptr) return false;
    if (screen.x == -1 && screen.y == -1) {
      RECT r;
      GetWindowRect(Hwnd(), &r);
      screen = {r.left, r.bottom};
    }
    ShowPopupMenu(*picker_.ContextMenu(), Form().Hwnd(), screen);
    return true;
  }

 protected:
  [[nodiscard]] Native Describe() const override {
    const DWORD style = picker_.GetPickerKind() == ui::PickerKind::Date
                            ? DTS_SHORTDATEFORMAT
                            : DTS_TIMEFORMAT | DTS_UPDOWN;
    return {DATETIMEPICK_CLASSW, style | WS_TABSTOP};
  }

  void StyleChanged() override {
    WindowPeer::StyleChanged();
    // Field and spin buttons have no dark look of their own.
    PaintDarkenedInDarkStyle(Hwnd(), Form());
    PaintDarkenedInDarkStyle(FindWindowExW(Hwnd(), nullptr, UPDOWN_CLASSW, nullptr), Form());
    const Palette& colours = Colours();
    const std::pair<int, COLORREF> calendar[] = {
        {MCSC_BACKGROUND, colours.field},      {MCSC_MONTHBK, colours.field},
        {MCSC_TEXT, colours.fieldText},        {MCSC_TITLEBK, colours.heading},
        {MCSC_TITLETEXT, colours.headingText}, {MCSC_TRAILINGTEXT, colours.grayText}};
    for (const auto& [part, colour] : calendar) SendMessageW(Hwnd(), DTM_SETMCCOLOR, part, colour);
    if (HWND spin = FindWindowExW(Hwnd(), nullptr, UPDOWN_CLASSW, nullptr)) {
      InvalidateRect(spin, nullptr, TRUE);
    }
  }

  void Created() override {
    const std::wstring format = PickerFormat(picker_.GetPickerKind(), picker_.Format());
    SendMessageW(Hwnd(), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format.c_str()));
  }

  void Mirror(ui::Aspect aspect) override {
    if (aspect != ui::Aspect::Value) return;
    SYSTEMTIME shown = ToSystemTime(picker_.Value());
    pushing_ = true;
    SendMessageW(Hwnd(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
    pushing_ = false;
  }

 private:
  ui::DateTimePicker& picker_;
  bool pushing_ = false;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeDateTimePickerPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<DateTimePickerPeer>(control, form);
}

}  // namespace platform::win32
