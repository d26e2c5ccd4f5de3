#include "editor/EditorItem.h"

#include "app/Unit_Base.h"
#include "browser/ListItemLayout.h"

std::optional<EditorItem> FirstSelectedItem(TForm1& form) {
  const int index = form.ListViewAttributes->Selected();
  if (index < 0) return std::nullopt;
  const ui::ListItem& shown = form.ListViewAttributes->Item(static_cast<std::size_t>(index));
  const bool isFolder =
      shown.subItems.size() > listitem::kKind && shown.subItems[listitem::kKind] == listitem::kDir;
  return EditorItem{static_cast<std::size_t>(index), shown.caption, isFolder,
                    form.ItemPath(shown.caption)};
}

bool IsStillFirstSelected(TForm1& form, const EditorItem& item) {
  const std::optional<EditorItem> now = FirstSelectedItem(form);
  return now && now->caption == item.caption && now->isFolder == item.isFolder &&
         now->path == item.path;
}

std::optional<std::wstring> FirstSelectedName(ui::ListView& list) {
  const int index = list.Selected();
  if (index < 0) return std::nullopt;
  return list.Item(static_cast<std::size_t>(index)).caption;
}
