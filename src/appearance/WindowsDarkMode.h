#pragma once

#include <string>

#include "platform/Registry.h"
#include "platform/ui/Form.h"

// The two routines that talk to the system about light and dark.

// The names of the program's two visual styles.
inline constexpr wchar_t kModernLightStyle[] = L"Windows11 Modern Light";
inline constexpr wchar_t kModernDarkStyle[] = L"Windows11 Modern Dark";

// True when the user's choice of apps is dark. A missing key or value, or a value that is not
// a number, counts as light.
bool IsSystemDarkTheme(platform::Registry& registry);

// Makes the named style the look of every window, those shown later included. A name that
// is no style of the program changes nothing; the answer says whether it was one.
bool ApplyStyle(ui::FormHost& forms, const std::wstring& styleName);
