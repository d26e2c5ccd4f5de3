#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/ui/Control.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Style.h"

namespace ui {

class Form;
class PopupMenu;

// What shows forms: native windows in the product, a recorder in tests.
class FormHost {
 public:
  virtual ~FormHost() = default;
  virtual void Show(Form& form) = 0;
  // Returns when the form has closed.
  virtual void ShowModal(Form& form) = 0;
  virtual void Close(Form& form) = 0;
  // Runs the message loop until `form` has closed (the application's main window).
  virtual void Run(Form& form) = 0;
  // The form is being destroyed: its native window goes with it.
  virtual void Release(Form& /*form*/) {}
  // Opens `menu` at a point of the screen (device pixels); returns when it has closed.
  virtual void TrackPopup(PopupMenu& /*menu*/, Point /*screen*/) {}
  // Closes whatever menu is open.
  virtual void EndMenu() {}
  // Where a shown control is on the screen, in device pixels (empty when not shown).
  virtual Rect ScreenBounds(const Control& /*control*/) { return {}; }
  // The work area (the screen less task bar and docked bars, device pixels) of the monitor
  // that `window` lies on most, or of the nearest one.
  virtual Rect WorkArea(const Rect& /*window*/) { return {}; }
  // The form that Run is running (the application's main window), or null.
  [[nodiscard]] virtual const Form* MainForm() const { return nullptr; }
  // The look of all forms, those shown now and those shown later.
  virtual void SetStyle(Style /*style*/) {}
};

// What a device broadcast tells a top-level window.
enum class DeviceChange { VolumeArrived, VolumeRemoved, Other };

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

enum class WindowState { Normal, Minimized, Maximized };

// A top-level window. Its caption is the title bar text.
class Form : public CaptionedControl {
 public:
  Form(Component* owner, std::wstring name, FormHost& host)
      : CaptionedControl(owner, std::move(name), nullptr), host_(host) {
    SetVisible(false);  // until shown
  }
  ~Form() override { host_.Release(*this); }
  [[nodiscard]] Kind GetKind() const override { return Kind::Form; }

  // Client size at 96 DPI as designed; anchors keep their distances to this size.
  [[nodiscard]] Size DesignClientSize() const { return designClient_; }
  void SetDesignClientSize(Size size) { designClient_ = size; }
  // Smallest outer size at 96 DPI (0: none).
  [[nodiscard]] Size MinimumSize() const { return minimum_; }
  void SetMinimumSize(Size size) { minimum_ = size; }
  [[nodiscard]] bool Sizeable() const { return sizeable_; }
  void SetSizeable(bool sizeable) { sizeable_ = sizeable; }
  // A window of its own on the taskbar, owned by no other window (not even when modal).
  [[nodiscard]] bool OwnTaskbarButton() const { return ownTaskbarButton_; }
  void SetOwnTaskbarButton(bool own) { ownTaskbarButton_ = own; }
  // Asks the system for rounded window corners where it draws them.
  [[nodiscard]] bool RoundedCorners() const { return roundedCorners_; }
  void SetRoundedCorners(bool rounded) { roundedCorners_ = rounded; }

  // Outer size in device pixels while not maximized or minimized; 0 x 0 until the window
  // has one, which it then takes from the designed client size.
  [[nodiscard]] Size OuterSize() const { return outer_; }
  void SetOuterSize(Size size) {
    outer_ = size;
    Notify(Aspect::Bounds);
  }
  [[nodiscard]] WindowState GetWindowState() const { return state_; }
  void SetWindowState(WindowState state) {
    state_ = state;
    Notify(Aspect::WindowState);
  }
  // Called by the host when the user (or the system) sized the window.
  void Resized(WindowState state, std::optional<Size> outer) {
    state_ = state;
    if (outer) outer_ = *outer;
  }

  void Show() { host_.Show(*this); }
  void ShowModal() { host_.ShowModal(*this); }
  void Close() { host_.Close(*this); }
  [[nodiscard]] FormHost& Host() const { return host_; }

  // Called by the host.
  void Shown() {
    SetVisible(true);
    if (OnShow) OnShow();
  }
  void Closed() {
    if (OnClose) OnClose();
    SetVisible(false);
  }

  Event OnShow;
  Event OnClose;
  std::function<void(DeviceChange)> OnDeviceChange;
  // A key pressed in any of the form's controls, before the control sees it; true when the
  // form took it as a shortcut of its own.
  std::function<bool(KeyStroke)> OnShortcut;
  // The window is being dragged to `proposed` (its outer rectangle on the screen, device
  // pixels); the handler may correct it.
  std::function<void(Rect& proposed)> OnMoving;
  // A system setting changed; `area` names it (empty when the system did not say).
  std::function<void(const std::wstring& area)> OnSettingChange;
  // The mouse moved over the form's own surface, not over one of its controls.
  std::function<void(Point client)> OnMouseMove;

 private:
  FormHost& host_;
  Size designClient_;
  Size minimum_;
  bool sizeable_ = true;
  Size outer_;
  WindowState state_ = WindowState::Normal;
  bool ownTaskbarButton_ = false;
  bool roundedCorners_ = false;
};

}  // namespace ui
