// The four attribute boxes: shown from the item's attribute word, written back to it.
#include "browser/ProtectedNames.h"
#include "editor/EditorPanel.h"

namespace {

// The bits the panel shows, one box each.
constexpr std::uint32_t kShown = platform::kAttrReadOnly | platform::kAttrHidden |
                                 platform::kAttrSystem | platform::kAttrArchive;

// `current` with the four shown bits replaced by `checked`. Every other bit is kept (a
// cloud file's pin, no-scrub ...); the system ignores those a program cannot set.
std::uint32_t AttributesToWrite(std::uint32_t current, std::uint32_t checked) {
  const std::uint32_t word = (current & ~(kShown | platform::kAttrNormal)) | checked;
  return word == 0 ? platform::kAttrNormal : word;
}

}  // namespace

std::uint32_t EditorPanel::CheckedAttributes() const {
  std::uint32_t word = 0;
  if (ui_.readOnly.Checked()) word |= platform::kAttrReadOnly;
  if (ui_.hidden.Checked()) word |= platform::kAttrHidden;
  if (ui_.system.Checked()) word |= platform::kAttrSystem;
  if (ui_.archive.Checked()) word |= platform::kAttrArchive;
  return word;
}

void EditorPanel::ShowAttributes(std::uint32_t attributes) {
  ui_.readOnly.SetChecked((attributes & platform::kAttrReadOnly) != 0);
  ui_.hidden.SetChecked((attributes & platform::kAttrHidden) != 0);
  ui_.system.SetChecked((attributes & platform::kAttrSystem) != 0);
  ui_.archive.SetChecked((attributes & platform::kAttrArchive) != 0);
}

void EditorPanel::ApplyAttributes() {
  const std::optional<Item> item = FirstSelectedItem();
  if (!item || IsProtectedItem(item->shown.caption)) return;
  const std::uint32_t current = services_.files.GetAttributes(item->path);
  // An item gone since the listing is not written; the read-back shows it gone.
  if (current != platform::kInvalidAttributes) {
    services_.files.SetAttributes(item->path, AttributesToWrite(current, CheckedAttributes()));
  }
  ReadAttributes();
  services_.dispatcher.ProcessMessages();
  NotifyShell();
  services_.dispatcher.ProcessMessages();
}

bool EditorPanel::IsProtectedItem(const std::wstring& itemName) {
  return IsProtectedName(itemName);
}

void EditorPanel::NotifyShell() {
  services_.shell.NotifyAssociationsChanged();
  services_.shell.RefreshDesktop();
}
