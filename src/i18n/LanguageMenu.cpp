#include "i18n/LanguageMenu.h"

#include "i18n/LanguageCatalogue.h"
#include "i18n/LanguageFiles.h"
#include "i18n/Translation.h"
#include "i18n/TranslationLog.h"
#include "i18n/TranslationTidy.h"
#include "platform/ui/Guard.h"
#include "settings/IniFile.h"

namespace i18n {

namespace {

// Set for as long as the scope lasts, then as before.
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy), was_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = was_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
  bool was_;
};

}  // namespace

LanguageMenu::LanguageMenu(ui::MenuItem& menu, LanguageServices services, LanguageSetting setting)
    : menu_(menu), services_(services), setting_(std::move(setting)) {}

std::wstring LanguageMenu::LanguageFolder() const {
  return LanguageFolderOf(setting_.executable);
}

void LanguageMenu::CleanTranslationsLikeGlobload() {
  const std::vector<const ui::Form*> windows(windows_.begin(), windows_.end());
  CleanTranslations(services_.files, LanguageFolder(), windows);
}

void LanguageMenu::LoadLanguage() {
  menu_.DestroySubmenu();
  std::wstring& current = setting_.currentLanguage;
  current = ReadChosenLanguage(services_.files, setting_.settingsFile());
  for (const LanguageEntry& language : LoadCatalogue(services_.files, LanguageFolder())) {
    auto& entry =
        menu_.Create<ui::MenuItem>(L"", menu_, language.baseName + L"\t\t" + language.displayName);
    entry.radioItem = true;
    entry.literalAmpersands = true;
    entry.checked = IsChosenLanguage(language.baseName, current);
    entry.OnClick = ui::Guarded([this, &entry] { LanguageItemClick(entry); });
  }
  menu_.enabled = !menu_.Items().empty();
}

void LanguageMenu::globLoad() {
  const BusyScope busy(busy_);
  const LanguagePlaces places{setting_.settingsFile(), LanguageFolder()};
  TTranslation translation({services_.files, services_.dispatcher, places,
                            TranslationLogPath(setting_.executable, setting_.applicationTitle)});
  for (ui::Form* window : windows_) {
    const std::wstring language = ReadChosenLanguage(services_.files, places.settingsFile);
    const settings::IniFile file(services_.files, LanguageFilePath(places, language));
    if (!file.Document().HasSection(setting_.applicationTitle)) continue;
    TranslateForm(translation, *window, setting_.applicationTitle);
    services_.dispatcher.ProcessMessages();
  }
}

void LanguageMenu::LanguageItemClick(const ui::MenuItem& entry) {
  if (busy_) return;
  const std::wstring& caption = entry.Caption();
  const std::wstring chosen = caption.substr(0, caption.find(L'\t'));
  // Unsaved, the choice would be lost at the next start: leave everything as it was.
  if (!WriteChosenLanguage(services_.files, setting_.settingsFile(), chosen)) return;
  setting_.currentLanguage = chosen;
  for (ui::MenuItem* item : menu_.Items()) item->checked = item == &entry;
  busy_ = true;
  services_.dispatcher.Post([this] { ApplyChoice(); });
}

void LanguageMenu::ApplyChoice() {
  ui::Guard([this] {
    LoadLanguage();
    globLoad();
    if (OnLanguageApplied) OnLanguageApplied();
  });
  busy_ = false;
}

}  // namespace i18n
