// The language submenu, the choice of a language and the translation of every window at
// start-up, over the whole application.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TranslationFixture.h"
#include "app/Program.h"
#include "platform/ui/ListView.h"
#include "settings/IniFile.h"

namespace {

class LanguageMenu : public testing::Test {
 protected:
  LanguageMenu() {
    fake.registry.SetWindowsVersion(10, L"19045");
    fake.volumes.drives[L'C'] = {platform::DriveType::Fixed, L"System"};
    fake.files.AddFile(L"C:\\Tools\\Brindlow\\portable.ini");
  }

  // Starts the application: the windows are made, the files tidied, the submenu built and
  // every window translated.
  void Start() { app.Run(); }

  [[nodiscard]] std::vector<std::wstring> Captions() const {
    std::vector<std::wstring> captions;
    for (const ui::MenuItem* entry : app.Form1->LanguageMenu->Items()) {
      captions.push_back(entry->Caption());
    }
    return captions;
  }
  [[nodiscard]] std::vector<std::wstring> Checked() const {
    std::vector<std::wstring> checked;
    for (const ui::MenuItem* entry : app.Form1->LanguageMenu->Items()) {
      if (entry->checked) checked.push_back(entry->Caption());
    }
    return checked;
  }
  [[nodiscard]] ui::MenuItem& Entry(size_t index) const {
    return *app.Form1->LanguageMenu->Items().at(index);
  }
  [[nodiscard]] std::wstring StoredChoice() {
    return settings::IniFile(fake.files, LanguageFolder::kSettings)
        .Document()
        .ReadString(L"Language", L"Language", L"(none)");
  }
  [[nodiscard]] std::wstring ItemCount() const {
    return app.Form1->StatusBar1->Panels().at(0).text;
  }

  platform::fake::FakePlatform fake;
  LanguageFolder folder{fake};
  Application app{fake.services};
};

TEST_F(LanguageMenu, ListsEveryLanguageFileSortedWithItsDisplayName) {
  folder.AddLanguage(L"english.ini", {L"[Language information]", L"LANGNAME=English"});
  folder.AddLanguage(L"Deutsch.ini", {L"[Language information]", L"LANGNAME=Deutsch (DE)"});
  folder.AddLanguage(L"plain.ini", {L"[Brindlow]", L"Form1.LangError.Caption=Error"});
  folder.AddLanguage(L"R&D.ini", {L"[Language information]", L"LANGNAME=R&D speak"});
  folder.AddLanguage(L"notes.txt", {L"[Language information]", L"LANGNAME=Notes"});
  fake.files.AddFolder(std::wstring(LanguageFolder::kFolder) + L"extra.ini");
  Start();
  EXPECT_EQ(Captions(),
            (std::vector<std::wstring>{L"Deutsch\t\tDeutsch (DE)", L"english\t\tEnglish",
                                       L"extra\t\textra", L"plain\t\tplain", L"R&D\t\tR&D speak"}));
  EXPECT_TRUE(app.Form1->LanguageMenu->enabled);
  for (const ui::MenuItem* entry : app.Form1->LanguageMenu->Items()) {
    EXPECT_TRUE(entry->radioItem && entry->literalAmpersands) << entry->Caption();
  }
  EXPECT_EQ(Checked(), std::vector<std::wstring>{}) << "nothing chosen yet";
}

TEST_F(LanguageMenu, StaysDisabledWithoutLanguageFiles) {
  fake.files.Remove(LanguageFolder::kFolder);
  Start();
  EXPECT_TRUE(app.Form1->LanguageMenu->Items().empty());
  EXPECT_FALSE(app.Form1->LanguageMenu->enabled);
}

struct ChoiceCase {
  const char* name;
  const wchar_t* stored;
  std::vector<std::wstring> checked;
};

class StoredChoice : public LanguageMenu, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(StoredChoice, ChecksTheEntryOfTheChosenFile) {
  folder.AddLanguage(L"English.ini", {L"[Language information]", L"LANGNAME=English"});
  folder.AddLanguage(L"Deutsch.ini", {L"[Language information]", L"LANGNAME=Deutsch"});
  folder.Choose(GetParam().stored);
  Start();
  EXPECT_EQ(Checked(), GetParam().checked);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredChoice,
    testing::Values(ChoiceCase{"SameName", L"English", {L"English\t\tEnglish"}},
                    ChoiceCase{"OtherCase", L"ENGLISH", {L"English\t\tEnglish"}},
                    ChoiceCase{"WithExtension", L"English.ini", {L"English\t\tEnglish"}},
                    ChoiceCase{"OtherName", L"englisch", {}}, ChoiceCase{"Nothing", L"", {}}),
    [](const auto& info) { return std::string(info.param.name); });

class LanguageChoice : public LanguageMenu {
 protected:
  LanguageChoice() {
    folder.AddLanguage(L"Deutsch.ini",
                       {L"[Language information]", L"LANGNAME=Deutsch", L"[Brindlow]",
                        L"Form1.GroupBox2.Caption=Pfad", L"Form1.LangElements.Caption=Elemente:",
                        L"Form8.Caption=Über", L"Form10.Caption=Aktualisierung"});
    folder.AddLanguage(L"English.ini", {L"[Language information]", L"LANGNAME=English",
                                        L"[Brindlow]", L"Form1.GroupBox2.Caption=Path"});
    fake.files.AddFile(L"C:\\a.txt");
    Start();
  }
};

TEST_F(LanguageChoice, StoresTheChoiceThenRebuildsTheMenuAndTranslatesOnceTheClickIsDone) {
  ASSERT_EQ(Captions().size(), 2u);
  ui::MenuItem& deutsch = Entry(0);
  deutsch.Click();
  EXPECT_EQ(StoredChoice(), L"Deutsch");
  EXPECT_EQ(app.state.CurrentLanguage, L"Deutsch");
  EXPECT_EQ(&Entry(0), &deutsch) << "the clicked entry lives until its click is done";
  EXPECT_TRUE(deutsch.checked);
  EXPECT_EQ(app.Form1->GroupBox2->Caption(), L"Путь");

  Entry(1).Click();
  EXPECT_EQ(StoredChoice(), L"Deutsch") << "no second choice while the first is applied";

  fake.dispatcher.ProcessMessages();
  EXPECT_EQ(Checked(), std::vector<std::wstring>{L"Deutsch\t\tDeutsch"});
  EXPECT_EQ(app.Form1->GroupBox2->Caption(), L"Pfad");
  EXPECT_EQ(app.Form8->Caption(), L"Über");
  EXPECT_EQ(app.Form10->Caption(), L"Aktualisierung Brindlow");
  EXPECT_EQ(ItemCount(), L"Elemente: 2") << "the status bar's count is composed again";

  Entry(1).Click();
  fake.dispatcher.ProcessMessages();
  EXPECT_EQ(StoredChoice(), L"English");
  EXPECT_EQ(app.Form1->GroupBox2->Caption(), L"Path");
  EXPECT_EQ(ItemCount(), L"Elemente: 2") << "a text the new file lacks stays as it was";
}

TEST_F(LanguageChoice, AChoiceThatCannotBeStoredChangesNothing) {
  fake.files.FailWrites(LanguageFolder::kSettings, 5);
  Entry(0).Click();
  fake.dispatcher.ProcessMessages();
  EXPECT_EQ(app.state.CurrentLanguage, L"");
  EXPECT_EQ(Checked(), std::vector<std::wstring>{});
  EXPECT_EQ(app.Form1->GroupBox2->Caption(), L"Путь");
}

// The keys the main window asks for at start-up, in the order of its design, with its texts.
const std::vector<std::wstring> kMainWindowKeys = {
    L"Form1.SpeedButton_GeneralMenu.Caption=≡",
    L"Form1.SpeedButton_GeneralMenu.AccessibleName=Меню",
    L"Form1.GroupBox2.Caption=Путь",
    L"Form1.ComboBoxDrive.AccessibleName=Диск",
    L"Form1.ButtonUP.Hint=Вверх",
    L"Form1.cbPath.AccessibleName=Путь",
    L"Form1.ButtonRefresh.Hint=Обновить",
    L"Form1.GroupBox1.Caption=Атрибуты",
    L"Form1.CheckBox_Archive.Caption=Архивный",
    L"Form1.CheckBox_Hide.Caption=Скрытый",
    L"Form1.CheckBox_ReadOnly.Caption=Только для чтения",
    L"Form1.CheckBox_System.Caption=Системный",
    L"Form1.Button_Apply.Caption=Изменить",
    L"Form1.GroupBox3.Caption=Дата и Время",
    L"Form1.CurrentDateTime.Caption=Текущие",
    L"Form1.DatePicker1.AccessibleName=Дата",
    L"Form1.TimePicker1.AccessibleName=Время",
    L"Form1.Button_DateTime.Caption=Изменить",
    L"Form1.ListViewAttributes.AccessibleName=Файлы и папки",
    L"Form1.ListViewAttributes.Columns[0].Caption=Файл",
    L"Form1.ListViewAttributes.Columns[1].Caption=Тип",
    L"Form1.ListViewAttributes.Columns[2].Caption=Дата изменения",
    L"Form1.ListViewAttributes.Columns[3].Caption=Размер",
    L"Form1.LangElements.Caption=Элементов: ",
    L"Form1.LangOnlyWindows.Caption=Эта программа совместима только с Windows 10 и Windows 11.",
    L"Form1.LangError.Caption=Ошибка",
    L"Form1.LangErrorTime.Caption=Ошибка при изменении даты/времени: ",
    L"Form1.ThemeMenu.Caption=Тема",
    L"Form1.ThemeAuto.Caption=Системная",
    L"Form1.ThemeLight.Caption=Светлая",
    L"Form1.ThemeDark.Caption=Темная",
    L"Form1.LanguageMenu.Caption=Язык",
    L"Form1.ViewMenu.Caption=Вид",
    L"Form1.IconSmallMenu.Caption=Маленькие значки",
    L"Form1.IconBigMenu.Caption=Большие значки",
    L"Form1.RefreshListMenu.Caption=Обновить",
    L"Form1.CheckUpdateMenu.Caption=Проверить обновления",
    L"Form1.AboutMenu.Caption=О программе",
};

TEST_F(LanguageMenu, AnEmptyTranslationLogsEveryTextOfTheMainWindowInOrder) {
  // Tidying removes an empty section: this one holds only the other windows' keys.
  folder.AddLanguage(L"Empty.ini", {L"[Brindlow]", L"Form8.Caption=About"});
  folder.Choose(L"Empty");
  folder.StartLog();
  Start();
  std::vector<std::wstring> log = folder.LogLines();
  std::erase_if(log, [](const std::wstring& line) { return !line.starts_with(L"Form1."); });
  EXPECT_EQ(log, kMainWindowKeys);
}

// Every text a window shows, with where it comes from.
std::vector<std::pair<std::wstring, std::wstring>> TextsOf(const ui::Form& window) {
  std::vector<std::pair<std::wstring, std::wstring>> texts{{window.Name(), window.Caption()}};
  for (const ui::Component* component : window.Components()) {
    for (const wchar_t* property :
         {L"Caption", L"Hint", L"Title", L"Text", L"TextHint", L"AccessibleName"}) {
      if (auto text = component->GetText(property)) texts.emplace_back(component->Name(), *text);
    }
    if (const auto* list = dynamic_cast<const ui::ListView*>(component)) {
      for (const ui::ListColumn& column : list->Columns()) {
        texts.emplace_back(component->Name(), column.caption);
      }
    }
  }
  return texts;
}

bool HasCyrillic(const std::wstring& text) {
  return std::ranges::any_of(text, [](wchar_t c) { return c >= 0x400 && c <= 0x4FF; });
}

std::string Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Each language file that ships beside the program translates every text the windows ask
// for, so that a new text cannot ship untranslated.
TEST_F(LanguageMenu, ShippedFilesLeaveNoTextUntranslated) {
  std::vector<std::filesystem::path> shipped;
  for (const auto& entry : std::filesystem::directory_iterator(BRINDLOW_LANGUAGE_DIR)) {
    if (entry.path().extension() == ".ini") shipped.push_back(entry.path());
  }
  ASSERT_FALSE(shipped.empty()) << "no language file is shipped";
  for (const std::filesystem::path& path : shipped) {
    SCOPED_TRACE(path.filename().string());
    platform::fake::FakePlatform fresh;
    LanguageFolder place{fresh};
    fresh.registry.SetWindowsVersion(10, L"19045");
    fresh.files.AddFile(L"C:\\Tools\\Brindlow\\portable.ini");
    fresh.files.AddFileBytes(LanguageFolder::kFolder + path.filename().wstring(), Bytes(path));
    place.Choose(path.stem().wstring());
    place.StartLog();
    Application started(fresh.services);
    started.Run();
    EXPECT_EQ(place.LogLines(), std::vector<std::wstring>{});
    const settings::IniFile file(fresh.files, LanguageFolder::kFolder + path.filename().wstring());
    EXPECT_NE(file.Document().ReadString(L"Language information", L"LANGNAME", L""), L"")
        << "the file names its language";
    if (path.stem() != "English") continue;
    for (const ui::Form* window : std::vector<const ui::Form*>{
             started.Form1.get(), started.Form8.get(), started.Form10.get()}) {
      for (const auto& [name, text] : TextsOf(*window)) {
        EXPECT_FALSE(HasCyrillic(text)) << window->Name() << "." << testing::PrintToString(name);
      }
    }
  }
}

}  // namespace
