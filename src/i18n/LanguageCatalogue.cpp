#include "i18n/LanguageCatalogue.h"

#include <algorithm>

#include "i18n/LanguageFiles.h"
#include "platform/TextCase.h"
#include "settings/IniFile.h"

namespace i18n {

namespace {

std::wstring WithoutExtension(const std::wstring& name) {
  const std::size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos ? name : name.substr(0, dot);
}

}  // namespace

std::vector<LanguageEntry> LoadCatalogue(platform::FileSystem& files, const std::wstring& folder) {
  std::vector<std::wstring> names = ListLanguageFiles(files, folder);
  std::ranges::stable_sort(names, [](const std::wstring& a, const std::wstring& b) {
    return platform::CompareTextIgnoreCase(a, b) < 0;
  });
  std::vector<LanguageEntry> entries;
  for (const std::wstring& name : names) {
    const std::wstring base = WithoutExtension(name);
    // A folder or an unreadable file reads as an empty document.
    const settings::IniFile file(files, folder + name);
    entries.push_back(
        {base, file.Document().ReadString(L"Language information", L"LANGNAME", base)});
  }
  return entries;
}

bool IsChosenLanguage(const std::wstring& baseName, const std::wstring& current) {
  return baseName == current || SameAsciiText(baseName, current) || baseName + L".ini" == current;
}

}  // namespace i18n
