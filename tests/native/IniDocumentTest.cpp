#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/IniDocument.h"

namespace {

using settings::IniDocument;

constexpr const wchar_t* kMissing = L"(missing)";

struct ReadCase {
  const char* what;
  const wchar_t* text;
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* value;  // kMissing when the key is not found
};

class IniReading : public testing::TestWithParam<ReadCase> {};

TEST_P(IniReading, FindsTheValueTheFileMeans) {
  const ReadCase& c = GetParam();
  const IniDocument ini = IniDocument::Parse(c.text);
  EXPECT_EQ(ini.ReadString(c.section, c.key, kMissing), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniReading,
    testing::Values(
        ReadCase{"BlanksAroundKeyAndValue", L"[S]\r\n \t Key \t=  value with  blanks \t\r\n", L"S",
                 L"Key", L"value with  blanks"},
        ReadCase{"ControlCharactersAreBlanks", L"\x01[S]\x1F\r\nKey\x02=\x03v\x04", L"S", L"Key",
                 L"v"},
        ReadCase{"ValueKeepsLaterEquals", L"[S]\nKey=A=B", L"S", L"Key", L"A=B"},
        ReadCase{"KeyEndsAtFirstEquals", L"[S]\nA=B=C", L"S", L"A=B", kMissing},
        ReadCase{"SectionNameStripped", L"[  Option \t]\nKey=1", L"Option", L"Key", L"1"},
        ReadCase{"SectionIgnoresCase", L"[oPtIoN]\nKey=1", L"Option", L"Key", L"1"},
        ReadCase{"KeyIgnoresCase", L"[S]\nhEiGhT=500", L"S", L"Height", L"500"},
        ReadCase{"CommentSkipped", L"[S]\n;Key=1\nKey=2", L"S", L"Key", L"2"},
        ReadCase{"IndentedComment", L"[S]\n   ;Key=1", L"S", L"Key", kMissing},
        ReadCase{"SemicolonInsideValue", L"[S]\nKey=a;b", L"S", L"Key", L"a;b"},
        ReadCase{"KeyWithoutEquals", L"[S]\nFlag", L"S", L"Flag", L""},
        ReadCase{"EmptyValue", L"[S]\nKey=   ", L"S", L"Key", L""},
        ReadCase{"EmptyKey", L"[S]\n=value", L"S", L"", L"value"},
        ReadCase{"LinesBeforeFirstSection", L"Key=1\n[S]\n", L"S", L"Key", kMissing},
        ReadCase{"NothingBeforeFirstSectionIsASection", L"Key=1\n[S]\n", L"", L"Key", kMissing},
        ReadCase{"EmptySectionName", L"[]\nKey=1", L"", L"Key", L"1"},
        ReadCase{"FirstOccurrenceWins", L"[S]\nKey=1\nkey=2", L"S", L"Key", L"1"},
        ReadCase{"RepeatedSectionIgnored", L"[S]\nA=1\n[T]\n[s]\nA=2\nB=3", L"S", L"B", kMissing},
        ReadCase{"RepeatedSectionDoesNotOverride", L"[S]\nA=1\n[s]\nA=2", L"S", L"A", L"1"},
        ReadCase{"SectionAfterRepeatedOneCounts", L"[S]\n[S]\nA=2\n[T]\nA=3", L"T", L"A", L"3"},
        ReadCase{"LoneCrEndsLine", L"[S]\rA=1\rB=2", L"S", L"A", L"1"},
        ReadCase{"CrLfIsOneLineEnd", L"[S]\r\n\r\nA=1\r\nB=2", L"S", L"B", L"2"},
        ReadCase{"HeaderNeedsClosingBracket", L"[S]\n[T\nK=1", L"S", L"[T", L""},
        ReadCase{"HeaderNeedsClosingBracketAtEnd", L"[S]\n[T]x=1", L"S", L"[T]x", L"1"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.what; });

TEST(IniTypedValues, FallBackWhenMissingOrNotAnInteger) {
  const IniDocument ini =
      IniDocument::Parse(L"[Option]\nHeight=abc\nWidth=$2A0\nThemeDark=2\nThemeLight=0\nBig=");

  EXPECT_EQ(ini.ReadInteger(L"Option", L"Height", 550), 550);
  EXPECT_EQ(ini.ReadInteger(L"Option", L"Width", 700), 672);
  EXPECT_EQ(ini.ReadInteger(L"Option", L"Missing", -3), -3);
  EXPECT_EQ(ini.ReadInteger(L"Other", L"Width", 9), 9);
  EXPECT_TRUE(ini.ReadBool(L"Option", L"ThemeDark", false));
  EXPECT_FALSE(ini.ReadBool(L"Option", L"ThemeLight", true));
  EXPECT_TRUE(ini.ReadBool(L"Option", L"Height", true));
  EXPECT_FALSE(ini.ReadBool(L"Option", L"Height", false));
  EXPECT_TRUE(ini.ReadBool(L"Option", L"Big", true));
  EXPECT_TRUE(ini.ReadBool(L"Option", L"Missing", true));
}

TEST(IniTypedValues, AreWrittenInDecimal) {
  IniDocument ini;
  ini.WriteBool(L"Option", L"ThemeAuto", true);
  ini.WriteBool(L"Option", L"ThemeLight", false);
  ini.WriteInteger(L"Option", L"Height", -2147483647 - 1);

  EXPECT_EQ(ini.Text(), L"[Option]\r\nThemeAuto=1\r\nThemeLight=0\r\nHeight=-2147483648\r\n\r\n");
}

TEST(IniRewrite, DropsWhatReadingIgnored) {
  const IniDocument ini = IniDocument::Parse(
      L"; made by hand\r\nstray=1\r\n[A]\r\n  k = v \r\nflag\r\n\r\n[B]\n[a]\nlost=1\n"
      L"[C]\r\nk=\r\n");

  EXPECT_EQ(ini.Text(), L"[A]\r\nk=v\r\nflag=\r\n\r\n[B]\r\n\r\n[C]\r\nk=\r\n\r\n");
  EXPECT_EQ(ini.IgnoredLines(), 4u);
}

TEST(IniRewrite, KeepsPlacesAndAppendsWhatIsNew) {
  IniDocument ini = IniDocument::Parse(L"[A]\r\nk1=1\r\nk2=2\r\n\r\n[B]\r\nk3=3\r\n\r\n");

  ini.WriteString(L"a", L"K1", L"one");
  ini.WriteString(L"A", L"new", L"n");
  ini.WriteString(L"C", L"k", L"c");
  ini.WriteString(L"B", L"k3", L"three");

  EXPECT_EQ(ini.Text(),
            L"[A]\r\nk1=one\r\nk2=2\r\nnew=n\r\n\r\n[B]\r\nk3=three\r\n\r\n[C]\r\nk=c\r\n\r\n");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::wstring>{L"A", L"B", L"C"}));
}

TEST(IniRewrite, EmptyDocumentIsEmptyText) {
  EXPECT_EQ(IniDocument().Text(), L"");
  EXPECT_EQ(IniDocument::Parse(L"\r\n  \r\n").Text(), L"");
}

TEST(IniRepeatedKeys, WriteAndDeleteTakeTheFirst) {
  IniDocument ini = IniDocument::Parse(L"[S]\nKey=1\nOther=x\nKEY=2\n");
  ASSERT_EQ(ini.Entries(L"s").size(), 3u);

  ini.WriteString(L"S", L"key", L"first");
  EXPECT_EQ(ini.Entries(L"S")[0].value, L"first");
  EXPECT_EQ(ini.Entries(L"S")[2].value, L"2");

  EXPECT_TRUE(ini.DeleteKey(L"S", L"Key"));
  EXPECT_EQ(ini.ReadString(L"S", L"Key", kMissing), L"2");
  EXPECT_TRUE(ini.DeleteKey(L"S", L"Key"));
  EXPECT_FALSE(ini.DeleteKey(L"S", L"Key"));
  EXPECT_FALSE(ini.DeleteKey(L"Nowhere", L"Other"));
  EXPECT_EQ(ini.Text(), L"[S]\r\nOther=x\r\n\r\n");
}

TEST(IniSections, EraseRemovesTheWholeSection) {
  IniDocument ini = IniDocument::Parse(L"[A]\nk=1\n[B]\nk=2\n");

  EXPECT_TRUE(ini.EraseSection(L"a"));
  EXPECT_FALSE(ini.EraseSection(L"A"));

  EXPECT_FALSE(ini.HasSection(L"A"));
  EXPECT_TRUE(ini.Entries(L"A").empty());
  EXPECT_EQ(ini.Text(), L"[B]\r\nk=2\r\n\r\n");
}

struct RefusedWrite {
  const char* what;
  const wchar_t* section;
  const wchar_t* key;
  const wchar_t* value;
};

class IniRefusedWrite : public testing::TestWithParam<RefusedWrite> {};

// What the text could not carry back would corrupt the file: a line break starts a line
// of its own, a key with "=" or a leading ";" or "[" reads as something else.
TEST_P(IniRefusedWrite, ChangesNothing) {
  const RefusedWrite& c = GetParam();
  IniDocument ini = IniDocument::Parse(L"[S]\r\nk=1\r\n");
  const std::wstring before = ini.Text();

  EXPECT_FALSE(ini.WriteString(c.section, c.key, c.value));
  EXPECT_EQ(ini.Text(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniRefusedWrite,
    testing::Values(RefusedWrite{"LineFeedInValue", L"S", L"k", L"a\n[Option]\nThemeDark=1"},
                    RefusedWrite{"CarriageReturnInValue", L"S", L"k", L"a\rb"},
                    RefusedWrite{"LineBreakInKey", L"S", L"a\nb", L"v"},
                    RefusedWrite{"LineBreakInSection", L"S\n", L"k", L"v"},
                    RefusedWrite{"EqualsInKey", L"S", L"a=b", L"v"},
                    RefusedWrite{"CommentKey", L"S", L";k", L"v"},
                    RefusedWrite{"HeaderKey", L"S", L"[k", L"v]"},
                    RefusedWrite{"BlankBeforeKey", L"S", L" k", L"v"},
                    RefusedWrite{"BlankAfterKey", L"S", L"k\t", L"v"},
                    RefusedWrite{"BlankAroundSection", L" S", L"k", L"v"}),
    [](const testing::TestParamInfo<RefusedWrite>& info) { return info.param.what; });

TEST(IniWrite, ValueLosesItsBlanksAsARereadWould) {
  IniDocument ini;
  EXPECT_TRUE(ini.WriteString(L"S", L"k", L"  a b \t"));
  EXPECT_EQ(ini.ReadString(L"S", L"k", kMissing), L"a b");
}

}  // namespace
