#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/ui/Layout.h"
#include "platform/win32/ui/Fonts.h"
#include "platform/win32/ui/Handles.h"
#include "platform/win32/ui/Palette.h"
#include "platform/win32/ui/TaskbarButton.h"
#include "platform/win32/ui/Tooltips.h"
#include "platform/win32/ui/WindowPeer.h"

namespace platform::win32 {

// The top-level window of one form and the peers of all its controls.
class FormWindow : public ui::Peer {
 public:
  explicit FormWindow(ui::Form& form) : form_(form) {}
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Creates the window, hidden, with the windows of all its controls, sized to the designed
  // client area at its DPI and centred on the work area of the monitor under the mouse pointer.
  void Create(HWND owner);
  [[nodiscard]] HWND Hwnd() const { return hwnd_.get(); }
  [[nodiscard]] ui::Form& Model() const { return form_; }
  // False once the window is being destroyed: nothing is routed to the model any more.
  [[nodiscard]] bool Alive() const { return alive_; }

  // Shown and not yet closed.
  [[nodiscard]] bool IsOpen() const { return open_; }
  // Shows the window; `modalOwner` is enabled again when it closes.
  void Open(HWND modalOwner);

  [[nodiscard]] int Dpi() const { return dpi_; }
  [[nodiscard]] HFONT FontFor(const ui::Control& control);
  [[nodiscard]] Tooltips& Tips() { return tips_; }
  void Relayout();
  // Gives the controls below `from` their fonts again.
  void RefreshFonts(const ui::Control& from);

  void Update(ui::Aspect aspect) override;

  // The style the program asks for; high contrast shows the system's colours instead.
  void SetStyle(ui::Style style);
  // The colours in force.
  [[nodiscard]] const Palette& Colours() const { return palette_; }

  // The form window that holds `window`, or null.
  static FormWindow* Of(HWND window);

 private:
  // The forms' window class, registered on first use.
  static ATOM FormClass();
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> Own(UINT message, WPARAM wParam, LPARAM lParam);
  // Tells the form of the messages it has events for, after their default processing.
  void Notify(UINT message, WPARAM wParam, LPARAM lParam);
  void CreatePeers(ui::Control& parent, HWND parentWindow,
                   const std::vector<ui::Placement>& placements);
  void CloseRequested();
  // Tells the form of its new state and, when restored, its outer size.
  void NoteSize(WPARAM kind);
  [[nodiscard]] ui::Size BoundedByMinimum(ui::Size size) const;
  void ChangeDpi(int dpi, const RECT* suggested);
  void RestoreFocus();
  // The style asked for, unless high contrast is on.
  [[nodiscard]] ui::Style EffectiveStyle() const;
  // Gives the window and every control the colours of the style in force.
  void ApplyStyle();

  ui::Form& form_;
  UniqueWindow hwnd_;
  std::vector<std::unique_ptr<WindowPeer>> peers_;
  FontCache fonts_;
  Tooltips tips_;
  ui::Style style_ = ui::Style::None;
  Palette palette_;
  TaskbarButton taskbar_;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  bool alive_ = true;
  bool open_ = false;
  HWND modalOwner_ = nullptr;
  HWND lastFocus_ = nullptr;
};

}  // namespace platform::win32
