#include "appearance/WindowsDarkMode.h"

namespace {

constexpr wchar_t kPersonalizeKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

}  // namespace

bool IsSystemDarkTheme(platform::Registry& registry) {
  const auto light = registry.ReadDword(platform::RegistryRoot::CurrentUser, kPersonalizeKey,
                                        L"AppsUseLightTheme");
  return light.has_value() && *light == 0;
}

bool ApplyStyle(ui::FormHost& forms, const std::wstring& styleName) {
  if (styleName == kModernLightStyle) {
    forms.SetStyle(ui::Style::Light);
  } else if (styleName == kModernDarkStyle) {
    forms.SetStyle(ui::Style::Dark);
  } else {
    return false;
  }
  return true;
}
