// The theme submenu, and the following of the system's light or dark choice.
#include "app/Unit_Base.h"
#include "appearance/WindowsDarkMode.h"
#include "settings/IniFile.h"

void TForm1::MarkTheme(ui::MenuItem& item) {
  ReleaseMenuButton();
  UnCheckTheme();
  item.checked = true;
}

void TForm1::ThemeAutoClick() {
  MarkTheme(*ThemeAuto);
  theme_.FollowSystem();
}

void TForm1::ThemeLightClick() {
  MarkTheme(*ThemeLight);
  theme_.Apply(kModernLightStyle);
}

void TForm1::ThemeDarkClick() {
  MarkTheme(*ThemeDark);
  theme_.Apply(kModernDarkStyle);
}

void TForm1::UnCheckTheme() {
  for (ui::MenuItem* item : ThemeMenu->Items()) item->checked = false;
}

// The choice stored at the last close decides, not the menu's mark: a choice made in this
// run starts or stops the following with the next run.
void TForm1::WMWininiChange() {
  const settings::IniFile file(*services_.files, PortablePath());
  if (file.Document().ReadBool(L"Option", ThemeAuto->Name(), false)) theme_.FollowSystem();
}
