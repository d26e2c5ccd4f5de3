// The main window's lasting choices: theme, icon size, window size or maximized state.
#include "app/Unit_Base.h"
#include "settings/IniFile.h"
#include "settings/SettingsPath.h"

namespace {

constexpr wchar_t kOption[] = L"Option";
constexpr wchar_t kMaximized[] = L"wsMaximized";

}  // namespace

std::wstring TForm1::PortablePath() const {
  return settings::PortablePath(
      {*services_.files, *services_.process, *services_.shell, *services_.versions},
      state_.PortableMode, kApplicationTitle);
}

void TForm1::LoadNastr() {
  const settings::IniFile file(*services_.files, PortablePath());
  const settings::IniDocument& ini = file.Document();
  // In menu order, each marked item clicked as the user would: the last one decides.
  for (ui::MenuItem* theme : {ThemeAuto, ThemeLight, ThemeDark}) {
    theme->checked = ini.ReadBool(kOption, theme->Name(), false);
    if (theme->checked) {
      theme->checked = !theme->checked;
      theme->Click();
    }
  }
  IconSmallMenu->checked = ini.ReadBool(kOption, IconSmallMenu->Name(), false);
  if (IconSmallMenu->checked) IconSmallMenuClick();
  IconBigMenu->checked = ini.ReadBool(kOption, IconBigMenu->Name(), false);
  if (IconBigMenu->checked) IconBigMenuClick();
  if (ini.ReadString(kOption, L"Window", L"") == kMaximized) {
    SetWindowState(ui::WindowState::Maximized);
  } else {
    const ui::Size current = OuterSize();
    SetOuterSize({ini.ReadInteger(kOption, L"Width", current.width),
                  ini.ReadInteger(kOption, L"Height", current.height)});
  }
  services_.dispatcher->ProcessMessages();
}

void TForm1::SaveNastr() {
  settings::IniFile file(*services_.files, PortablePath());
  settings::IniDocument& ini = file.Document();
  for (const ui::MenuItem* item : {ThemeAuto, ThemeLight, ThemeDark, IconSmallMenu, IconBigMenu}) {
    ini.WriteBool(kOption, item->Name(), item->checked);
  }
  if (GetWindowState() == ui::WindowState::Maximized) {
    ini.WriteString(kOption, L"Window", kMaximized);
  } else {
    ini.WriteString(kOption, L"Window", L"wsNormal");
    ini.WriteInteger(kOption, L"Height", OuterSize().height);
    ini.WriteInteger(kOption, L"Width", OuterSize().width);
  }
  // A file that cannot be written (read-only media) never keeps the window from closing.
  file.Save();
}
