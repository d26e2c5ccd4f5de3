#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "i18n/LanguageFiles.h"
#include "platform/Dispatcher.h"
#include "platform/FileSystem.h"
#include "platform/ui/Component.h"
#include "platform/ui/Form.h"

namespace i18n {

// What a translation run reads and writes.
struct TranslationSources {
  platform::FileSystem& files;
  platform::Dispatcher& dispatcher;
  LanguagePlaces places;
  std::wstring logFile;
};

}  // namespace i18n

// One translation run after another, one window each. Created empty by its caller; the
// lists live for a single run.
struct TTranslation {
  explicit TTranslation(i18n::TranslationSources sources) : sources(std::move(sources)) {}

  ui::Form* Form = nullptr;
  // The language file's entry lines ("key=value") not used yet in this run, in file order.
  std::vector<std::wstring> Entries;
  // The log file's lines, then one "key=text" line per text that was not found.
  std::vector<std::wstring> Log;
  // The section of the language file that holds the translations.
  std::wstring Section;

  i18n::TranslationSources sources;
  // The log file was there and read at the start of this run.
  bool logging = false;
};

// Translates every text of `form` from the chosen language file's `section`; any failure
// ends the run quietly, leaving what was translated so far.
void TranslateForm(TTranslation& t, ui::Form& form, const std::wstring& section);
// The component's string property of that name, when it has one and it holds a text.
void TranslateProperty(TTranslation& t, std::wstring_view property, ui::Component& component);
void TranslateText(TTranslation& t, std::wstring& text, const std::wstring& key);
// Line i is looked up under `keyPrefix` + "[i]".
void TranslateLines(TTranslation& t, std::vector<std::wstring>& lines,
                    const std::wstring& keyPrefix);
// The translation of `key`, which leaves the entries; else `current`, and the key is logged.
std::wstring Lookup(TTranslation& t, const std::wstring& key, const std::wstring& current);
// The first entry whose key equals `key` as the user's locale compares without case, or -1.
int IndexOfKey(const TTranslation& t, std::wstring_view key);
