#include "platform/win32/ui/WindowPeer.h"

#include "platform/win32/ui/AccessibleNames.h"
#include "platform/win32/ui/FormWindow.h"
#include "platform/win32/ui/Routing.h"
#include "platform/win32/ui/SystemDarkMode.h"

namespace platform::win32 {

ATOM RegisterWindowClass(const WindowClass& wanted) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = wanted.procedure;
  wc.cbWndExtra = wanted.extraBytes;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = wanted.icon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = wanted.background;
  wc.lpszClassName = wanted.name;
  return RegisterClassExW(&wc);
}

WindowPeer::~WindowPeer() {
  Detach();
}

void WindowPeer::Detach() {
  if (control_.GetPeer() == this) control_.AttachPeer(nullptr);
}

void WindowPeer::Create(HWND parent, int id, const ui::Rect& rect) {
  const Native native = Describe();
  DWORD style = native.style | WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.Visible()) style |= WS_VISIBLE;
  if (!control_.EffectivelyEnabled()) style |= WS_DISABLED;
  // Made where it belongs: moving and sizing each control after it is made costs more than
  // making it. (Under Wine every such step is a round trip to its server.)
  hwnd_ = CreateWindowExW(native.exStyle, native.className, native.text.c_str(), style, rect.left,
                          rect.top, rect.width, rect.height, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr) return;
  placed_ = rect;
  previous_ = Hook(hwnd_, &PeerProc);
  control_.AttachPeer(this);
  const bool quiet = SetUpWithoutRedraw() && control_.Visible();
  if (quiet) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  Created();
  RefreshFont();
  form_.Tips().Set(hwnd_, control_.Hint());
  for (ui::Aspect aspect :
       {ui::Aspect::Text, ui::Aspect::Images, ui::Aspect::Columns, ui::Aspect::Items,
        ui::Aspect::Value, ui::Aspect::Selection, ui::Aspect::Panels}) {
    Mirror(aspect);
  }
  Fit(rect);
  if (quiet) SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
}

WindowPeer* WindowPeer::Owning(HWND window, HWND stop) {
  for (HWND w = window; w != nullptr && w != stop; w = GetParent(w)) {
    if (auto* peer = reinterpret_cast<WindowPeer*>(GetWindowLongPtrW(w, GWLP_USERDATA))) {
      return peer;
    }
  }
  return nullptr;
}

void WindowPeer::Update(ui::Aspect aspect) {
  if (hwnd_ == nullptr) return;
  switch (aspect) {
    case ui::Aspect::Enabled:
      EnableWindow(hwnd_, control_.EffectivelyEnabled());
      break;
    case ui::Aspect::Visible:
      ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      form_.Relayout();
      break;
    case ui::Aspect::Bounds:
      form_.Relayout();
      break;
    case ui::Aspect::Font:
      RefreshFont();
      form_.RefreshFonts(control_);
      break;
    case ui::Aspect::Focus:
      if (IsWindowVisible(hwnd_) && IsWindowEnabled(hwnd_)) SetFocus(hwnd_);
      break;
    case ui::Aspect::Text:
      form_.Tips().Set(hwnd_, control_.Hint());
      break;
    default:
      break;
  }
  Mirror(aspect);
}

void WindowPeer::DpiChanged() {
  RefreshFont();
  Mirror(ui::Aspect::Images);
  Mirror(ui::Aspect::Columns);
  Mirror(ui::Aspect::Panels);
}

void WindowPeer::StyleChanged() {
  system_dark_mode::StyleControl(hwnd_, Colours().Style(), L"Explorer");
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void WindowPeer::Place(const ui::Rect& rect) {
  if (rect == placed_) return;
  placed_ = rect;
  Fit(rect);
  SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.width, rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

bool WindowPeer::ShowText(const std::wstring& text) {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring shown(static_cast<size_t>(length) + 1, L'\0');
  shown.resize(static_cast<size_t>(GetWindowTextW(hwnd_, shown.data(), length + 1)));
  if (shown == text) return false;
  SetWindowTextW(hwnd_, text.c_str());
  return true;
}

int WindowPeer::Dpi() const {
  return form_.Dpi();
}

const Palette& WindowPeer::Colours() const {
  return form_.Colours();
}

HFONT WindowPeer::Font() const {
  return form_.FontFor(control_);
}

void WindowPeer::RefreshFont() {
  // A window not shown yet (the form's controls as they are made) has nothing to redraw.
  if (HFONT font = Font()) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), IsWindowVisible(hwnd_));
  }
}

std::optional<LRESULT> WindowPeer::OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT) {
    return AnswerWithName(hwnd_, wParam, lParam, control_.AccessibleName());
  }
  // A window without frame or scroll bars has nothing outside its client area to paint, yet
  // the default still takes a device context for the whole window: a millisecond under Wine,
  // for each control as the form is shown.
  if (message == WM_NCPAINT && !HasNonClientArea()) return 0;
  if (message == WM_NCPAINT && Colours().Styled() &&
      (GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0) {
    // The sunken edge is the system's light and dark greys: the palette's frame instead.
    Default(message, wParam, lParam);
    PaintClientEdge();
    return 0;
  }
  if (IsContainer()) return RouteFromChild(hwnd_, message, wParam, lParam);
  return std::nullopt;
}

bool WindowPeer::HasNonClientArea() const {
  RECT window;
  RECT client;
  GetWindowRect(hwnd_, &window);
  GetClientRect(hwnd_, &client);
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

void WindowPeer::PaintClientEdge() const {
  HDC dc = GetWindowDC(hwnd_);
  if (dc == nullptr) return;
  RECT edge;
  GetWindowRect(hwnd_, &edge);
  OffsetRect(&edge, -edge.left, -edge.top);
  FrameRect(dc, &edge, Colours().BorderBrush());
  InflateRect(&edge, -1, -1);
  FrameRect(dc, &edge, Colours().FieldBrush());
  ReleaseDC(hwnd_, dc);
}

WNDPROC WindowPeer::Hook(HWND window, WNDPROC proc) {
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

LRESULT WindowPeer::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
  return CallWindowProcW(previous_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowPeer::PeerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* peer = reinterpret_cast<WindowPeer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (peer == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const WNDPROC previous = peer->previous_;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    peer->hwnd_ = nullptr;
    return CallWindowProcW(previous, window, message, wParam, lParam);
  }
  try {
    if (peer->form_.Alive()) {
      peer->form_.Tips().Relay(window, message, wParam, lParam);
      if (auto result = peer->OwnMessage(message, wParam, lParam)) return *result;
    }
  } catch (...) {
    // Nothing may cross the window procedure; the control keeps its state.
  }
  return peer->Default(message, wParam, lParam);
}

}  // namespace platform::win32
