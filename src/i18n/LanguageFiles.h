#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace i18n {

// Where the language files lie and which one the user chose.
struct LanguagePlaces {
  std::wstring settingsFile;    // holds the choice under "Language"/"Language"
  std::wstring languageFolder;  // the "Language" folder beside the executable, with a backslash
};

// The "Language" folder beside `executable`, with its trailing backslash.
std::wstring LanguageFolderOf(const std::wstring& executable);
// The chosen language's base name as the settings file holds it; empty when none is chosen.
std::wstring ReadChosenLanguage(platform::FileSystem& files, const std::wstring& settingsFile);
// Stores the choice and rewrites the settings file at once; false when it cannot be written.
bool WriteChosenLanguage(platform::FileSystem& files, const std::wstring& settingsFile,
                         const std::wstring& language);
inline std::wstring LanguageFilePath(const LanguagePlaces& places, const std::wstring& base) {
  return places.languageFolder + base + L".ini";
}

// The names of the entries matching "*.ini" in the folder, files and folders alike, in the
// file system's order.
std::vector<std::wstring> ListLanguageFiles(platform::FileSystem& files,
                                            const std::wstring& folder);

// Equal when only the case of the letters a to z differs.
bool SameAsciiText(std::wstring_view a, std::wstring_view b);

}  // namespace i18n
