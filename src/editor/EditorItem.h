#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/ui/ListView.h"

class TForm1;

// The item the editor describes and changes: the first selected item in list order.
struct EditorItem {
  std::size_t index = 0;
  std::wstring caption;
  bool isFolder = false;
  std::wstring path;  // ItemPath of the caption
};

std::optional<EditorItem> FirstSelectedItem(TForm1& form);

// False once pending messages have made another item the first selected one, or moved the
// list to another folder: a newer refresh then describes that one.
bool IsStillFirstSelected(TForm1& form, const EditorItem& item);

// The caption of the first selected item, or nothing.
std::optional<std::wstring> FirstSelectedName(ui::ListView& list);
