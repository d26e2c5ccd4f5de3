// The translation engine: which texts it looks up, under which keys, how it uses the
// entries of the language file, and the translator's log.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TranslationFixture.h"
#include "i18n/Translation.h"
#include "i18n/TranslationLog.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Menu.h"

namespace {

// One control of each kind the engine treats apart, named as a window's components are.
class SampleWindow : public ui::Form {
 public:
  SampleWindow(ui::FormHost& host, const wchar_t* name) : ui::Form(nullptr, name, host) {
    SetCaption(L"Образец");
    Button1 = &Create<ui::Button>(L"Button1", this);
    Button1->SetCaption(L"Кнопка");
    Button1->SetHint(L"Подсказка");
    ComboBox1 = &Create<ui::ComboBox>(L"ComboBox1", this, ui::ComboStyle::DropDown);
    ComboBox1->SetTextValue(L"Путь");
    ComboBox1->SetAccessibleName(L"Папка");
    Create<ui::StatusBar>(L"StatusBar1", this).AddPanel(100);
    List1 = &Create<ui::ListView>(L"List1", this);
    List1->SetAccessibleName(L"Файлы");
    List1->AddColumn({L"Имя"});
    List1->AddColumn({L"Размер"});
    Tabs1 = &Create<ui::TabControl>(L"Tabs1", this);
    Tabs1->tabs = {L"A", L"B"};
    auto& popup = Create<ui::PopupMenu>(L"PopupMenuLanguage");
    for (const wchar_t* number : {L"-", L"42", L" -7", L"$1F", L"0x10", L""}) {
      Create<ui::MenuItem>(L"NotWords", popup, number);
    }
    LangError = &Create<ui::MenuItem>(L"LangError", popup, L"Ошибка");
  }

  ui::Button* Button1;
  ui::ComboBox* ComboBox1;
  ui::ListView* List1;
  ui::TabControl* Tabs1;
  ui::MenuItem* LangError;
};

class Translation : public testing::Test {
 protected:
  // Translates `window` from a language file whose section holds `lines`.
  void Translate(ui::Form& window, const std::vector<std::wstring>& lines) {
    std::vector<std::wstring> file{L"[Brindlow]"};
    file.insert(file.end(), lines.begin(), lines.end());
    folder.AddLanguage(L"Test.ini", file);
    TranslateForm(translation, window, L"Brindlow");
  }

  platform::fake::FakePlatform fake;
  LanguageFolder folder{fake};
  TTranslation translation{{fake.files,
                            fake.dispatcher,
                            {LanguageFolder::kSettings, LanguageFolder::kFolder},
                            LanguageFolder::kLog}};
  SampleWindow main{fake.forms, L"Form1"};
  bool chosen = [this] {
    folder.Choose(L"Test");
    return true;
  }();
};

struct EntryCase {
  const char* name;
  const wchar_t* line;
  const wchar_t* shown;
  bool logged;
};

class TranslationEntry : public Translation, public testing::WithParamInterface<EntryCase> {};

TEST_P(TranslationEntry, GivesTheTextAfterTheKeysEqualsSignOrLogsTheKey) {
  folder.StartLog();
  Translate(main, {GetParam().line});
  EXPECT_EQ(main.LangError->Caption(), GetParam().shown);
  const std::vector<std::wstring> log = folder.LogLines();
  const bool logged = std::ranges::find(log, L"Form1.LangError.Caption=Ошибка") != log.end();
  EXPECT_EQ(logged, GetParam().logged);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranslationEntry,
    testing::Values(
        EntryCase{"KeyInAnotherCase", L"form1.langerror.caption=Error", L"Error", false},
        EntryCase{"ValueHoldingEquals", L"Form1.LangError.Caption=A=B", L"A=B", false},
        EntryCase{"BlanksAroundTheEquals", L"Form1.LangError.Caption = Error ", L"Error", false},
        EntryCase{"EmptyValue", L"Form1.LangError.Caption=", L"Ошибка", false},
        EntryCase{"KeyOfAnotherText", L"Form1.Button1.Caption=Button", L"Ошибка", true},
        EntryCase{"KeyOfAnotherWindow", L"Form8.LangError.Caption=Error", L"Ошибка", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Translation, LogsEveryWordTextInWindowOrderAndNoNumbersSeparatorsOrData) {
  folder.StartLog();
  Translate(main, {});
  EXPECT_EQ(folder.LogLines(),
            (std::vector<std::wstring>{
                L"Form1.Button1.Caption=Кнопка", L"Form1.Button1.Hint=Подсказка",
                L"Form1.ComboBox1.AccessibleName=Папка", L"Form1.List1.AccessibleName=Файлы",
                L"Form1.List1.Columns[0].Caption=Имя", L"Form1.List1.Columns[1].Caption=Размер",
                L"Form1.Tabs1.Tabs [0]=A", L"Form1.Tabs1.Tabs [1]=B",
                L"Form1.LangError.Caption=Ошибка"}));
  EXPECT_EQ(main.Caption(), L"Образец") << "the main window's caption is never looked up";
}

TEST_F(Translation, TranslatesPropertiesColumnsAndTabsByTheirKeys) {
  Translate(main, {L"Form1.Button1.Hint=Tip", L"Form1.List1.Columns[1].Caption=Size",
                   L"Form1.Tabs1.Tabs [1]=Second", L"Form1.ComboBox1.Text=Data",
                   L"Form1.Caption=Main", L"Form1.ComboBox1.AccessibleName=Folder"});
  EXPECT_EQ(main.Button1->Caption(), L"Кнопка");
  EXPECT_EQ(main.Button1->Hint(), L"Tip");
  EXPECT_EQ(main.List1->Columns()[0].caption, L"Имя");
  EXPECT_EQ(main.List1->Columns()[1].caption, L"Size");
  EXPECT_EQ(main.Tabs1->tabs, (std::vector<std::wstring>{L"A", L"Second"}));
  EXPECT_EQ(main.ComboBox1->Text(), L"Путь") << "a combo box's text is data";
  EXPECT_EQ(main.ComboBox1->AccessibleName(), L"Folder") << "what it is called is a word";
  EXPECT_EQ(main.Caption(), L"Образец");
}

struct UpdateCaptionCase {
  const char* name;
  std::vector<std::wstring> lines;
  int runs;
  const wchar_t* caption;
};

class UpdateWindowCaption : public Translation,
                            public testing::WithParamInterface<UpdateCaptionCase> {};

TEST_P(UpdateWindowCaption, CarriesTheTitleAfterItsTextOnce) {
  ui::Form update(nullptr, L"Form10", fake.forms);
  update.SetCaption(L"Обновление");
  folder.StartLog();
  for (int run = 0; run < GetParam().runs; ++run) Translate(update, GetParam().lines);
  EXPECT_EQ(update.Caption(), GetParam().caption);
  for (const std::wstring& line : folder.LogLines()) {
    EXPECT_EQ(line, L"Form10.Caption=Обновление") << "logged without the title";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateWindowCaption,
    testing::Values(
        UpdateCaptionCase{"Translated", {L"Form10.Caption=Update"}, 1, L"Update Brindlow"},
        UpdateCaptionCase{"Missing", {}, 1, L"Обновление Brindlow"},
        UpdateCaptionCase{"EmptyValue", {L"Form10.Caption="}, 1, L"Обновление Brindlow"},
        UpdateCaptionCase{"TranslatedTwice", {L"Form10.Caption=Update"}, 2, L"Update Brindlow"},
        UpdateCaptionCase{"MissingTwice", {}, 2, L"Обновление Brindlow"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Translation, OtherWindowsCaptionsAndNeverTheirDataLabels) {
  ui::Form about(nullptr, L"Form8", fake.forms);
  about.SetCaption(L"О программе");
  about.Create<ui::Label>(L"LabelCopyright", &about).SetCaption(L"© Maker");
  ui::Form update(nullptr, L"Form10", fake.forms);
  for (const wchar_t* name : {L"LabelLocalVersion", L"LabelServerVersion"}) {
    update.Create<ui::Label>(name, &update).SetCaption(L"v1.2.3");
  }
  Translate(about, {L"Form8.Caption=About", L"Form8.LabelCopyright.Caption=X"});
  Translate(update,
            {L"Form10.LabelLocalVersion.Caption=X", L"Form10.LabelServerVersion.Caption=X"});
  EXPECT_EQ(about.Caption(), L"About");
  EXPECT_EQ(about.Find<ui::Label>(L"LabelCopyright")->Caption(), L"© Maker");
  for (const wchar_t* name : {L"LabelLocalVersion", L"LabelServerVersion"}) {
    EXPECT_EQ(update.Find<ui::Label>(name)->Caption(), L"v1.2.3") << name;
  }
  Translate(about, {L"Form8.Caption="});
  EXPECT_EQ(about.Caption(), L"About") << "an empty value never empties a caption";
}

TEST_F(Translation, AnEntryServesOneLookupPerRun) {
  folder.StartLog();
  Translate(main, {L"Form1.LangError.Caption=Error"});
  translation.Entries = {L"Key=Value", L"Twice=First", L"Twice=Second"};
  translation.logging = true;
  EXPECT_EQ(Lookup(translation, L"KEY", L"Current"), L"Value");
  EXPECT_EQ(Lookup(translation, L"Key", L"Current"), L"Current");
  EXPECT_EQ(Lookup(translation, L"twice", L"Current"), L"First");
  EXPECT_EQ(Lookup(translation, L"twice", L"Current"), L"Second");
  EXPECT_EQ(translation.Entries, std::vector<std::wstring>{});
  EXPECT_EQ(translation.Log, std::vector<std::wstring>{L"Key=Current"});
}

TEST_F(Translation, EveryRunAppendsToTheLogAndKeepsItsEarlierLines) {
  fake.files.AddFileBytes(LanguageFolder::kLog, "Old=Line\r\nSecond=\xC4\r\n");  // ANSI, no mark
  ui::Form about(nullptr, L"Form8", fake.forms);
  about.SetCaption(L"О программе");
  Translate(about, {L"Form1.LangError.Caption=Error"});
  Translate(about, {});
  EXPECT_EQ(folder.LogLines(),
            (std::vector<std::wstring>{L"Old=Line", L"Second=Ä", L"Form8.Caption=О программе",
                                       L"Form8.Caption=О программе"}));
}

TEST_F(Translation, WithoutALogFileNoneIsMade) {
  Translate(main, {});
  EXPECT_FALSE(fake.files.Bytes(LanguageFolder::kLog).has_value());
}

TEST_F(Translation, WithoutTheChosenFileNothingChangesAndNothingIsLogged) {
  folder.StartLog();
  folder.AddLanguage(L"Other.ini", {L"[Brindlow]", L"Form1.LangError.Caption=Error"});
  folder.Choose(L"Missing");
  TranslateForm(translation, main, L"Brindlow");
  EXPECT_EQ(main.LangError->Caption(), L"Ошибка");
  EXPECT_EQ(fake.files.Bytes(LanguageFolder::kLog), "");
}

struct LogPlaceCase {
  const char* name;
  const wchar_t* executable;
  const wchar_t* log;
};

class TranslationLogPlace : public testing::TestWithParam<LogPlaceCase> {};

TEST_P(TranslationLogPlace, IsAboveTheProgramsFolderOrInTheRootItLiesIn) {
  EXPECT_EQ(i18n::TranslationLogPath(GetParam().executable, L"Brindlow"), GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranslationLogPlace,
    testing::Values(LogPlaceCase{"Nested", L"C:\\Tools\\Brindlow\\Brindlow.exe",
                                 L"C:\\Tools\\Brindlow.log"},
                    LogPlaceCase{"OneLevel", L"C:\\Brindlow\\Brindlow.exe", L"C:\\Brindlow.log"},
                    LogPlaceCase{"DriveRoot", L"D:\\Brindlow.exe", L"D:\\Brindlow.log"},
                    LogPlaceCase{"ShareRoot", L"\\\\server\\share\\Brindlow.exe",
                                 L"\\\\server\\share\\Brindlow.log"},
                    LogPlaceCase{"InAShare", L"\\\\server\\share\\Tools\\Brindlow.exe",
                                 L"\\\\server\\share\\Brindlow.log"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
