#include "browser/ItemCount.h"

#include <string>

void ShowItemCount(ui::StatusBar& status, const ui::MenuItem& caption, const ui::ListView& list) {
  status.SetPanelText(0, caption.Caption() + L" " + std::to_wstring(list.Count()));
}
