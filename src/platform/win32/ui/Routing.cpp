#include "platform/win32/ui/Routing.h"

#include <commctrl.h>

#include "platform/win32/ui/FormWindow.h"
#include "platform/win32/ui/WindowPeer.h"

namespace platform::win32 {

namespace {

// The peer of a child (or a part of it, like a combo box's edit field), while its form lives.
WindowPeer* LivePeer(HWND child, HWND router) {
  if (child == nullptr || child == router) return nullptr;
  WindowPeer* peer = WindowPeer::Owning(child, router);
  return peer != nullptr && peer->Form().Alive() ? peer : nullptr;
}

std::optional<LRESULT> SetCursorFor(HWND router, WPARAM wParam, LPARAM lParam) {
  WindowPeer* peer = LivePeer(reinterpret_cast<HWND>(wParam), router);
  if (peer == nullptr || LOWORD(lParam) != HTCLIENT ||
      peer->Control().GetCursor() != ui::Cursor::HandPoint) {
    return std::nullopt;
  }
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return TRUE;
}

}  // namespace

std::optional<LRESULT> RouteFromChild(HWND router, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (WindowPeer* peer = LivePeer(reinterpret_cast<HWND>(lParam), router)) {
        return peer->Command(HIWORD(wParam));
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (WindowPeer* peer = LivePeer(header->hwndFrom, router)) return peer->Notify(*header);
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (WindowPeer* peer = LivePeer(reinterpret_cast<HWND>(lParam), router)) {
        return peer->ColorMessage(message, reinterpret_cast<HDC>(wParam));
      }
      break;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_MENU) break;  // the form draws its menus
      WindowPeer* peer = LivePeer(item.hwndItem, router);
      if (peer != nullptr && peer->DrawItem(item)) return TRUE;
      break;
    }
    case WM_CONTEXTMENU: {
      WindowPeer* peer = LivePeer(reinterpret_cast<HWND>(wParam), router);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (peer != nullptr && peer->ContextMenu(at)) return 0;
      break;
    }
    case WM_SETCURSOR:
      return SetCursorFor(router, wParam, lParam);
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace platform::win32
