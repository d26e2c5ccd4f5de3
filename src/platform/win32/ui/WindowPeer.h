#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include "platform/ui/Control.h"
#include "platform/win32/ui/Palette.h"

namespace platform::win32 {

class FormWindow;

// A window class of this module, with double clicks and the arrow cursor.
struct WindowClass {
  const wchar_t* name;
  WNDPROC procedure = DefWindowProcW;
  int extraBytes = 0;
  HICON icon = nullptr;
  HBRUSH background = nullptr;
};
// Registers `wanted`; 0 where that failed.
ATOM RegisterWindowClass(const WindowClass& wanted);

// The native window of one control. It mirrors the model's state into the window, and the
// parent routes the window's commands, notifications, colours and drawing back to it.
class WindowPeer : public ui::Peer {
 public:
  WindowPeer(ui::Control& control, FormWindow& form) : control_(control), form_(form) {}
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  // Creates the window at `rect` inside `parent` and shows the model's whole state in it.
  void Create(HWND parent, int id, const ui::Rect& rect);
  [[nodiscard]] HWND Hwnd() const { return hwnd_; }
  [[nodiscard]] ui::Control& Control() const { return control_; }
  [[nodiscard]] FormWindow& Form() const { return form_; }
  // The model no longer hears from this window, nor it from the model.
  void Detach();

  // Containers hold the windows of their child controls.
  [[nodiscard]] virtual bool IsContainer() const { return false; }

  void Update(ui::Aspect aspect) final;
  // The window's DPI changed: fonts, pictures and sizes are rebuilt.
  virtual void DpiChanged();
  void RefreshFont();
  // The form's style changed: the window draws from the form's palette. By default it takes
  // the system's dark look of its kind where the system has one.
  virtual void StyleChanged();
  // Puts the window where the layout says (device pixels, relative to the parent).
  virtual void Place(const ui::Rect& rect);

  // What the parent routes back to the child's own peer; nullopt leaves it to the default.
  virtual std::optional<LRESULT> Command(WORD /*code*/) { return std::nullopt; }
  virtual std::optional<LRESULT> Notify(NMHDR& /*header*/) { return std::nullopt; }
  virtual std::optional<LRESULT> ColorMessage(UINT /*message*/, HDC /*dc*/) { return std::nullopt; }
  // For a container that draws its own surface: that surface as a brush, for the controls on
  // it to fill their background with. Null where the container leaves its look to the system.
  virtual HBRUSH SurfaceBrush(HDC /*dc*/) { return nullptr; }
  virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  // `screen` is (-1, -1) when the menu key asked for it.
  virtual bool ContextMenu(POINT /*screen*/) { return false; }

  // The peer whose window is `window` or its nearest ancestor below `stop`.
  static WindowPeer* Owning(HWND window, HWND stop);

 protected:
  struct Native {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle = 0;
    // The text the window is made with.
    std::wstring text = {};
  };
  [[nodiscard]] virtual Native Describe() const = 0;
  // The window exists; called before the model's state is mirrored into it.
  virtual void Created() {}
  // Fits what the window shows to the place the layout gives it, before the window moves.
  virtual void Fit(const ui::Rect& /*placed*/) {}
  // Kinds whose every setting makes them work out their layout and scroll bars again are
  // set up with their drawing off and then drawn once.
  [[nodiscard]] virtual bool SetUpWithoutRedraw() const { return false; }
  // Mirrors the kind's own state; called with every aspect once after creation.
  virtual void Mirror(ui::Aspect aspect) = 0;
  // Messages to the window itself, before its class's procedure.
  virtual std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Gives the window `text` unless it shows it already (as it does the text it was made with);
  // tells whether the text changed. Setting a text is a round trip to the Wine server and a
  // redraw.
  bool ShowText(const std::wstring& text);
  [[nodiscard]] int Dpi() const;
  [[nodiscard]] HFONT Font() const;
  [[nodiscard]] const Palette& Colours() const;
  // Puts `proc` in front of `window` (the peer's own or a part of it) and names this peer in
  // the window's user data; returns the procedure `proc` passes messages on to. (The common
  // controls' subclassing looks its data up in a window property on every message, a round
  // trip to the Wine server each time.)
  WNDPROC Hook(HWND window, WNDPROC proc);
  // The message as the window's class (and whatever hooked the window before the peer)
  // handles it.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;
  // For a window that draws itself: answers WM_PAINT and WM_PRINTCLIENT with `paint`.
  template <class Paint>
  LRESULT PaintMessage(UINT message, WPARAM wParam, Paint paint) {
    if (message == WM_PRINTCLIENT) {
      paint(reinterpret_cast<HDC>(wParam));
      return 0;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    paint(dc);
    EndPaint(hwnd_, &ps);
    return 0;
  }

 private:
  [[nodiscard]] bool HasNonClientArea() const;
  void PaintClientEdge() const;
  static LRESULT CALLBACK PeerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  ui::Control& control_;
  FormWindow& form_;
  HWND hwnd_ = nullptr;
  WNDPROC previous_ = nullptr;
  ui::Rect placed_{-1, -1, -1, -1};
};

}  // namespace platform::win32
