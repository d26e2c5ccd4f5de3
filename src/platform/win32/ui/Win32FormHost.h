#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>

#include "platform/ui/Form.h"
#include "platform/win32/ui/FormWindow.h"

namespace platform::win32 {

// Shows the program's forms as native windows, made on their first showing and kept until
// the form is destroyed. Lives on the user-interface thread and outlives the forms.
class Win32FormHost : public ui::FormHost {
 public:
  Win32FormHost() = default;
  ~Win32FormHost() override;
  Win32FormHost(const Win32FormHost&) = delete;
  Win32FormHost& operator=(const Win32FormHost&) = delete;

  void Show(ui::Form& form) override;
  void ShowModal(ui::Form& form) override;
  void Close(ui::Form& form) override;
  void Run(ui::Form& form) override;
  void Release(ui::Form& form) override;
  void TrackPopup(ui::PopupMenu& menu, ui::Point screen) override;
  void EndMenu() override;
  ui::Rect ScreenBounds(const ui::Control& control) override;
  ui::Rect WorkArea(const ui::Rect& window) override;
  [[nodiscard]] const ui::Form* MainForm() const override { return main_; }
  void SetStyle(ui::Style style) override;
  // Runs `work` once, when the form that Run shows is painted and no message waits.
  void AfterMainWindowSettled(std::function<void()> work) { mainWindowSettled_ = std::move(work); }

 private:
  // The form's window, made (hidden) on first use.
  FormWindow* WindowFor(ui::Form& form, HWND owner);
  // The window a new modal form is owned by: the active form, else the first one shown.
  [[nodiscard]] HWND ModalOwner() const;

  std::map<const ui::Form*, std::unique_ptr<FormWindow>> windows_;
  HWND first_ = nullptr;
  const ui::Form* main_ = nullptr;
  ui::Style style_ = ui::Style::None;
  std::function<void()> mainWindowSettled_;
};

// The native window of a control or form that has been shown, or null.
HWND WindowOf(const ui::Control& control);

}  // namespace platform::win32
