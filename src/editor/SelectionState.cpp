// Keeping the editor panel in step with the first selected item of the file list.
#include "app/Guard.h"
#include "app/Unit_Base.h"
#include "browser/PathText.h"
#include "editor/AttributeBoxes.h"
#include "editor/EditorItem.h"

void TForm1::ListViewAttributesClick() {
  Guard([this] { GlobGetAttrDateTime(); });
}

void TForm1::ListViewAttributesSelectItem() {
  Guard([this] { GlobGetAttrDateTime(); });
}

// Pending messages run at several points; after each, the refresh stops when another item
// has become the first selected one, whose own refresh has taken over.
void TForm1::GlobGetAttrDateTime() {
  ShowItemCount();
  services.dispatcher.ProcessMessages();

  const std::optional<EditorItem> item = FirstSelectedItem(*this);
  ClearAttributeBoxes(*this);
  if (!item) {
    GroupBox1->SetEnabled(false);
    GroupBox3->SetEnabled(false);
    return;
  }
  if (IsProtectedItem(item->caption)) GroupBox1->SetEnabled(false);
  GetAttrAttributes();
  if (!IsStillFirstSelected(*this, *item)) return;

  StatusBar1->SetPanelText(1, L"");
  StatusBar1->SetPanelText(2, L"");
  // Folders show their time, but only files are offered the date change.
  Button_DateTime->SetEnabled(!item->isFolder);
  GroupBox3->SetEnabled(!item->isFolder);

  const std::optional<platform::DateTime> time = GetEntryTime(item->path);
  if (!time) return;
  DatePicker1->SetValue(*time);
  services.dispatcher.ProcessMessages();
  if (!IsStillFirstSelected(*this, *item)) return;
  TimePicker1->SetValue(*time);
  services.dispatcher.ProcessMessages();
}

void TForm1::GetAttrAttributes() {
  const std::optional<EditorItem> item = FirstSelectedItem(*this);
  if (!item || IsProtectedItem(item->caption)) return;
  const std::uint32_t attributes = services.files.GetAttributes(item->path);
  ClearAttributeBoxes(*this);
  GroupBox1->SetEnabled(true);
  services.dispatcher.ProcessMessages();
  if (attributes == platform::kInvalidAttributes || !IsStillFirstSelected(*this, *item)) return;
  ShowAttributes(*this, attributes);
  services.dispatcher.ProcessMessages();
}

std::optional<platform::DateTime> TForm1::GetEntryTime(const std::wstring& path) const {
  const std::optional<platform::DirEntry> entry = services.files.FindEntry(path);
  if (!entry) return std::nullopt;
  return services.clock.ToLocal(entry->lastWrite);
}

std::wstring TForm1::ItemPath(const std::wstring& caption) const {
  return CollapseBackslashes(cbPath->Text() + L"\\" + caption);
}
