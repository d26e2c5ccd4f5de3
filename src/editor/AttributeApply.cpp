// Writing the four attribute boxes to the first selected item.
#include "app/Unit_Base.h"
#include "editor/AttributeBoxes.h"
#include "editor/EditorItem.h"

void TForm1::Button_ApplyClick() {
  const std::optional<EditorItem> item = FirstSelectedItem(*this);
  if (!item || IsProtectedItem(item->caption)) return;
  const std::uint32_t current = services.files.GetAttributes(item->path);
  // An item gone since the listing is not written; the read-back shows it gone.
  if (current != platform::kInvalidAttributes) {
    services.files.SetAttributes(item->path, AttributesToWrite(current, CheckedAttributes(*this)));
  }
  GetAttrAttributes();
  services.dispatcher.ProcessMessages();
  NotifyShell();
  services.dispatcher.ProcessMessages();
}

void TForm1::NotifyShell() {
  services.shell.NotifyAssociationsChanged();
  services.shell.RefreshDesktop();
}
