#include "i18n/TranslationTidy.h"

#include <algorithm>

#include "i18n/LanguageFiles.h"
#include "settings/IniFile.h"

namespace i18n {

namespace {

const ui::Form* FindWindow(const std::vector<const ui::Form*>& windows, std::wstring_view name) {
  for (const ui::Form* window : windows) {
    if (SameAsciiText(window->Name(), name)) return window;
  }
  return nullptr;
}

bool OwnsComponent(const ui::Form& window, std::wstring_view name) {
  return std::ranges::any_of(window.Components(), [&](const ui::Component* component) {
    return SameAsciiText(component->Name(), name);
  });
}

// A key names a window, and a component of it when it has a second ".".
bool NamesExistingText(const std::vector<const ui::Form*>& windows, std::wstring_view key) {
  const std::size_t dot = key.find(L'.');
  if (dot == std::wstring_view::npos) return false;
  const ui::Form* window = FindWindow(windows, key.substr(0, dot));
  if (window == nullptr) return false;
  const std::wstring_view rest = key.substr(dot + 1);
  const std::size_t second = rest.find(L'.');
  return second == std::wstring_view::npos || OwnsComponent(*window, rest.substr(0, second));
}

bool IsKeptSection(std::wstring_view name) {
  return SameAsciiText(name, L"Language information") || SameAsciiText(name, L"DestDir");
}

// True when the section changed.
bool CleanSection(settings::IniDocument& document, const std::wstring& section,
                  const std::vector<const ui::Form*>& windows) {
  std::vector<std::wstring> keys;
  for (const settings::IniEntry& entry : document.Entries(section)) keys.push_back(entry.key);
  bool changed = false;
  // From the last key back: removing a key removes its first occurrence, so of equal keys
  // the last one in the file stays.
  for (std::size_t j = keys.size(); j-- > 0;) {
    const bool duplicate =
        std::any_of(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(j),
                    [&](const std::wstring& k) { return SameAsciiText(k, keys[j]); });
    if ((duplicate || !NamesExistingText(windows, keys[j])) &&
        document.DeleteKey(section, keys[j])) {
      changed = true;
    }
  }
  if (document.Entries(section).empty() && document.EraseSection(section)) changed = true;
  return changed;
}

void CleanFile(platform::FileSystem& files, const std::wstring& path,
               const std::vector<const ui::Form*>& windows) {
  if (!files.CanOpenForWriting(path)) return;
  settings::IniFile file(files, path);
  bool changed = false;
  for (const std::wstring& section : file.Document().SectionNames()) {
    if (!IsKeptSection(section) && CleanSection(file.Document(), section, windows)) changed = true;
  }
  if (changed && files.CanOpenForWriting(path)) file.Save();
}

}  // namespace

void CleanTranslations(platform::FileSystem& files, const std::wstring& folder,
                       const std::vector<const ui::Form*>& windows) {
  for (const std::wstring& name : ListLanguageFiles(files, folder)) {
    CleanFile(files, folder + name, windows);
  }
}

}  // namespace i18n
