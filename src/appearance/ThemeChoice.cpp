#include "appearance/ThemeChoice.h"

#include "appearance/WindowsDarkMode.h"

void ThemeChoice::FollowSystem() {
  if (IsSystemDarkTheme(registry_)) Apply(kModernDarkStyle);
  if (!IsSystemDarkTheme(registry_)) Apply(kModernLightStyle);
}

void ThemeChoice::Apply(const std::wstring& styleName) {
  ApplyStyle(forms_, styleName);
  dispatcher_.ProcessMessages();
}
