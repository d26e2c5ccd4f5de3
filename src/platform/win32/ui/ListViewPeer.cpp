#include <algorithm>
#include <set>
#include <string>

#include "platform/ui/ImageList.h"
#include "platform/ui/Layout.h"
#include "platform/ui/ListView.h"
#include "platform/win32/ui/DarkenedPainting.h"
#include "platform/win32/ui/FormWindow.h"
#include "platform/win32/ui/HeaderLook.h"
#include "platform/win32/ui/Peers.h"
#include "platform/win32/ui/SystemDarkMode.h"

namespace platform::win32 {

namespace {

// Marks the changes the peer itself pushes into the control, so they are not echoed back.
class Pushing {
 public:
  explicit Pushing(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
  ~Pushing() { flag_ = previous_; }
  Pushing(const Pushing&) = delete;
  Pushing& operator=(const Pushing&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

// The file list: a virtual report list whose rows are read from the model only when drawn.
class ListViewPeer : public WindowPeer {
 public:
  ListViewPeer(ui::Control& control, FormWindow& form)
      : WindowPeer(control, form), list_(static_cast<ui::ListView&>(control)) {}

  std::optional<LRESULT> Notify(NMHDR& header) override {
    switch (header.code) {
      case LVN_GETDISPINFOW:
        FillRow(reinterpret_cast<NMLVDISPINFOW&>(header).item);
        return 0;
      case LVN_ITEMCHANGED:
        ItemChanged(reinterpret_cast<const NMLISTVIEW&>(header));
        return 0;
      case LVN_ODSTATECHANGED:
        RangeChanged(reinterpret_cast<const NMLVODSTATECHANGE&>(header));
        return 0;
      case NM_CLICK:
        list_.UserClick();
        return 0;
      case NM_DBLCLK:
        list_.UserDblClick();
        return 0;
      case NM_RETURN:
        list_.UserReturn();
        return 0;
      case NM_CUSTOMDRAW:
        return DrawRow(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
      case LVN_ODFINDITEMW:
        return FindRow(reinterpret_cast<const NMLVFINDITEMW&>(header));
      case LVN_COLUMNCLICK:
        list_.UserColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        return 0;
      default:
        return std::nullopt;
    }
  }

 protected:
  [[nodiscard]] Native Describe() const override {
    return {WC_LISTVIEWW,
            LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | WS_TABSTOP,
            WS_EX_CLIENTEDGE};
  }

  void Created() override {
    constexpr DWORD kExtended = LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER;
    SendMessageW(Hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, kExtended, kExtended);
  }

  void StyleChanged() override {
    headerLook_.Reset();
    const Palette& colours = Colours();
    system_dark_mode::StyleControl(Hwnd(), colours.Style(), L"Explorer");
    system_dark_mode::StyleControl(ListView_GetHeader(Hwnd()), colours.Style(), L"ItemsView");
    // The header has no dark look of its own where the system lacks one.
    PaintDarkenedInDarkStyle(ListView_GetHeader(Hwnd()), Form());
    ListView_SetBkColor(Hwnd(), colours.field);
    ListView_SetTextBkColor(Hwnd(), colours.field);
    ListView_SetTextColor(Hwnd(), colours.fieldText);
    InvalidateRect(Hwnd(), nullptr, TRUE);
    InvalidateRect(ListView_GetHeader(Hwnd()), nullptr, TRUE);
  }

  void Mirror(ui::Aspect aspect) override {
    switch (aspect) {
      case ui::Aspect::Columns:
        MirrorColumns();
        break;
      case ui::Aspect::Images:
        MirrorImages();
        break;
      case ui::Aspect::Items:
        MirrorCount();
        MirrorSelection();
        break;
      case ui::Aspect::Selection:
        MirrorSelection();
        break;
      case ui::Aspect::Scroll:
        if (list_.ScrollTarget() >= 0) {
          SendMessageW(Hwnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(list_.ScrollTarget()), TRUE);
        }
        break;
      default:
        break;
    }
  }

  // Each column, image list and row count set makes the list lay itself out again.
  [[nodiscard]] bool SetUpWithoutRedraw() const override { return true; }

  std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY) {
      auto& header = *reinterpret_cast<NMHEADERW*>(lParam);
      if (header.hdr.hwndFrom == ListView_GetHeader(Hwnd())) {
        if (header.hdr.code == NM_CUSTOMDRAW && !Colours().Styled()) {
          return headerLook_.CustomDraw(header.hdr.hwndFrom,
                                        *reinterpret_cast<NMCUSTOMDRAW*>(lParam));
        }
        return HeaderNotify(header);
      }
    }
    // Typing a name is the model's: the control's own search knows no emoji, and its pause
    // differs from system to system.
    if (message == WM_CHAR && list_.UserType(static_cast<wchar_t>(wParam), GetTickCount64())) {
      return 0;
    }
    if (message == WM_GETDLGCODE && wParam == VK_RETURN) {
      // Enter opens the focused row instead of pressing the dialog's default button.
      return Default(message, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    // Scrolling stays the list view's own: it repaints only what the scroll uncovers.
    return WindowPeer::OwnMessage(message, wParam, lParam);
  }

 private:
  void FillRow(LVITEMW& shown) {
    if (shown.iItem < 0 || static_cast<size_t>(shown.iItem) >= list_.Count()) return;
    const auto row = static_cast<size_t>(shown.iItem);
    if ((shown.mask & LVIF_TEXT) != 0 && shown.pszText != nullptr && shown.cchTextMax > 0) {
      const std::wstring text = list_.Text(row, static_cast<size_t>(std::max(shown.iSubItem, 0)));
      lstrcpynW(shown.pszText, text.c_str(), shown.cchTextMax);
    }
    if ((shown.mask & LVIF_IMAGE) != 0) shown.iImage = list_.ImageIndex(row);
  }

  // A search by caption that the control or an assistive program asks of the rows.
  LRESULT FindRow(const NMLVFINDITEMW& find) const {
    if ((find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.lvfi.psz == nullptr ||
        list_.Count() == 0) {
      return -1;
    }
    const auto start = static_cast<size_t>(std::max(find.iStart, 0));
    if (start >= list_.Count() && (find.lvfi.flags & LVFI_WRAP) == 0) return -1;
    const int found =
        list_.FindCaption(find.lvfi.psz, start, (find.lvfi.flags & LVFI_PARTIAL) == 0);
    // Without wrapping, a match before the start does not count.
    if ((find.lvfi.flags & LVFI_WRAP) == 0 && found >= 0 && static_cast<size_t>(found) < start) {
      return -1;
    }
    return found;
  }

  // In the program's styles selected rows take the palette's selection, focused or not (the
  // system shows a row selected in a list without focus in its light button colour).
  std::optional<LRESULT> DrawRow(NMLVCUSTOMDRAW& draw) const {
    if (!Colours().Styled()) return std::nullopt;
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
    if (ListView_GetItemState(Hwnd(), row, LVIS_SELECTED) == 0) return CDRF_DODEFAULT;
    draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
    draw.clrText = Colours().selectionText;
    draw.clrTextBk = Colours().selection;
    return CDRF_NEWFONT;
  }

  void ItemChanged(const NMLISTVIEW& change) {
    if (pushing_ || (change.uChanged & LVIF_STATE) == 0) return;
    if (change.iItem >= 0 && (change.uNewState & ~change.uOldState & LVIS_FOCUSED) != 0) {
      focusedRow_ = change.iItem;
      list_.UserFocus(change.iItem);
    }
    if (((change.uNewState ^ change.uOldState) & LVIS_SELECTED) == 0) return;
    const bool now = (change.uNewState & LVIS_SELECTED) != 0;
    // Item -1 stands for all items at once.
    if (change.iItem < 0) {
      selectedRows_.clear();
      allSelected_ = now;
      list_.UserSelectAll(now);
    } else {
      Track(change.iItem, now);
      list_.UserSelect(static_cast<size_t>(change.iItem), now);
    }
  }

  void RangeChanged(const NMLVODSTATECHANGE& change) {
    if (pushing_ || ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) == 0) return;
    const bool now = (change.uNewState & LVIS_SELECTED) != 0;
    const int last = std::min(change.iTo, static_cast<int>(list_.Count()) - 1);
    for (int i = std::max(change.iFrom, 0); i <= last; ++i) {
      Track(i, now);
      if (list_.IsSelected(static_cast<size_t>(i)) != now)
        list_.UserSelect(static_cast<size_t>(i), now);
    }
  }

  void Track(int row, bool selected) {
    if (selected) {
      selectedRows_.insert(row);
    } else {
      selectedRows_.erase(row);
    }
  }

  void MirrorCount() {
    const Pushing pushing(pushing_);
    const auto count = static_cast<int>(list_.Count());
    // The same count is a reorder or a changed text: the rows are redrawn where they stand.
    // (Setting the count again costs a virtual list of 100,000 rows 15 ms under Wine.)
    if (count == shownCount_) {
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return;
    }
    SendMessageW(Hwnd(), LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0);
    shownCount_ = count;
  }

  void MirrorSelection() {
    const Pushing pushing(pushing_);
    auto setState = [&](int index, UINT state, UINT mask) {
      LVITEMW item = {};
      item.stateMask = mask;
      item.state = state;
      SendMessageW(Hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&item));
    };
    // The rows the control has selected are known here: asking the control, or changing all
    // its rows at once, walks every row of a virtual list (0.1 s for 100,000 rows).
    const auto count = static_cast<int>(list_.Count());
    if (allSelected_) setState(-1, 0, LVIS_SELECTED);
    allSelected_ = false;
    for (int row : selectedRows_) {
      if (row < count && !list_.IsSelected(static_cast<size_t>(row)))
        setState(row, 0, LVIS_SELECTED);
    }
    selectedRows_.clear();
    for (int row = 0; row < count; ++row) {
      if (!list_.IsSelected(static_cast<size_t>(row))) continue;
      setState(row, LVIS_SELECTED, LVIS_SELECTED);
      selectedRows_.insert(row);
    }
    if (list_.Focused() >= 0) {
      setState(list_.Focused(), LVIS_FOCUSED, LVIS_FOCUSED);
      focusedRow_ = list_.Focused();
    } else if (focusedRow_ >= 0 && focusedRow_ < count) {
      setState(focusedRow_, 0, LVIS_FOCUSED);
    }
    if (list_.Focused() < 0) focusedRow_ = -1;
  }

  void MirrorColumns() {
    const Pushing pushing(pushing_);
    HWND header = ListView_GetHeader(Hwnd());
    auto existing = static_cast<size_t>(std::max(0, Header_GetItemCount(header)));
    const auto& columns = list_.Columns();
    for (size_t i = 0; i < columns.size(); ++i) {
      std::wstring caption = columns[i].caption;
      LVCOLUMNW column = {};
      column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      column.fmt = columns[i].alignRight ? LVCFMT_RIGHT : LVCFMT_LEFT;
      column.cx = ui::Scale(columns[i].width, Dpi());
      column.pszText = caption.data();
      SendMessageW(Hwnd(), i < existing ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW, i,
                   reinterpret_cast<LPARAM>(&column));
    }
    while (existing > columns.size()) SendMessageW(Hwnd(), LVM_DELETECOLUMN, --existing, 0);
  }

  void MirrorImages() {
    auto handle = [](const ui::ImageList* images) {
      return static_cast<LPARAM>(images != nullptr ? images->SharedHandle() : 0);
    };
    // Borrowed lists: LVS_SHAREIMAGELISTS keeps the control from destroying them.
    SendMessageW(Hwnd(), LVM_SETIMAGELIST, LVSIL_SMALL, handle(list_.SmallImages()));
    SendMessageW(Hwnd(), LVM_SETIMAGELIST, LVSIL_NORMAL, handle(list_.LargeImages()));
  }

  // Keeps a dragged column within its limits and tells the model its new width.
  std::optional<LRESULT> HeaderNotify(NMHEADERW& header) {
    const auto& columns = list_.Columns();
    if (header.iItem < 0 || static_cast<size_t>(header.iItem) >= columns.size()) {
      return std::nullopt;
    }
    const auto index = static_cast<size_t>(header.iItem);
    const ui::ListColumn& column = columns[index];
    switch (header.hdr.code) {
      case HDN_BEGINTRACKW:
      case HDN_BEGINTRACKA:
        if (column.minWidth > 0 && column.minWidth == column.maxWidth) return TRUE;
        break;
      case HDN_ITEMCHANGINGW:
      case HDN_ITEMCHANGINGA: {
        if (header.pitem == nullptr || (header.pitem->mask & HDI_WIDTH) == 0) break;
        const int wanted = header.pitem->cxy;
        int allowed = wanted;
        if (column.minWidth > 0) allowed = std::max(allowed, ui::Scale(column.minWidth, Dpi()));
        if (column.maxWidth > 0) allowed = std::min(allowed, ui::Scale(column.maxWidth, Dpi()));
        if (allowed == wanted) break;
        SendMessageW(Hwnd(), LVM_SETCOLUMNWIDTH, index, allowed);
        return TRUE;
      }
      case HDN_ITEMCHANGEDW:
      case HDN_ITEMCHANGEDA:
        if (!pushing_ && header.pitem != nullptr && (header.pitem->mask & HDI_WIDTH) != 0) {
          list_.UserResizeColumn(index, MulDiv(header.pitem->cxy, USER_DEFAULT_SCREEN_DPI, Dpi()));
        }
        break;
      default:
        break;
    }
    return std::nullopt;
  }

  ui::ListView& list_;
  HeaderLook headerLook_;
  int shownCount_ = -1;
  bool pushing_ = false;
  // What the control shows selected and focused, as it has told the peer or been told.
  std::set<int> selectedRows_;
  bool allSelected_ = false;
  int focusedRow_ = -1;
};

}  // namespace

std::unique_ptr<WindowPeer> MakeListViewPeer(ui::Control& control, FormWindow& form) {
  return std::make_unique<ListViewPeer>(control, form);
}

}  // namespace platform::win32
