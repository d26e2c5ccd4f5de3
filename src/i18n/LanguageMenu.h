#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Dispatcher.h"
#include "platform/FileSystem.h"
#include "platform/ui/Form.h"
#include "platform/ui/Menu.h"

namespace i18n {

struct LanguageServices {
  platform::FileSystem& files;
  platform::Dispatcher& dispatcher;
};

// Where the language menu finds its files and keeps the choice.
struct LanguageSetting {
  // The settings file's path, computed afresh for every access.
  std::function<std::wstring()> settingsFile;
  std::wstring executable;
  // Names the translation section and the log.
  std::wstring applicationTitle;
  // The process-wide choice: the chosen file's base name.
  std::wstring& currentLanguage;
};

// The language submenu (one radio entry per language file, the file's base name and its
// display name in the second column) and the translation of every window.
class LanguageMenu {
 public:
  LanguageMenu(ui::MenuItem& menu, LanguageServices services, LanguageSetting setting);

  // The windows to tidy the language files against and to translate, in order.
  void SetWindows(std::vector<ui::Form*> windows) { windows_ = std::move(windows); }

  void CleanTranslationsLikeGlobload();
  // Rebuilds the submenu from the language files and checks the chosen entry.
  void LoadLanguage();
  // Translates every window from the chosen language file.
  void globLoad();
  // Stores the entry's language; the submenu is rebuilt and the windows translated once the
  // click has been handled, as the rebuild destroys the entry. A choice made while a
  // translation runs is ignored.
  void LanguageItemClick(const ui::MenuItem& entry);

  // Runs after the windows were translated for a new choice.
  std::function<void()> OnLanguageApplied;

 private:
  void ApplyChoice();
  [[nodiscard]] std::wstring LanguageFolder() const;

  ui::MenuItem& menu_;
  LanguageServices services_;
  LanguageSetting setting_;
  std::vector<ui::Form*> windows_;
  bool busy_ = false;
};

}  // namespace i18n
