#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace i18n {

struct LanguageEntry {
  std::wstring baseName;     // the file's name without ".ini"
  std::wstring displayName;  // "LANGNAME" of "Language information", else the base name
};

// The language files of `folder`, as the user's locale sorts their names without case.
std::vector<LanguageEntry> LoadCatalogue(platform::FileSystem& files, const std::wstring& folder);

// Whether the entry of `baseName` is the stored choice `current`: the same name, or one that
// differs only in the case of a to z, or the name with ".ini" after it.
bool IsChosenLanguage(const std::wstring& baseName, const std::wstring& current);

}  // namespace i18n
