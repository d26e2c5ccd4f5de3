#include "PanelFixture.h"

#include "platform/ui/Guard.h"

namespace panel_test {

PanelForm::PanelForm(ui::FormHost& host) : ui::Form(nullptr, L"Form1", host) {
  ComboBoxDrive = &Create<ui::ComboBox>(L"ComboBoxDrive", this, ui::ComboStyle::DropDownList);
  cbPath = &Create<ui::ComboBox>(L"cbPath", this, ui::ComboStyle::DropDown);
  ListViewAttributes = &Create<ui::ListView>(L"ListViewAttributes", this);
  StatusBar1 = &Create<ui::StatusBar>(L"StatusBar1", this);
  for (int width : {180, 250, 200}) StatusBar1->AddPanel(width);
  GroupBox1 = &Create<ui::GroupBox>(L"GroupBox1", this);
  CheckBox_Archive = &Create<ui::CheckBox>(L"CheckBox_Archive", GroupBox1);
  CheckBox_Hide = &Create<ui::CheckBox>(L"CheckBox_Hide", GroupBox1);
  CheckBox_ReadOnly = &Create<ui::CheckBox>(L"CheckBox_ReadOnly", GroupBox1);
  CheckBox_System = &Create<ui::CheckBox>(L"CheckBox_System", GroupBox1);
  Button_Apply = &Create<ui::Button>(L"Button_Apply", GroupBox1);
  GroupBox3 = &Create<ui::GroupBox>(L"GroupBox3", this);
  DatePicker1 =
      &Create<ui::DateTimePicker>(L"DatePicker1", GroupBox3, ui::PickerKind::Date, L"dd/mm/yyyy");
  TimePicker1 =
      &Create<ui::DateTimePicker>(L"TimePicker1", GroupBox3, ui::PickerKind::Time, L"hh:nn");
  Button_DateTime = &Create<ui::Button>(L"Button_DateTime", GroupBox3);
  PopupMenuLanguage = &Create<ui::PopupMenu>(L"PopupMenuLanguage");
  LangElements = &Create<ui::MenuItem>(L"LangElements", *PopupMenuLanguage, L"Элементов: ");
  LangErrorTime = &Create<ui::MenuItem>(L"LangErrorTime", *PopupMenuLanguage,
                                        L"Ошибка при изменении даты/времени: ");
  PopupMenuDateTime = &Create<ui::PopupMenu>(L"PopupMenuDateTime");
  CurrentDateTime = &Create<ui::MenuItem>(L"CurrentDateTime", *PopupMenuDateTime, L"Текущие");
}

BrowserControls PanelForm::Browser() {
  return {*this, *ComboBoxDrive, *cbPath, *ListViewAttributes, *StatusBar1, *LangElements};
}

EditorControls PanelForm::Editor() {
  return {*this,          *ListViewAttributes, *cbPath,          *StatusBar1,
          *LangElements,  *LangErrorTime,      *GroupBox1,       *CheckBox_Archive,
          *CheckBox_Hide, *CheckBox_ReadOnly,  *CheckBox_System, *GroupBox3,
          *DatePicker1,   *TimePicker1,        *Button_DateTime};
}

BrowserPanel::BrowserPanel(const platform::Services& services)
    : form(*services.forms),
      browser(form.Browser(),
              {*services.files, *services.volumes, *services.shell, *services.clock,
               *services.dispatcher},
              sortDirection) {}

void BrowserPanel::List(const std::wstring& folder) {
  form.cbPath->SetTextValue(folder);
  browser.List(folder + L"*.*", platform::kAttrMaskAll);
}

EditorPanels::EditorPanels(const platform::Services& services)
    : BrowserPanel(services),
      editor(form.Editor(),
             {*services.files, *services.shell, *services.clock, *services.dialogs,
              *services.dispatcher},
             L"Brindlow") {
  using ui::Guarded;
  list().OnClick = Guarded([this] { editor.Refresh(); });
  list().OnSelectItem = Guarded([this](int, bool) { editor.Refresh(); });
  form.Button_Apply->OnClick = Guarded([this] { editor.ApplyAttributes(); });
  form.Button_DateTime->OnClick = Guarded([this] { editor.ApplyDateTime(); });
  form.CurrentDateTime->OnClick = Guarded([this] { editor.TakeCurrentTime(); });
}

}  // namespace panel_test
