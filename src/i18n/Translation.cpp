#include "i18n/Translation.h"

#include <array>
#include <optional>

#include "i18n/TranslationLog.h"
#include "platform/TextCase.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Guard.h"
#include "platform/ui/ListView.h"
#include "settings/IniFile.h"
#include "settings/IniInteger.h"

namespace {

constexpr wchar_t kMainWindow[] = L"Form1";
constexpr wchar_t kUpdateWindow[] = L"Form10";

constexpr wchar_t kAccessibleName[] = L"AccessibleName";
constexpr std::array<std::wstring_view, 6> kProperties = {L"Caption", L"Hint",     L"Title",
                                                          L"Text",    L"TextHint", kAccessibleName};

// Labels that show data (the copyright line, version numbers), never words.
struct DataLabel {
  std::wstring_view window;
  std::wstring_view component;
};
constexpr std::array<DataLabel, 3> kDataLabels = {{{L"Form8", L"LabelCopyright"},
                                                   {kUpdateWindow, L"LabelLocalVersion"},
                                                   {kUpdateWindow, L"LabelServerVersion"}}};

// Empty texts, menu separators and numbers are never looked up.
bool HoldsWords(std::wstring_view text) {
  return !text.empty() && text != L"-" && !settings::ParseInteger(text).has_value();
}

// Combo boxes and status bars show drives, paths and counts.
bool ShowsData(const ui::Form& form, const ui::Component& component) {
  if (component.GetKind() == ui::Kind::ComboBox || component.GetKind() == ui::Kind::StatusBar) {
    return true;
  }
  for (const DataLabel& label : kDataLabels) {
    if (form.Name() == label.window && component.Name() == label.component) return true;
  }
  return false;
}

std::wstring_view KeyPart(std::wstring_view line) {
  const std::size_t equals = line.find(L'=');
  return equals == std::wstring_view::npos ? std::wstring_view() : line.substr(0, equals);
}

// The caption is looked up without the title that the update window carries after it, so
// that every run looks up, logs and suffixes the same text.
void TranslateCaption(TTranslation& t, ui::Form& form) {
  const std::wstring key = form.Name() + L".Caption";
  if (form.Name() != kUpdateWindow) {
    const std::wstring result = Lookup(t, key, form.Caption());
    if (!result.empty()) form.SetCaption(result);
    return;
  }
  const std::wstring suffix = L" " + t.Section;
  std::wstring caption = form.Caption();
  if (caption.ends_with(suffix)) caption.resize(caption.size() - suffix.size());
  const std::wstring result = Lookup(t, key, caption);
  form.SetCaption((result.empty() ? caption : result) + suffix);
}

void TranslateComponent(TTranslation& t, ui::Component& component) {
  for (const std::wstring_view property : kProperties) TranslateProperty(t, property, component);
  const std::wstring prefix = t.Form->Name() + L"." + component.Name();
  if (auto* list = dynamic_cast<ui::ListView*>(&component)) {
    for (std::size_t i = 0; i < list->Columns().size(); ++i) {
      std::wstring caption = list->Columns()[i].caption;
      TranslateText(t, caption, prefix + L".Columns[" + std::to_wstring(i) + L"].Caption");
      list->SetColumnCaption(i, caption);
    }
  }
  if (auto* tabs = dynamic_cast<ui::TabControl*>(&component)) {
    TranslateLines(t, tabs->tabs, prefix + L".Tabs ");
  }
}

void RunTranslation(TTranslation& t, ui::Form& form) {
  i18n::TranslationSources& sources = t.sources;
  const std::wstring language =
      i18n::ReadChosenLanguage(sources.files, sources.places.settingsFile);
  const std::wstring languageFile = i18n::LanguageFilePath(sources.places, language);
  if (!sources.files.FileExists(languageFile)) return;

  const settings::IniFile file(sources.files, languageFile);
  for (const settings::IniEntry& entry : file.Document().Entries(t.Section)) {
    t.Entries.push_back(entry.key + L"=" + entry.value);
  }
  std::optional<std::vector<std::wstring>> log = i18n::ReadLogLines(sources.files, sources.logFile);
  t.logging = log.has_value();
  if (log) t.Log = std::move(*log);
  t.Form = &form;

  if (form.Name() != kMainWindow) TranslateCaption(t, form);
  // A copy: nothing a text change sets off may disturb the walk.
  const std::vector<ui::Component*> components = form.Components();
  for (ui::Component* component : components) {
    if (!ShowsData(form, *component)) {
      TranslateComponent(t, *component);
    } else {
      // What a control showing data is called is a word all the same.
      TranslateProperty(t, kAccessibleName, *component);
    }
  }
  t.Entries.clear();
  if (t.logging && !t.Log.empty() && sources.files.FileExists(sources.logFile)) {
    i18n::WriteLogLines(sources.files, sources.logFile, t.Log);
  }
}

}  // namespace

void TranslateForm(TTranslation& t, ui::Form& form, const std::wstring& section) {
  t.Section = section;
  t.Entries.clear();
  t.Log.clear();
  t.logging = false;
  ui::Guard([&] { RunTranslation(t, form); });
  t.Entries.clear();
  t.Log.clear();
  t.logging = false;
}

void TranslateProperty(TTranslation& t, std::wstring_view property, ui::Component& component) {
  const std::optional<std::wstring> value = component.GetText(property);
  if (!value || !HoldsWords(*value)) return;
  const std::wstring key = t.Form->Name() + L"." + component.Name() + L"." + std::wstring(property);
  const std::wstring result = Lookup(t, key, *value);
  if (!result.empty()) component.SetText(property, result);
}

void TranslateText(TTranslation& t, std::wstring& text, const std::wstring& key) {
  if (!HoldsWords(text)) return;
  std::wstring result = Lookup(t, key, text);
  if (!result.empty()) text = std::move(result);
}

void TranslateLines(TTranslation& t, std::vector<std::wstring>& lines,
                    const std::wstring& keyPrefix) {
  const std::vector<std::wstring> walked = lines;
  for (std::size_t i = 0; i < walked.size() && i < lines.size(); ++i) {
    if (!HoldsWords(walked[i])) continue;
    std::wstring result = Lookup(t, keyPrefix + L"[" + std::to_wstring(i) + L"]", walked[i]);
    if (!result.empty()) lines[i] = std::move(result);
  }
}

std::wstring Lookup(TTranslation& t, const std::wstring& key, const std::wstring& current) {
  std::wstring result = current;
  if (const int found = IndexOfKey(t, key); found < 0) {
    if (t.logging) t.Log.push_back(key + L"=" + current);
  } else {
    const auto line = t.Entries.begin() + found;
    result = line->substr(line->find(L'=') + 1);
    t.Entries.erase(line);
  }
  t.sources.dispatcher.ProcessMessages();
  return result;
}

int IndexOfKey(const TTranslation& t, std::wstring_view key) {
  for (std::size_t i = 0; i < t.Entries.size(); ++i) {
    const std::wstring_view part = KeyPart(t.Entries[i]);
    if (!part.empty() && platform::CompareTextIgnoreCase(part, key) == 0) {
      return static_cast<int>(i);
    }
  }
  return -1;
}
