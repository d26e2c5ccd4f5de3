#include "platform/win32/ui/FormWindow.h"

#include <dbt.h>
#include <dwmapi.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/ui/Layout.h"
#include "platform/win32/ui/Dpi.h"
#include "platform/win32/ui/Peers.h"
#include "platform/win32/ui/PopupMenus.h"
#include "platform/win32/ui/Routing.h"
#include "platform/win32/ui/SystemDarkMode.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"BrindlowForm";
constexpr int kFirstControlId = 100;
// A form's window keeps its FormWindow in its extra bytes: reading them is local, where a
// window property would be a round trip to the Wine server on every message.
constexpr int kSelfOffset = 0;

// Hides the window on every way out of the close handlers, then activates `next` (if any).
class HideOnExit {
 public:
  HideOnExit(HWND window, HWND next) : window_(window), next_(next) {}
  ~HideOnExit() {
    if (!IsWindowVisible(window_)) return;
    ShowWindow(window_, SW_HIDE);
    if (next_ != nullptr && IsWindowVisible(next_)) SetForegroundWindow(next_);
  }
  HideOnExit(const HideOnExit&) = delete;
  HideOnExit& operator=(const HideOnExit&) = delete;

 private:
  HWND window_;
  HWND next_;
};

bool IsDescendant(HWND parent, HWND window) {
  return window != nullptr && IsChild(parent, window);
}

ui::DeviceChange DecodeDeviceChange(WPARAM event) {
  switch (event) {
    case DBT_DEVICEARRIVAL:
      return ui::DeviceChange::VolumeArrived;
    case DBT_DEVICEREMOVECOMPLETE:
      return ui::DeviceChange::VolumeRemoved;
    default:
      return ui::DeviceChange::Other;
  }
}

ui::Rect ToRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

RECT ToRECT(const ui::Rect& rect) {
  return {rect.left, rect.top, rect.Right(), rect.Bottom()};
}

int ShowCommandFor(ui::WindowState state) {
  switch (state) {
    case ui::WindowState::Maximized:
      return SW_MAXIMIZE;
    case ui::WindowState::Minimized:
      return SW_MINIMIZE;
    default:
      return SW_RESTORE;
  }
}

// The work area of the monitor that holds the mouse pointer (or the primary one).
ui::Rect WorkAreaUnderCursor() {
  POINT cursor = {};
  GetCursorPos(&cursor);
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY), &info)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  }
  return ToRect(info.rcWork);
}

}  // namespace

FormWindow::~FormWindow() {
  alive_ = false;
  for (auto& peer : peers_) peer->Detach();
  if (form_.GetPeer() == this) form_.AttachPeer(nullptr);
  // The tooltip and the controls' windows go with the form's window.
  hwnd_.reset();
}

ATOM FormWindow::FormClass() {
  static const ATOM registered =
      RegisterWindowClass({.name = kFormClass,
                           .procedure = Proc,
                           .extraBytes = sizeof(LONG_PTR),
                           .icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"),
                           .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
  return registered;
}

FormWindow* FormWindow::Of(HWND window) {
  if (window == nullptr || GetClassLongPtrW(window, GCW_ATOM) != FormClass()) return nullptr;
  return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, kSelfOffset));
}

void FormWindow::Create(HWND owner) {
  FormClass();

  const DWORD style =
      WS_CLIPCHILDREN |
      (form_.Sizeable() ? WS_OVERLAPPEDWINDOW : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
  DWORD exStyle = WS_EX_CONTROLPARENT | (form_.Sizeable() ? 0 : WS_EX_DLGMODALFRAME);
  if (form_.OwnTaskbarButton()) {
    // An owned window never gets a taskbar button; the desktop as owner means no owner.
    exStyle |= WS_EX_APPWINDOW;
    owner = nullptr;
  }
  CreateWindowExW(exStyle, kFormClass, form_.Caption().c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), this);
  HWND window = hwnd_.get();
  if (window == nullptr) return;
  if (form_.RoundedCorners()) {
    // Windows 11 only; elsewhere the call fails and the corners stay as they are.
    constexpr DWORD kCornerPreference = 33;  // DWMWA_WINDOW_CORNER_PREFERENCE
    constexpr DWORD kRound = 2;              // DWMWCP_ROUND
    DwmSetWindowAttribute(window, kCornerPreference, &kRound, sizeof kRound);
  }

  dpi_ = WindowDpi(window);
  const ui::Size design = form_.DesignClientSize();
  const RECT outer = OuterRect(
      {0, 0, ui::Scale(design.width, dpi_), ui::Scale(design.height, dpi_)}, style, exStyle, dpi_);
  // A size the form asks for replaces the designed one, dimension by dimension.
  const ui::Size asked = form_.OuterSize();
  const ui::Size size = BoundedByMinimum(
      {asked.width > 0 ? asked.width : static_cast<int>(outer.right - outer.left),
       asked.height > 0 ? asked.height : static_cast<int>(outer.bottom - outer.top)});
  const ui::Point origin = ui::CentredOrigin(WorkAreaUnderCursor(), size);
  SetWindowPos(window, nullptr, origin.x, origin.y, size.width, size.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  form_.Resized(form_.GetWindowState(), size);

  // The controls are made in a window of its final size, each at its place.
  tips_.Attach(window);
  RECT client;
  GetClientRect(window, &client);
  CreatePeers(form_, window, ui::LayoutForm(form_, {client.right, client.bottom}, dpi_));
  form_.AttachPeer(this);
  Relayout();
}

void FormWindow::CreatePeers(ui::Control& parent, HWND parentWindow,
                             const std::vector<ui::Placement>& placements) {
  // Made in the tab order: the dialog manager's Tab follows the order windows were made in.
  for (ui::Control* child : parent.TabOrder()) {
    const PeerMaker maker = MakerFor(child->GetKind());
    if (maker == nullptr) continue;
    std::unique_ptr<WindowPeer> peer = maker(*child, *this);
    const auto placed =
        std::find_if(placements.begin(), placements.end(),
                     [child](const ui::Placement& p) { return p.control == child; });
    peer->Create(parentWindow, kFirstControlId + static_cast<int>(peers_.size()),
                 placed != placements.end() ? placed->rect : ui::Rect{});
    HWND window = peer->Hwnd();
    const bool container = peer->IsContainer();
    peers_.push_back(std::move(peer));
    if (container && window != nullptr) CreatePeers(*child, window, placements);
  }
}

ui::Size FormWindow::BoundedByMinimum(ui::Size size) const {
  const ui::Size minimum = form_.MinimumSize();
  return {std::max(size.width, ui::Scale(minimum.width, dpi_)),
          std::max(size.height, ui::Scale(minimum.height, dpi_))};
}

void FormWindow::Open(HWND modalOwner) {
  modalOwner_ = modalOwner;
  open_ = true;
  const bool maximized = form_.GetWindowState() == ui::WindowState::Maximized;
  ShowWindow(hwnd_.get(), maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_.get());
  UpdateWindow(hwnd_.get());
  form_.Shown();
}

HFONT FormWindow::FontFor(const ui::Control& control) {
  return fonts_.Get(control.EffectiveFont(), dpi_);
}

void FormWindow::Relayout() {
  HWND window = hwnd_.get();
  if (window == nullptr || IsIconic(window)) return;
  RECT client;
  GetClientRect(window, &client);
  for (const ui::Placement& placed : ui::LayoutForm(form_, {client.right, client.bottom}, dpi_)) {
    if (auto* peer = dynamic_cast<WindowPeer*>(placed.control->GetPeer())) peer->Place(placed.rect);
  }
}

void FormWindow::RefreshFonts(const ui::Control& from) {
  for (ui::Control* child : from.Children()) {
    if (auto* peer = dynamic_cast<WindowPeer*>(child->GetPeer())) peer->RefreshFont();
    RefreshFonts(*child);
  }
}

void FormWindow::Update(ui::Aspect aspect) {
  HWND window = hwnd_.get();
  if (window == nullptr) return;
  switch (aspect) {
    case ui::Aspect::Text:
      SetWindowTextW(window, form_.Caption().c_str());
      break;
    case ui::Aspect::Visible:
      if (!form_.Visible() && IsWindowVisible(window)) ShowWindow(window, SW_HIDE);
      break;
    case ui::Aspect::Bounds: {
      const ui::Size size = BoundedByMinimum(form_.OuterSize());
      SetWindowPos(window, nullptr, 0, 0, size.width, size.height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case ui::Aspect::WindowState:
      if (IsWindowVisible(window)) ShowWindow(window, ShowCommandFor(form_.GetWindowState()));
      break;
    case ui::Aspect::Font:
      RefreshFonts(form_);
      break;
    case ui::Aspect::Focus:
      RestoreFocus();
      break;
    case ui::Aspect::TaskbarProgress:
      for (const ui::Component* part : form_.Components()) {
        if (const auto* progress = dynamic_cast<const ui::TaskbarProgress*>(part)) {
          taskbar_.Show(window, *progress);
        }
      }
      break;
    default:
      break;
  }
}

void FormWindow::NoteSize(WPARAM kind) {
  if (kind == SIZE_MAXIMIZED) {
    form_.Resized(ui::WindowState::Maximized, std::nullopt);
  } else if (kind == SIZE_MINIMIZED) {
    form_.Resized(ui::WindowState::Minimized, std::nullopt);
  } else if (kind == SIZE_RESTORED) {
    RECT r;
    GetWindowRect(hwnd_.get(), &r);
    form_.Resized(ui::WindowState::Normal, ui::Size{r.right - r.left, r.bottom - r.top});
  }
}

void FormWindow::CloseRequested() {
  // A window without owner hands the activation back itself; else the system would activate
  // whichever window comes next.
  const HideOnExit hide(hwnd_.get(), form_.OwnTaskbarButton() ? modalOwner_ : nullptr);
  // The owner comes back before this window hides, so that it is the one activated.
  if (modalOwner_ != nullptr) EnableWindow(modalOwner_, TRUE);
  modalOwner_ = nullptr;
  if (!open_) return;
  open_ = false;
  form_.Closed();
}

void FormWindow::ChangeDpi(int dpi, const RECT* suggested) {
  dpi_ = dpi;
  fonts_.Clear();
  for (auto& peer : peers_) peer->DpiChanged();
  if (suggested != nullptr) {
    SetWindowPos(hwnd_.get(), nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Relayout();
}

void FormWindow::SetStyle(ui::Style style) {
  style_ = style;
  // A window that keeps the system's look is left exactly as the system made it.
  if (palette_.Style() != EffectiveStyle()) ApplyStyle();
}

ui::Style FormWindow::EffectiveStyle() const {
  return system_dark_mode::HighContrast() ? ui::Style::None : style_;
}

void FormWindow::ApplyStyle() {
  HWND window = hwnd_.get();
  if (window == nullptr) return;
  palette_ = Palette(EffectiveStyle());
  system_dark_mode::StyleTitleBar(window, palette_.Style());
  tips_.Restyle(palette_);
  for (auto& peer : peers_) peer->StyleChanged();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void FormWindow::RestoreFocus() {
  HWND window = hwnd_.get();
  HWND target = lastFocus_;
  if (!IsDescendant(window, target) || !IsWindowVisible(target) || !IsWindowEnabled(target)) {
    target = GetNextDlgTabItem(window, nullptr, FALSE);
  }
  if (target != nullptr) SetFocus(target);
}

std::optional<LRESULT> FormWindow::Own(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      // Before it is shown, the window is being placed as the form asks: nothing to tell.
      if (open_) NoteSize(wParam);
      if (wParam != SIZE_MINIMIZED) Relayout();
      return 0;
    case WM_GETMINMAXINFO: {
      const ui::Size minimum = form_.MinimumSize();
      auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
      info.ptMinTrackSize.x = std::max<LONG>(info.ptMinTrackSize.x, ui::Scale(minimum.width, dpi_));
      info.ptMinTrackSize.y =
          std::max<LONG>(info.ptMinTrackSize.y, ui::Scale(minimum.height, dpi_));
      return 0;
    }
    case WM_DPICHANGED:
      ChangeDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CLOSE:
      CloseRequested();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (IsDescendant(hwnd_.get(), focus)) lastFocus_ = focus;
      }
      return std::nullopt;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_.get(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, palette_.WindowBrush());
      return 1;
    }
    case WM_SETTINGCHANGE:
      // High contrast may have come or gone.
      if (palette_.Style() != EffectiveStyle()) ApplyStyle();
      return std::nullopt;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      ApplyStyle();
      return std::nullopt;
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item.CtlType != ODT_MENU) return std::nullopt;
      MeasureMenuItem(item, hwnd_.get(), FontFor(form_), dpi_);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType != ODT_MENU) return std::nullopt;
      DrawMenuItem(item, palette_, FontFor(form_), dpi_);
      return TRUE;
    }
    default:
      return std::nullopt;
  }
}

LRESULT FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = hwnd_.get();
  std::optional<LRESULT> result;
  if (alive_) result = RouteFromChild(window, message, wParam, lParam);
  if (!result && alive_) result = Own(message, wParam, lParam);
  const LRESULT answer = result ? *result : DefWindowProcW(window, message, wParam, lParam);
  if (!alive_) return answer;
  Notify(message, wParam, lParam);
  return answer;
}

void FormWindow::Notify(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DEVICECHANGE:
      if (form_.OnDeviceChange) form_.OnDeviceChange(DecodeDeviceChange(wParam));
      break;
    case WM_MOVING:
      if (form_.OnMoving && lParam != 0) {
        auto& native = *reinterpret_cast<RECT*>(lParam);
        ui::Rect proposed = ToRect(native);
        form_.OnMoving(proposed);
        native = ToRECT(proposed);
      }
      break;
    case WM_SETTINGCHANGE:
      if (form_.OnSettingChange) {
        const auto* area = reinterpret_cast<const wchar_t*>(lParam);
        form_.OnSettingChange(area != nullptr ? area : L"");
      }
      break;
    case WM_MOUSEMOVE:
      if (form_.OnMouseMove) form_.OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      break;
    default:
      break;
  }
}

LRESULT CALLBACK FormWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_NCCREATE) {
      auto* self =
          static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      SetWindowLongPtrW(window, kSelfOffset, reinterpret_cast<LONG_PTR>(self));
      self->hwnd_.reset(window);
    }
    FormWindow* self = Of(window);
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, kSelfOffset, 0);
      self->open_ = false;
      (void)self->hwnd_.release();
      return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    // No failure crosses the window procedure.
    return 0;
  }
}

}  // namespace platform::win32
