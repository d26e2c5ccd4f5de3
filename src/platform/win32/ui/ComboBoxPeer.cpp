#include <windows.h>

#include <windowsx.h>

#include <string>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Layout.h"
#include "platform/win32/ui/AccessibleNames.h"
#include "platform/win32/ui/FormWindow.h"
#include "platform/win32/ui/Peers.h"
#include "platform/win32/ui/StyledDrawing.h"
#include "platform/win32/ui/SystemDarkMode.h"

namespace platform::win32 {

namespace {

constexpr int kDroppedItems = 8;

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// A drop-down list or an editable combo box. Items, selection and text pushed by the model
// raise nothing; the user's choice and edits update the model, then run its change event.
class ComboBoxPeer : public WindowPeer {
 public:
  ComboBoxPeer(ui::Control& control, FormWindow& form)
      : WindowPeer(control, form), combo_(static_cast<ui::ComboBox&>(control)) {}

  void Fit(const ui::Rect& placed) override { FitFieldHeight(placed.height); }

  void DpiChanged() override {
    WindowPeer::DpiChanged();
    fieldHeight_ = -1;
  }

  // In the program's styles the field and its list are the palette's.
  std::optional<LRESULT> ColorMessage(UINT /*message*/, HDC dc) override {
    if (!Colours().Styled()) return std::nullopt;
    SetTextColor(dc, Colours().fieldText);
    SetBkColor(dc, Colours().field);
    return reinterpret_cast<LRESULT>(Colours().FieldBrush());
  }

  void StyleChanged() override {
    system_dark_mode::StyleControl(Hwnd(), Colours().Style(), L"CFD");
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(Hwnd(), &info)) {
      system_dark_mode::StyleControl(info.hwndList, Colours().Style(), L"Explorer");
    }
    InvalidateRect(Hwnd(), nullptr, TRUE);
  }

  std::optional<LRESULT> Command(WORD code) override {
    switch (code) {
      case CBN_SELCHANGE: {
        const auto index = static_cast<int>(SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0));
        if (index >= 0) combo_.UserSelect(index);
        return 0;
      }
      case CBN_EDITCHANGE:
        combo_.UserEdit(WindowText(Hwnd()));
        return 0;
      case CBN_SETFOCUS:
        if (combo_.OnEnter) combo_.OnEnter();
        return 0;
      default:
        return std::nullopt;
    }
  }

 protected:
  [[nodiscard]] Native Describe() const override {
    const DWORD style = combo_.Style() == ui::ComboStyle::DropDownList
                            ? CBS_DROPDOWNLIST
                            : CBS_DROPDOWN | CBS_AUTOHSCROLL;
    return {WC_COMBOBOXW, style | WS_VSCROLL | WS_TABSTOP};
  }

  void Mirror(ui::Aspect aspect) override {
    switch (aspect) {
      case ui::Aspect::Items:
        SendMessageW(Hwnd(), CB_RESETCONTENT, 0, 0);
        for (const std::wstring& item : combo_.Items()) {
          SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        Mirror(ui::Aspect::Selection);
        break;
      case ui::Aspect::Selection:
        SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
        if (combo_.Style() == ui::ComboStyle::DropDown && WindowText(Hwnd()) != combo_.Text()) {
          SetWindowTextW(Hwnd(), combo_.Text().c_str());
        }
        break;
      case ui::Aspect::Text:
        SendMessageW(Hwnd(), CB_SETCUEBANNER, 0,
                     reinterpret_cast<LPARAM>(combo_.TextHint().c_str()));
        break;
      case ui::Aspect::EditSelection:
        // Posted: the edit field sets its own selection while the current event runs.
        PostMessageW(Hwnd(), CB_SETEDITSEL, 0, MAKELPARAM(0, 0));
        break;
      default:
        break;
    }
  }

  std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    // A drop-down list has no edit field: its keys arrive here.
    if (edit_ == nullptr) {
      if (auto keyed = Keys(message, wParam)) return keyed;
    }
    if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE) Hover(Hwnd(), message);
    // The edit field and the dropped list ask the combo box for their colours.
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) {
      if (auto answer = ColorMessage(message, reinterpret_cast<HDC>(wParam))) return answer;
    }
    if (message == WM_PAINT && Colours().Styled()) {
      return PaintMessage(message, wParam, [this](HDC dc) {
        Default(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        PaintFrameAndButton(dc);
      });
    }
    return WindowPeer::OwnMessage(message, wParam, lParam);
  }

 private:
  // The system draws the frame and the drop-down button in its own colours: the palette's
  // go over them, around the field that shows the text.
  void PaintFrameAndButton(HDC dc) const {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(Hwnd(), &info)) return;
    RECT client;
    GetClientRect(Hwnd(), &client);
    const int saved = SaveDC(dc);
    RECT field = info.rcItem;
    InflateRect(&field, -1, -1);
    ExcludeClipRect(dc, field.left, field.top, field.right, field.bottom);
    FillRect(dc, &client, Colours().FieldBrush());
    RestoreDC(dc, saved);
    DrawFrame(dc, client, Colours());
    const bool enabled = IsWindowEnabled(Hwnd()) != FALSE;
    DrawChevron(dc, info.rcButton, enabled ? Colours().fieldText : Colours().grayText, Dpi(), true);
  }

  [[nodiscard]] int FieldHeight() const {
    RECT field;
    GetWindowRect(Hwnd(), &field);
    return field.bottom - field.top;
  }

  // Makes the field as high as the layout says, whatever the font. The item height that
  // gives it is measured, not assumed: the field's border differs between systems.
  void FitFieldHeight(int height) {
    if (height == fieldHeight_) return;
    fieldHeight_ = height;
    const int current = FieldHeight();
    if (current == height) return;
    const auto item =
        static_cast<int>(SendMessageW(Hwnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    int request = item + height - current;
    for (int attempt = 0; attempt < 2 && request > 0; ++attempt) {
      SendMessageW(Hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
      const int field = FieldHeight();
      if (field == height) break;
      request += height - field;
    }
  }

  // The dropped-down list shows up to eight rows: its height follows from them, not from the
  // window's, so the combo box is made no higher than its field (its list window is then
  // smaller and quicker to make). The edit field of an editable combo box gets the model's key
  // and mouse events.
  void Created() override {
    SendMessageW(Hwnd(), CB_SETMINVISIBLE, kDroppedItems, 0);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(Hwnd(), &info) || info.hwndItem == nullptr || info.hwndItem == Hwnd()) {
      return;
    }
    edit_ = info.hwndItem;
    // Hooked as the peer hooks the combo box: the field's user data names the peer.
    editDefault_ = Hook(edit_, &EditProc);
  }

  // Key events for the model; a handler that clears the key swallows it.
  std::optional<LRESULT> Keys(UINT message, WPARAM wParam) {
    if (message == WM_KEYDOWN && combo_.OnKeyDown) {
      auto key = static_cast<unsigned>(wParam);
      combo_.OnKeyDown(key);
      if (key == 0) return 0;
    } else if (message == WM_CHAR && combo_.OnKeyPress) {
      auto ch = static_cast<wchar_t>(wParam);
      combo_.OnKeyPress(ch);
      if (ch == 0) return 0;
    }
    return std::nullopt;
  }

  // Enter over the field or its edit part fires once, until the mouse has left both.
  void Hover(HWND window, UINT message) {
    if (message == WM_MOUSEMOVE) {
      TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
      TrackMouseEvent(&track);
      if (!hovering_) {
        hovering_ = true;
        if (combo_.OnMouseEnter) combo_.OnMouseEnter();
      }
      return;
    }
    POINT cursor;
    GetCursorPos(&cursor);
    HWND under = WindowFromPoint(cursor);
    if (under != Hwnd() && !IsChild(Hwnd(), under)) hovering_ = false;
  }

  static LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<ComboBoxPeer*>(
        reinterpret_cast<WindowPeer*>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC editDefault = self->editDefault_;
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      self->edit_ = nullptr;
      return CallWindowProcW(editDefault, window, message, wParam, lParam);
    }
    try {
      if (self->Form().Alive()) {
        if (message == WM_GETDLGCODE && wParam == VK_RETURN) {
          // Enter belongs to the path box's own handlers, not to the dialog navigation.
          return CallWindowProcW(editDefault, window, message, wParam, lParam) | DLGC_WANTMESSAGE;
        }
        if (auto keyed = self->Keys(message, wParam)) return *keyed;
        // The field has the focus, so a screen reader names it: by the combo box's name.
        if (message == WM_GETOBJECT) {
          if (auto named = AnswerWithName(window, wParam, lParam, self->combo_.AccessibleName())) {
            return *named;
          }
        }
        if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE) self->Hover(window, message);
      }
    } catch (...) {
      // Nothing may cross the window procedure.
    }
    return CallWindowProcW(editDefault, window, message, wParam, lParam);
  }

  ui::ComboBox& combo_;
  HWND edit_ = nullptr;
  WNDPROC editDefault_ = nullptr;
  int fieldHeight_ = -1;
  bool hovering_ = false;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeComboBoxPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<ComboBoxPeer>(control, form);
}

}  // namespace platform::win32
