// The main window's component tree: kinds, places and texts as designed at 96 DPI.
#include "app/Unit_Base.h"

namespace {

const ui::Font kFormFont{L"Tahoma", -11, false};
constexpr int kBox = 150;

}  // namespace

void TForm1::CreateComponents() {
  using ui::Align;
  using ui::Rect;
  SetCaption(kApplicationTitle);
  SetDesignClientSize({684, 511});
  SetMinimumSize({700, 550});
  SetFont(kFormFont);

  auto hand = [](ui::Control& c) { c.SetCursor(ui::Cursor::HandPoint); };

  TabControl12 = &Create<ui::TabControl>(L"TabControl12", this);
  TabControl12->SetAlign(Align::Top);
  TabControl12->SetBounds({0, 0, 684, 32});

  SpeedButton_GeneralMenu = &Create<ui::SpeedButton>(L"SpeedButton_GeneralMenu", TabControl12);
  SpeedButton_GeneralMenu->SetAlign(Align::Right);
  SpeedButton_GeneralMenu->SetBounds({0, 0, 22, 22});
  SpeedButton_GeneralMenu->SetCaption(L"≡");
  SpeedButton_GeneralMenu->SetAccessibleName(L"Меню");
  SpeedButton_GeneralMenu->SetFont({L"Tahoma", -21, false});
  hand(*SpeedButton_GeneralMenu);

  GroupBox2 = &Create<ui::GroupBox>(L"GroupBox2", this);
  GroupBox2->SetAlign(Align::Top);
  GroupBox2->SetBounds({0, 32, 684, 45});
  GroupBox2->SetCaption(L"Путь");

  ComboBoxDrive = &Create<ui::ComboBox>(L"ComboBoxDrive", GroupBox2, ui::ComboStyle::DropDownList);
  ComboBoxDrive->SetBounds({4, 16, 172, 21});
  ComboBoxDrive->SetAccessibleName(L"Диск");
  hand(*ComboBoxDrive);

  ImageList2 = &Create<ui::ImageList>(L"ImageList2", 16, ui::ImageSource::Toolbar);

  ButtonUP = &Create<ui::Button>(L"ButtonUP", GroupBox2);
  ButtonUP->SetBounds({184, 15, 24, 24});
  ButtonUP->SetImage(ImageList2, 0);
  ButtonUP->SetHint(L"Вверх");
  hand(*ButtonUP);

  cbPath = &Create<ui::ComboBox>(L"cbPath", GroupBox2, ui::ComboStyle::DropDown);
  cbPath->SetBounds({214, 16, 439, 21});
  cbPath->SetAnchors(ui::AnchorLeft | ui::AnchorTop | ui::AnchorRight);
  cbPath->SetAccessibleName(L"Путь");
  hand(*cbPath);

  ButtonRefresh = &Create<ui::Button>(L"ButtonRefresh", GroupBox2);
  ButtonRefresh->SetBounds({656, 15, 24, 24});
  ButtonRefresh->SetAnchors(ui::AnchorTop | ui::AnchorRight);
  ButtonRefresh->SetImage(ImageList2, 6);
  ButtonRefresh->SetHint(L"Обновить");
  hand(*ButtonRefresh);

  TabControl2 = &Create<ui::TabControl>(L"TabControl2", this);
  TabControl2->SetAlign(Align::Left);
  TabControl2->SetBounds({0, 77, 180, 434});

  GroupBox1 = &Create<ui::GroupBox>(L"GroupBox1", TabControl2);
  GroupBox1->SetAlign(Align::Top);
  GroupBox1->SetBounds({4, 4, 172, 125});
  GroupBox1->SetCaption(L"Атрибуты");
  GroupBox1->SetFont({L"Tahoma", -11, true});

  auto box = [&](ui::CheckBox*& field, const wchar_t* name, const wchar_t* caption, int top) {
    field = &Create<ui::CheckBox>(name, GroupBox1);
    field->SetBounds({10, top, kBox, 17});
    field->SetCaption(caption);
    field->SetFont(kFormFont);
    hand(*field);
  };
  box(CheckBox_Archive, L"CheckBox_Archive", L"Архивный", 15);
  box(CheckBox_Hide, L"CheckBox_Hide", L"Скрытый", 32);
  box(CheckBox_ReadOnly, L"CheckBox_ReadOnly", L"Только для чтения", 49);
  box(CheckBox_System, L"CheckBox_System", L"Системный", 66);

  Button_Apply = &Create<ui::Button>(L"Button_Apply", GroupBox1);
  Button_Apply->SetBounds({43, 89, 75, 25});
  Button_Apply->SetCaption(L"Изменить");
  Button_Apply->SetFont(kFormFont);
  hand(*Button_Apply);

  GroupBox3 = &Create<ui::GroupBox>(L"GroupBox3", TabControl2);
  GroupBox3->SetAlign(Align::Top);
  GroupBox3->SetBounds({4, 129, 172, 135});
  GroupBox3->SetCaption(L"Дата и Время");
  GroupBox3->SetFont({L"Tahoma", -11, true});

  PopupMenuDateTime = &Create<ui::PopupMenu>(L"PopupMenuDateTime");
  CurrentDateTime = &Create<ui::MenuItem>(L"CurrentDateTime", *PopupMenuDateTime, L"Текущие");

  const ui::Font pickerFont{L"Segoe UI", -16, false};
  DatePicker1 =
      &Create<ui::DateTimePicker>(L"DatePicker1", GroupBox3, ui::PickerKind::Date, L"dd/mm/yyyy");
  DatePicker1->SetBounds({10, 21, 150, 29});
  DatePicker1->SetAccessibleName(L"Дата");
  TimePicker1 =
      &Create<ui::DateTimePicker>(L"TimePicker1", GroupBox3, ui::PickerKind::Time, L"hh:nn");
  TimePicker1->SetBounds({10, 59, 150, 29});
  TimePicker1->SetAccessibleName(L"Время");
  for (ui::DateTimePicker* picker : {DatePicker1, TimePicker1}) {
    picker->SetFont(pickerFont);
    picker->SetContextMenu(PopupMenuDateTime);
  }
  DatePicker1->SetValue({2025, 1, 9, 9, 42, 0, 0});
  TimePicker1->SetValue({2025, 1, 9, 9, 42, 0, 0});

  Button_DateTime = &Create<ui::Button>(L"Button_DateTime", GroupBox3);
  Button_DateTime->SetBounds({43, 97, 75, 25});
  Button_DateTime->SetCaption(L"Изменить");
  Button_DateTime->SetFont(kFormFont);
  hand(*Button_DateTime);

  TabControl1 = &Create<ui::TabControl>(L"TabControl1", this);
  TabControl1->SetAlign(Align::Client);
  TabControl1->SetBounds({180, 77, 504, 434});

  ListViewAttributes = &Create<ui::ListView>(L"ListViewAttributes", TabControl1);
  ListViewAttributes->SetAlign(Align::Client);
  ListViewAttributes->SetAccessibleName(L"Файлы и папки");
  ListViewAttributes->AddColumn({L"Файл", 185, 185, 0, false});
  ListViewAttributes->AddColumn({L"Тип", 120, 120, 120, false});
  ListViewAttributes->AddColumn({L"Дата изменения", 120, 120, 120, false});
  ListViewAttributes->AddColumn({L"Размер", 70, 70, 70, true});

  StatusBar1 = &Create<ui::StatusBar>(L"StatusBar1", TabControl1);
  StatusBar1->SetAlign(Align::Bottom);
  StatusBar1->SetBounds({0, 0, 496, 19});
  for (int width : {180, 250, 200}) StatusBar1->AddPanel(width);

  PopupMenuLanguage = &Create<ui::PopupMenu>(L"PopupMenuLanguage");
  auto message = [&](const wchar_t* name, const wchar_t* caption) {
    ui::MenuItem& item = Create<ui::MenuItem>(name, *PopupMenuLanguage, caption);
    item.visible = false;
    return &item;
  };
  LangElements = message(L"LangElements", L"Элементов: ");
  LangOnlyWindows =
      message(L"LangOnlyWindows", L"Эта программа совместима только с Windows 10 и Windows 11.");
  LangError = message(L"LangError", L"Ошибка");
  LangErrorTime = message(L"LangErrorTime", L"Ошибка при изменении даты/времени: ");

  CreateGeneralMenu();
}

void TForm1::CreateGeneralMenu() {
  PopupMenu_General = &Create<ui::PopupMenu>(L"PopupMenu_General");
  PopupMenu_General->alignRight = true;
  ui::PopupMenu& menu = *PopupMenu_General;
  auto radio = [&](ui::MenuItem*& field, const wchar_t* name, ui::MenuItem& in,
                   const wchar_t* caption) {
    field = &Create<ui::MenuItem>(name, in, caption);
    field->radioItem = true;
  };
  ThemeMenu = &Create<ui::MenuItem>(L"ThemeMenu", menu, L"Тема");
  radio(ThemeAuto, L"ThemeAuto", *ThemeMenu, L"Системная");
  radio(ThemeLight, L"ThemeLight", *ThemeMenu, L"Светлая");
  radio(ThemeDark, L"ThemeDark", *ThemeMenu, L"Темная");
  ThemeAuto->checked = true;
  LanguageMenu = &Create<ui::MenuItem>(L"LanguageMenu", menu, L"Язык");
  LanguageMenu->enabled = false;  // until a language file is found
  ViewMenu = &Create<ui::MenuItem>(L"ViewMenu", menu, L"Вид");
  radio(IconSmallMenu, L"IconSmallMenu", *ViewMenu, L"Маленькие значки");
  radio(IconBigMenu, L"IconBigMenu", *ViewMenu, L"Большие значки");
  IconBigMenu->checked = true;
  N3 = &Create<ui::MenuItem>(L"N3", menu, L"-");
  RefreshListMenu = &Create<ui::MenuItem>(L"RefreshListMenu", menu, L"Обновить");
  RefreshListMenu->shortcutText = L"F5";
  MenuItem5 = &Create<ui::MenuItem>(L"MenuItem5", menu, L"-");
  CheckUpdateMenu = &Create<ui::MenuItem>(L"CheckUpdateMenu", menu, L"Проверить обновления");
  N1 = &Create<ui::MenuItem>(L"N1", menu, L"-");
  AboutMenu = &Create<ui::MenuItem>(L"AboutMenu", menu, L"О программе");
  AboutMenu->shortcutText = L"F1";
}
