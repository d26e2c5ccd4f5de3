// Filling the file list with the content of one folder.
#include <memory>

#include "browser/FileSize.h"
#include "browser/FileTypeInfo.h"
#include "browser/FolderBrowser.h"
#include "browser/ItemCount.h"
#include "browser/ListItems.h"
#include "browser/ModifiedText.h"
#include "browser/PathText.h"
#include "browser/Sorting.h"
#include "platform/ui/ImageList.h"

namespace {

bool PassedOver(std::uint32_t attributes, std::uint32_t mask) {
  constexpr std::uint32_t kFiltered =
      platform::kAttrHidden | platform::kAttrSystem | platform::kAttrDirectory;
  return (attributes & kFiltered & ~mask) != 0;
}

bool IsListed(const std::wstring& name) {
  return !name.empty() && name != L"." && name != L"..";
}

// Redraws the list once, on every way out of the fill.
class UpdateBracket {
 public:
  explicit UpdateBracket(ui::ListView& list) : list_(list) { list_.BeginUpdate(); }
  ~UpdateBracket() {
    try {
      list_.EndUpdate();
    } catch (...) {
      // A peer that fails to redraw must not end the program from a destructor.
    }
  }
  UpdateBracket(const UpdateBracket&) = delete;
  UpdateBracket& operator=(const UpdateBracket&) = delete;

 private:
  ui::ListView& list_;
};

// An item without its type and icon: the shell is asked for those only when it is shown.
ui::ListItem MakeItem(const platform::DirEntry& entry, std::wstring modified) {
  ui::ListItem item;
  item.caption = entry.name;
  item.resolved = false;
  item.subItems.resize(listitem::kCount);
  item.subItems[listitem::kModified] = std::move(modified);
  const bool isDir = (entry.attributes & platform::kAttrDirectory) != 0;
  if (!isDir && entry.size > 0) {
    item.subItems[listitem::kSize] = FormatFileSize(static_cast<std::int64_t>(entry.size));
  }
  item.subItems[listitem::kKind] = isDir ? listitem::kDir : listitem::kFile;
  item.numbers[listitem::kBytes] = isDir ? 0 : static_cast<std::int64_t>(entry.size);
  item.numbers[listitem::kWritten] = static_cast<std::int64_t>(entry.lastWrite);
  return item;
}

}  // namespace

void FolderBrowser::List(const std::wstring& fileMask, std::uint32_t fileAttr) {
  ui::ListView& list = ui_.list;
  {
    const UpdateBracket update(list);
    list.Clear();
    types_ =
        std::make_shared<FileTypeInfo>(services_.shell, WithTrailingBackslash(ui_.path.Text()));
    list.SetItemResolver(FileTypeInfo::Resolver(types_));
    const std::wstring separator = services_.clock.TimeSeparator();
    services_.files.Enumerate(fileMask, [&](const platform::DirEntry& entry) {
      if (PassedOver(entry.attributes, fileAttr) || !IsListed(entry.name)) return;
      const auto local = services_.clock.ToLocal(entry.lastWrite);
      types_->Note(entry);
      list.AddItem(
          MakeItem(entry, FormatModified(local.value_or(platform::DateTime{}), separator)));
    });
    // Sorted before the list is drawn, so that the window takes the rows once, in order.
    if (list.Count() > 0) SortItems(list, SortColumn::Size, sortDirection_, TypeNamesOfListing());
  }

  if (list.Count() > 0) {
    try {
      list.ScrollIntoView(0);
      list.SetItemSelected(0, true);
      list.SetFocused(0);
      list.SetFocus();
    } catch (...) {
      // Focusing fails while the window is not shown yet: the list keeps its content.
    }
  }
  ShowItemCount();
  services_.dispatcher.ProcessMessages();
}

void FolderBrowser::AttachSystemImageLists(ui::ListView* listView) const {
  if (listView == nullptr) return;
  ShareSystemImages(*listView, listView->SmallImages(), true, true);
  ShareSystemImages(*listView, listView->LargeImages(), false, false);
}

void FolderBrowser::SetSystemIconSize(ui::ListView* listView, bool large) const {
  if (listView == nullptr) return;
  // The rows of a report take their icons from the small slot: both slots get one size.
  ShareSystemImages(*listView, listView->SmallImages(), !large, true);
  ShareSystemImages(*listView, listView->LargeImages(), !large, false);
}

// The system lists are borrowed; the list view never destroys them. They are asked for
// when the list's window is made, so that the shell can make them meanwhile.
void FolderBrowser::ShareSystemImages(ui::ListView& listView, const ui::ImageList* slot,
                                      bool smallIcons, bool smallSlot) const {
  auto* list = const_cast<ui::ImageList*>(slot);
  if (list == nullptr) {
    list = &listView.Create<ui::ImageList>(smallSlot ? L"SystemSmallImages" : L"SystemLargeImages",
                                           16, ui::ImageSource::None);
  }
  list->ShareHandle(
      [&shell = services_.shell, smallIcons] { return shell.SystemImageList(smallIcons); },
      smallIcons ? 16 : 32,
      smallIcons ? ui::ImageSource::SystemSmall : ui::ImageSource::SystemLarge);
  if (smallSlot) {
    listView.SetImages(list, listView.LargeImages());
  } else {
    listView.SetImages(listView.SmallImages(), list);
  }
}

TypeNames FolderBrowser::TypeNamesOfListing() const {
  return [types = types_](const ui::ListItem& item) {
    return types ? types->TypeName(item) : std::wstring();
  };
}

void FolderBrowser::ShowItemCount() {
  ::ShowItemCount(ui_.status, ui_.countCaption, ui_.list);
}
