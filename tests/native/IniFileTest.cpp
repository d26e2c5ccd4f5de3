#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakeFileSystem.h"
#include "settings/IniFile.h"

namespace {

using namespace std::string_literals;
using platform::fake::FakeFileSystem;
using settings::IniFile;

constexpr const char* kUtf8Mark = "\xEF\xBB\xBF";

// ASCII text as UTF-16 with its byte-order mark.
std::string Utf16(std::string_view ascii, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char c : ascii) bytes += bigEndian ? "\0"s + c : c + "\0"s;
  return bytes;
}

class IniFileTest : public testing::Test {
 protected:
  IniFileTest() {
    files.AddFolder(L"C:\\");
    files.AddFolder(L"C:\\Config");
  }
  IniFile Load() { return IniFile(files, path); }
  std::string Bytes() { return files.Bytes(path).value_or("(no file)"); }
  std::string Bytes(const std::wstring& other) { return files.Bytes(other).value_or("(no file)"); }

  FakeFileSystem files;
  const std::wstring path = L"C:\\Config\\Option.ini";
};

TEST_F(IniFileTest, MissingFileStartsEmptyAndIsWrittenInAnsi) {
  IniFile language = Load();
  EXPECT_TRUE(language.Document().SectionNames().empty());
  language.Document().WriteString(L"Language", L"Language", L"Espa\xF1ol");
  EXPECT_TRUE(language.Save());
  EXPECT_EQ(Bytes(), "[Language]\r\nLanguage=Espa\xF1ol\r\n\r\n");

  IniFile options = Load();
  options.Document().WriteInteger(L"Option", L"Height", 600);
  EXPECT_TRUE(options.Save());
  EXPECT_EQ(Bytes(), "[Language]\r\nLanguage=Espa\xF1ol\r\n\r\n[Option]\r\nHeight=600\r\n\r\n");
}

struct EncodingCase {
  const char* what;
  std::string before;  // holds Height=500
  std::string after;   // the same with Height=600
};

class IniFileEncoding : public IniFileTest, public testing::WithParamInterface<EncodingCase> {};

TEST_P(IniFileEncoding, SurvivesARewrite) {
  const EncodingCase& c = GetParam();
  files.AddFileBytes(path, c.before);

  IniFile unchanged = Load();
  EXPECT_TRUE(unchanged.Save());
  EXPECT_EQ(Bytes(), c.before);

  IniFile changed = Load();
  changed.Document().WriteInteger(L"Option", L"Height", 600);
  EXPECT_TRUE(changed.Save());
  EXPECT_EQ(Bytes(), c.after);
  EXPECT_EQ(Load().Document().ReadInteger(L"Option", L"Height", 0), 600);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileEncoding,
    testing::Values(EncodingCase{"Ansi", "[Option]\r\nName=caf\xE9\r\nHeight=500\r\n\r\n",
                                 "[Option]\r\nName=caf\xE9\r\nHeight=600\r\n\r\n"},
                    EncodingCase{"Utf8",
                                 kUtf8Mark + "[Option]\r\nName=\xD0\xAF\r\nHeight=500\r\n\r\n"s,
                                 kUtf8Mark + "[Option]\r\nName=\xD0\xAF\r\nHeight=600\r\n\r\n"s},
                    EncodingCase{"Utf16Le", Utf16("[Option]\r\nHeight=500\r\n\r\n", false),
                                 Utf16("[Option]\r\nHeight=600\r\n\r\n", false)},
                    EncodingCase{"Utf16Be", Utf16("[Option]\r\nHeight=500\r\n\r\n", true),
                                 Utf16("[Option]\r\nHeight=600\r\n\r\n", true)}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return info.param.what; });

struct AnsiValueCase {
  const char* what;
  const wchar_t* value;
  std::string bytes;
};

class IniFileAnsiValue : public IniFileTest, public testing::WithParamInterface<AnsiValueCase> {};

// A value the code page cannot hold would be written as "?" and lost.
TEST_P(IniFileAnsiValue, FallsBackToUtf8OnlyWhenTheCodePageCannotHoldIt) {
  const AnsiValueCase& c = GetParam();
  files.AddFileBytes(path, "[Option]\r\nName=caf\xE9\r\n\r\n");

  IniFile ini = Load();
  ini.Document().WriteString(L"Language", L"Language", c.value);
  EXPECT_TRUE(ini.Save());

  EXPECT_EQ(Bytes(), c.bytes);
  const IniFile reread = Load();
  EXPECT_EQ(reread.Document().ReadString(L"Language", L"Language", L""), c.value);
  EXPECT_EQ(reread.Document().ReadString(L"Option", L"Name", L""), L"caf\xE9");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileAnsiValue,
    testing::Values(
        AnsiValueCase{"Fits", L"\x20ACuro",
                      "[Option]\r\nName=caf\xE9\r\n\r\n[Language]\r\nLanguage=\x80uro\r\n\r\n"},
        // Narrow literals are UTF-8 here.
        AnsiValueCase{
            "DoesNotFit", L"Русский",
            kUtf8Mark + "[Option]\r\nName=café\r\n\r\n[Language]\r\nLanguage=Русский\r\n\r\n"s}),
    [](const testing::TestParamInfo<AnsiValueCase>& info) { return info.param.what; });

struct FailingCase {
  const char* what;
  std::string before;
  void (*setup)(FakeFileSystem& files, const std::wstring& path);
};

class IniFileFailingWrite : public IniFileTest, public testing::WithParamInterface<FailingCase> {};

// A rewrite in place would leave a cut or empty file behind when the write fails.
TEST_P(IniFileFailingWrite, LeavesTheOldFileWhole) {
  const FailingCase& c = GetParam();
  files.AddFileBytes(path, c.before);
  c.setup(files, path);

  IniFile ini = Load();
  ini.Document().WriteString(L"Option", L"Window", L"wsMaximized");

  EXPECT_FALSE(ini.Save());
  EXPECT_EQ(Bytes(), c.before);
  EXPECT_EQ(files.Find(path + L".tmp"), nullptr);
}

const std::string kSettings = "[Option]\r\nHeight=500\r\nWidth=700\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileFailingWrite,
    testing::Values(
        FailingCase{"DiskFull", kSettings,
                    [](FakeFileSystem& files, const std::wstring&) { files.freeSpace = 10; }},
        FailingCase{"ReadOnlyFile", kSettings,
                    [](FakeFileSystem& files, const std::wstring& path) {
                      files.Find(path)->entry.attributes |= platform::kAttrReadOnly;
                    }},
        FailingCase{
            "ReplaceRefused", kSettings,
            [](FakeFileSystem& files, const std::wstring& path) { files.FailWrites(path, 5); }},
        FailingCase{"BackupCannotBeKept", "; mine\r\n" + kSettings,
                    [](FakeFileSystem& files, const std::wstring& path) {
                      files.FailWrites(path + L".bak", 5);
                    }},
        FailingCase{"FileCannotBeRead", kSettings,
                    [](FakeFileSystem& files, const std::wstring& path) { files.FailReads(path); }},
        FailingCase{"FileTooLarge", kSettings + std::string(IniFile::kLargestFile, ';'),
                    [](FakeFileSystem&, const std::wstring&) {}}),
    [](const testing::TestParamInfo<FailingCase>& info) { return info.param.what; });

TEST_F(IniFileTest, NewFileInAMissingFolderFailsQuietly) {
  IniFile ini(files, L"C:\\Gone\\Option.ini");
  ini.Document().WriteBool(L"Option", L"ThemeDark", true);
  EXPECT_FALSE(ini.Save());
  EXPECT_EQ(files.Find(L"C:\\Gone\\Option.ini"), nullptr);
}

TEST_F(IniFileTest, UnchangedDocumentIsNotRewritten) {
  files.AddFileBytes(path, kSettings);
  files.FailWrites(path + L".tmp", 5);
  EXPECT_TRUE(Load().Save());
}

struct BackupCase {
  const char* what;
  std::string before;  // section S with k=1
  bool keepsCopy;
};

class IniFileBackup : public IniFileTest, public testing::WithParamInterface<BackupCase> {};

TEST_P(IniFileBackup, KeepsTheOldFileWhenTheRewriteLosesPartOfIt) {
  const BackupCase& c = GetParam();
  files.AddFileBytes(path, c.before);

  IniFile ini = Load();
  ini.Document().WriteString(L"S", L"new", L"2");
  EXPECT_TRUE(ini.Save());

  EXPECT_EQ(Bytes(path + L".bak"), c.keepsCopy ? c.before : "(no file)");
  const IniFile reread = Load();
  EXPECT_EQ(reread.Document().ReadString(L"S", L"k", L""), L"1");
  EXPECT_EQ(reread.Document().ReadString(L"S", L"new", L""), L"2");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileBackup,
    testing::Values(BackupCase{"Comment", "; my notes\r\n[S]\r\nk=1\r\n", true},
                    BackupCase{"LineBeforeFirstSection", "k=0\r\n[S]\r\nk=1\r\n", true},
                    BackupCase{"RepeatedSection", "[S]\r\nk=1\r\n[s]\r\nold=1\r\n", true},
                    BackupCase{"BadUtf8", kUtf8Mark + "[S]\r\nk=1\r\nx=\xFF\r\n"s, true},
                    BackupCase{"OddUtf16", Utf16("[S]\r\nk=1\r\n", false) + "!", true},
                    BackupCase{"Tidy", "[S]\r\nk=1\r\n", false},
                    BackupCase{"OnlyBlanksAndLineEndsChange", "\n  [ S ]  \r k = 1 \n\n\n", false}),
    [](const testing::TestParamInfo<BackupCase>& info) { return info.param.what; });

}  // namespace
