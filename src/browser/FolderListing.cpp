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

// An item of numbers only: its columns are made when it is shown, its type and icon asked of
// the shell then.
ui::ListItem MakeItem(const platform::DirEntry& entry) {
  ui::ListItem item;
  item.caption = entry.name;
  item.resolved = false;
  const bool isDir = (entry.attributes & platform::kAttrDirectory) != 0;
  item.numbers[listitem::kBytes] = isDir ? 0 : static_cast<std::int64_t>(entry.size);
  item.numbers[listitem::kWritten] = static_cast<std::int64_t>(entry.lastWrite);
  item.numbers[listitem::kFolder] = isDir ? 1 : 0;
  return item;
}

// The texts of an item's columns, made from its numbers when the item is shown.
ui::ListView::SubItemMaker ColumnTexts(std::shared_ptr<FileTypeInfo> types, platform::Clock& clock,
                                       std::wstring timeSeparator) {
  return [types = std::move(types), &clock, separator = std::move(timeSeparator)](
             const ui::ListItem& item, std::size_t sub) -> std::wstring {
    const bool folder = listitem::IsFolder(item);
    switch (sub) {
      case listitem::kType:
        return types->TypeName(item);
      case listitem::kModified: {
        const auto local =
            clock.ToLocal(static_cast<platform::FileTime>(item.numbers[listitem::kWritten]));
        return FormatModified(local.value_or(platform::DateTime{}), separator);
      }
      case listitem::kSize: {
        const std::int64_t bytes = item.numbers[listitem::kBytes];
        return folder || bytes <= 0 ? std::wstring() : FormatFileSize(bytes);
      }
      default:
        return folder ? listitem::kDir : listitem::kFile;
    }
  };
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
    list.SetSubItemMaker(listitem::kCount,
                         ColumnTexts(types_, services_.clock, services_.clock.TimeSeparator()));
    services_.files.Enumerate(fileMask, [&](const platform::DirEntry& entry) {
      if (PassedOver(entry.attributes, fileAttr) || !IsListed(entry.name)) return;
      types_->Note(entry);
      list.AddItem(MakeItem(entry));
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
