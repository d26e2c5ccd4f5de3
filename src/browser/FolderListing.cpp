// Filling the file list with the content of one folder.
#include "app/Unit_Base.h"
#include "browser/FileSize.h"
#include "browser/ModifiedText.h"
#include "browser/PathText.h"
#include "browser/Sorting.h"

namespace {

enum SubItem : size_t { kType = 0, kModified = 1, kSize = 2, kKind = 3 };
constexpr size_t kMaxTypeName = 80;

bool PassedOver(std::uint32_t attributes, std::uint32_t mask) {
  constexpr std::uint32_t kFiltered =
      platform::kAttrHidden | platform::kAttrSystem | platform::kAttrDirectory;
  return (attributes & kFiltered & ~mask) != 0;
}

}  // namespace

void TForm1::AddFile(const std::wstring& fileMask, std::uint32_t fileAttr) {
  ui::ListView& list = *ListViewAttributes;
  const std::wstring folder = WithTrailingBackslash(cbPath->Text());
  const std::wstring separator = services.clock.TimeSeparator();
  list.BeginUpdate();
  try {
    list.Clear();
    services.files.Enumerate(fileMask, [&](const platform::DirEntry& entry) {
      if (PassedOver(entry.attributes, fileAttr)) return;
      if (entry.name.empty() || entry.name == L"." || entry.name == L"..") return;
      ui::ListItem item;
      item.caption = entry.name;
      item.subItems.resize(4);
      if (const auto info = services.shell.GetFileInfo(folder + entry.name)) {
        item.imageIndex = info->iconIndex;
        item.subItems[kType] = info->typeName.substr(0, kMaxTypeName);
      }
      const auto local = services.clock.ToLocal(entry.lastWrite);
      item.subItems[kModified] = FormatModified(local.value_or(platform::DateTime{}), separator);
      const bool isDir = (entry.attributes & platform::kAttrDirectory) != 0;
      if (!isDir && entry.size > 0) {
        item.subItems[kSize] = FormatFileSize(static_cast<std::int64_t>(entry.size));
      }
      item.subItems[kKind] = isDir ? L"dir" : L"file";
      list.AddItem(std::move(item));
    });
  } catch (...) {
    list.EndUpdate();
    throw;
  }
  list.EndUpdate();

  if (list.Count() > 0) {
    SortItems(list, SortColumn::Size, state.SortDirection);
    try {
      list.ScrollIntoView(0);
      list.SetItemSelected(0, true);
      list.SetFocused(0);
      list.SetFocus();
    } catch (...) {
    }
  }
  ShowItemCount();
  services.dispatcher.ProcessMessages();
}

void TForm1::AttachSystemImageLists(ui::ListView* listView) {
  if (listView == nullptr) return;
  // The system lists are borrowed; the list view never destroys them.
  auto share = [&](bool small, ui::ImageList*& slot, const wchar_t* name) {
    const std::uintptr_t handle = services.shell.SystemImageList(small);
    if (handle == 0) return;
    if (slot == nullptr) slot = &Create<ui::ImageList>(name, 16, ui::ImageSource::None);
    slot->ShareHandle(handle, small ? 16 : 32,
                      small ? ui::ImageSource::SystemSmall : ui::ImageSource::SystemLarge);
  };
  ui::ImageList* large = const_cast<ui::ImageList*>(listView->LargeImages());
  ui::ImageList* small = const_cast<ui::ImageList*>(listView->SmallImages());
  share(false, large, L"SystemLargeImages");
  share(true, small, L"SystemSmallImages");
  listView->SetImages(small, large);
}
