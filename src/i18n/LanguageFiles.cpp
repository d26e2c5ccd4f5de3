#include "i18n/LanguageFiles.h"

#include <algorithm>

#include "settings/IniFile.h"
#include "settings/SettingsPath.h"

namespace i18n {

namespace {

constexpr wchar_t kLanguage[] = L"Language";

wchar_t AsciiLower(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

}  // namespace

std::wstring LanguageFolderOf(const std::wstring& executable) {
  return settings::FolderOf(executable) + L"Language\\";
}

std::wstring ReadChosenLanguage(platform::FileSystem& files, const std::wstring& settingsFile) {
  const settings::IniFile file(files, settingsFile);
  return file.Document().ReadString(kLanguage, kLanguage, L"");
}

bool WriteChosenLanguage(platform::FileSystem& files, const std::wstring& settingsFile,
                         const std::wstring& language) {
  settings::IniFile file(files, settingsFile);
  return file.Document().WriteString(kLanguage, kLanguage, language) && file.Save();
}

std::vector<std::wstring> ListLanguageFiles(platform::FileSystem& files,
                                            const std::wstring& folder) {
  std::vector<std::wstring> names;
  files.Enumerate(folder + L"*.ini", [&](const platform::DirEntry& entry) {
    if (entry.name != L"." && entry.name != L"..") names.push_back(entry.name);
  });
  return names;
}

bool SameAsciiText(std::wstring_view a, std::wstring_view b) {
  return std::ranges::equal(a, b,
                            [](wchar_t x, wchar_t y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace i18n
