#include "platform/win32/ui/Win32FormHost.h"

#include <utility>

#include "platform/win32/ui/MessagePump.h"
#include "platform/win32/ui/PopupMenus.h"
#include "platform/win32/ui/SystemDarkMode.h"

namespace platform::win32 {

namespace {

// Keeps the owner of a modal form disabled while the form runs.
class DisabledOwner {
 public:
  explicit DisabledOwner(HWND owner) : owner_(owner) {
    if (owner_ != nullptr) EnableWindow(owner_, FALSE);
  }
  ~DisabledOwner() {
    if (owner_ != nullptr) EnableWindow(owner_, TRUE);
  }
  DisabledOwner(const DisabledOwner&) = delete;
  DisabledOwner& operator=(const DisabledOwner&) = delete;

 private:
  HWND owner_;
};

}  // namespace

Win32FormHost::~Win32FormHost() = default;

FormWindow* Win32FormHost::WindowFor(ui::Form& form, HWND owner) {
  auto& window = windows_[&form];
  if (window == nullptr) {
    window = std::make_unique<FormWindow>(form);
    window->Create(owner);
    window->SetStyle(style_);
    if (first_ == nullptr) first_ = window->Hwnd();
  }
  return window->Hwnd() != nullptr ? window.get() : nullptr;
}

HWND Win32FormHost::ModalOwner() const {
  HWND active = GetActiveWindow();
  if (FormWindow::Of(active) != nullptr) return active;
  return first_ != nullptr && IsWindowVisible(first_) ? first_ : nullptr;
}

void Win32FormHost::Show(ui::Form& form) {
  FormWindow* window = WindowFor(form, nullptr);
  if (window == nullptr) return;
  if (window->IsOpen()) {
    SetForegroundWindow(window->Hwnd());
    return;
  }
  window->Open(nullptr);
}

void Win32FormHost::ShowModal(ui::Form& form) {
  const HWND owner = ModalOwner();
  FormWindow* window = WindowFor(form, owner);
  if (window == nullptr || window->IsOpen()) return;
  const DisabledOwner disabled(owner);
  window->Open(owner);
  while (window->IsOpen() && PumpMessage(true)) {
  }
}

void Win32FormHost::Close(ui::Form& form) {
  if (HWND window = WindowOf(form)) SendMessageW(window, WM_CLOSE, 0, 0);
}

void Win32FormHost::Run(ui::Form& form) {
  main_ = &form;
  Show(form);
  auto found = windows_.find(&form);
  const FormWindow* window = found != windows_.end() ? found->second.get() : nullptr;
  // What the showing left waiting (paints, the editor's refresh) is handled first.
  while (window != nullptr && window->IsOpen() && PumpMessage(false)) {
  }
  if (mainWindowSettled_) std::exchange(mainWindowSettled_, nullptr)();
  while (window != nullptr && window->IsOpen() && PumpMessage(true)) {
  }
}

void Win32FormHost::Release(ui::Form& form) {
  if (main_ == &form) main_ = nullptr;
  auto found = windows_.find(&form);
  if (found == windows_.end()) return;
  if (found->second->Hwnd() == first_) first_ = nullptr;
  windows_.erase(found);
}

void Win32FormHost::TrackPopup(ui::PopupMenu& menu, ui::Point screen) {
  HWND owner = GetActiveWindow();
  if (FormWindow::Of(owner) == nullptr) owner = first_;
  ShowPopupMenu(menu, owner, {screen.x, screen.y});
}

void Win32FormHost::EndMenu() {
  ::EndMenu();
}

void Win32FormHost::SetStyle(ui::Style style) {
  style_ = style;
  system_dark_mode::SetProgramStyle(system_dark_mode::HighContrast() ? ui::Style::None : style);
  for (auto& [form, window] : windows_) window->SetStyle(style);
}

ui::Rect Win32FormHost::ScreenBounds(const ui::Control& control) {
  HWND window = WindowOf(control);
  RECT r;
  if (window == nullptr || !GetWindowRect(window, &r)) return {};
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

ui::Rect Win32FormHost::WorkArea(const ui::Rect& window) {
  const RECT r = {window.left, window.top, window.Right(), window.Bottom()};
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  }
  const RECT& work = info.rcWork;
  return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

HWND WindowOf(const ui::Control& control) {
  if (auto* form = dynamic_cast<FormWindow*>(control.GetPeer())) return form->Hwnd();
  if (auto* peer = dynamic_cast<WindowPeer*>(control.GetPeer())) return peer->Hwnd();
  return nullptr;
}

}  // namespace platform::win32
