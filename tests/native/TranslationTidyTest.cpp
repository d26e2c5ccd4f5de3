// Tidying the language files against the windows that exist.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TranslationFixture.h"
#include "i18n/TranslationTidy.h"
#include "platform/ui/Controls.h"
#include "settings/IniFile.h"

namespace {

class TranslationTidy : public testing::Test {
 protected:
  TranslationTidy() { main.Create<ui::Button>(L"Button1", &main); }

  void Tidy() {
    i18n::CleanTranslations(fake.files, LanguageFolder::kFolder, {&main, &about, &update});
  }

  // The file's sections, each as its name and its entries "key=value".
  std::vector<std::vector<std::wstring>> Sections(const std::wstring& fileName) {
    const settings::IniFile file(fake.files, LanguageFolder::kFolder + fileName);
    std::vector<std::vector<std::wstring>> sections;
    for (const std::wstring& name : file.Document().SectionNames()) {
      std::vector<std::wstring> section{name};
      for (const settings::IniEntry& entry : file.Document().Entries(name)) {
        section.push_back(entry.key + L"=" + entry.value);
      }
      sections.push_back(section);
    }
    return sections;
  }

  platform::fake::FakePlatform fake;
  LanguageFolder folder{fake};
  ui::Form main{nullptr, L"Form1", fake.forms};
  ui::Form about{nullptr, L"Form8", fake.forms};
  ui::Form update{nullptr, L"Form10", fake.forms};
};

const std::vector<std::wstring> kUntidy = {
    L"[Language information]",
    L"LANGNAME=Test",
    L"Stale=kept here",
    L"[DestDir]",
    L"[Brindlow]",
    L"Form1.Caption=window without component part",
    L"Form1.NoSuchButton.Caption=no such component",
    L"Form9.Button1.Caption=no such window",
    L"NoDot=no window part",
    L"form1.button1.caption=earlier",
    L"Form1.Button1.Hint=hint",
    L"FORM1.BUTTON1.CAPTION=later",
    L"form10.Caption=any letter case",
    L"Form8.Caption.Extra=a component named Caption",
    L"[Emptied]",
    L"Form9.Caption=gone",
};

TEST_F(TranslationTidy, RemovesStaleAndRepeatedKeysAndTheSectionsTheyLeaveEmpty) {
  folder.AddLanguage(L"Test.ini", kUntidy);
  Tidy();
  EXPECT_EQ(
      Sections(L"Test.ini"),
      (std::vector<std::vector<std::wstring>>{
          {L"Language information", L"LANGNAME=Test", L"Stale=kept here"},
          {L"DestDir"},
          {L"Brindlow", L"Form1.Caption=window without component part", L"Form1.Button1.Hint=hint",
           L"FORM1.BUTTON1.CAPTION=later", L"form10.Caption=any letter case"}}));
}

TEST_F(TranslationTidy, LeavesFilesItCannotWriteAndTidyFilesAsTheyAre) {
  folder.AddLanguage(L"ReadOnly.ini", kUntidy);
  fake.files.Find(std::wstring(LanguageFolder::kFolder) + L"ReadOnly.ini")->entry.attributes |=
      platform::kAttrReadOnly;
  folder.AddLanguage(L"Locked.ini", kUntidy);
  fake.files.FailWrites(std::wstring(LanguageFolder::kFolder) + L"Locked.ini", 32);
  folder.AddLanguage(L"Tidy.ini", {L"[Brindlow]", L"; a note", L"Form1.Caption=Main"});
  fake.files.AddFolder(std::wstring(LanguageFolder::kFolder) + L"extra.ini");
  const auto before = [&](const wchar_t* name) {
    return *fake.files.Bytes(LanguageFolder::kFolder + std::wstring(name));
  };
  const std::string readOnly = before(L"ReadOnly.ini");
  const std::string locked = before(L"Locked.ini");
  const std::string tidy = before(L"Tidy.ini");
  Tidy();
  EXPECT_EQ(before(L"ReadOnly.ini"), readOnly);
  EXPECT_EQ(before(L"Locked.ini"), locked);
  EXPECT_EQ(before(L"Tidy.ini"), tidy) << "an unchanged file is not rewritten";
}

}  // namespace
