// Keeping the editor panel in step with the first selected item of the file list.
#include "browser/ItemCount.h"
#include "browser/ListItems.h"
#include "browser/PathText.h"
#include "editor/EditorPanel.h"

std::optional<EditorPanel::Item> EditorPanel::FirstSelectedItem() const {
  auto selected = listitem::FirstSelected(ui_.list);
  if (!selected) return std::nullopt;
  std::wstring path = ItemPath(selected->caption);
  return Item{std::move(*selected), std::move(path)};
}

bool EditorPanel::IsStillFirstSelected(const Item& item) const {
  const std::optional<Item> now = FirstSelectedItem();
  return now && now->shown.caption == item.shown.caption &&
         now->shown.isFolder == item.shown.isFolder && now->path == item.path;
}

// Pending messages run at several points; after each, the refresh stops when another item
// has become the first selected one, whose own refresh has taken over.
void EditorPanel::Refresh() {
  ShowItemCount(ui_.status, ui_.countCaption, ui_.list);
  services_.dispatcher.ProcessMessages();

  const std::optional<Item> item = FirstSelectedItem();
  ShowAttributes(0);
  if (!item) {
    ui_.attributes.SetEnabled(false);
    ui_.dateTime.SetEnabled(false);
    return;
  }
  if (IsProtectedItem(item->shown.caption)) ui_.attributes.SetEnabled(false);
  ReadAttributes();
  if (!IsStillFirstSelected(*item)) return;

  ui_.status.SetPanelText(1, L"");
  ui_.status.SetPanelText(2, L"");
  // Folders show their time, but only files are offered the date change.
  ui_.applyDateTime.SetEnabled(!item->shown.isFolder);
  ui_.dateTime.SetEnabled(!item->shown.isFolder);

  const std::optional<platform::DateTime> time = GetEntryTime(item->path);
  if (!time) return;
  ui_.date.SetValue(*time);
  services_.dispatcher.ProcessMessages();
  if (!IsStillFirstSelected(*item)) return;
  ui_.time.SetValue(*time);
  services_.dispatcher.ProcessMessages();
}

void EditorPanel::ReadAttributes() {
  const std::optional<Item> item = FirstSelectedItem();
  if (!item || IsProtectedItem(item->shown.caption)) return;
  const std::uint32_t attributes = services_.files.GetAttributes(item->path);
  ShowAttributes(0);
  ui_.attributes.SetEnabled(true);
  services_.dispatcher.ProcessMessages();
  if (attributes == platform::kInvalidAttributes || !IsStillFirstSelected(*item)) return;
  ShowAttributes(attributes);
  services_.dispatcher.ProcessMessages();
}

// An empty folder leaves nothing selected: neither group may describe an item of the folder
// listed before.
void EditorPanel::ShowListedFolder() {
  if (ui_.list.Selected() < 0) {
    ShowAttributes(0);
    ui_.attributes.SetEnabled(false);
    ui_.dateTime.SetEnabled(false);
  }
  ReadAttributes();
}

std::optional<platform::DateTime> EditorPanel::GetEntryTime(const std::wstring& path) const {
  const std::optional<platform::DirEntry> entry = services_.files.FindEntry(path);
  if (!entry) return std::nullopt;
  return services_.clock.ToLocal(entry->lastWrite);
}

std::wstring EditorPanel::ItemPath(const std::wstring& caption) const {
  return CollapseBackslashes(ui_.path.Text() + L"\\" + caption);
}
