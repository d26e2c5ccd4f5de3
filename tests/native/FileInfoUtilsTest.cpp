// The version resource reader over resources built by hand: how the FileVersion string is
// scanned, when the fixed block takes over, and which string table the translation names.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "info/FileInfoUtils.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::fake::FakeVersionResources;

const std::wstring kExe = L"C:\\Tools\\Brindlow\\Brindlow.exe";
const std::wstring kTranslation = L"\\VarFileInfo\\Translation";

std::wstring StringPath(const std::wstring& key, const std::wstring& name) {
  return L"\\StringFileInfo\\" + key + L"\\" + name;
}

void PutWord(std::vector<std::uint8_t>& bytes, std::uint16_t word) {
  bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
  bytes.push_back(static_cast<std::uint8_t>(word >> 8));
}

// The start of a VS_FIXEDFILEINFO holding the file version a.b.c.d.
std::vector<std::uint8_t> FixedBlock(std::uint16_t a, std::uint16_t b, std::uint16_t c,
                                     std::uint16_t d) {
  std::vector<std::uint8_t> bytes;
  const std::initializer_list<std::uint16_t> words = {0x04BD, 0xFEEF, 0x0000, 0x0001, b, a, d, c};
  for (std::uint16_t word : words) PutWord(bytes, word);
  bytes.resize(52);  // the rest of the structure
  return bytes;
}

std::vector<std::uint8_t> Translation(std::initializer_list<std::uint16_t> words) {
  std::vector<std::uint8_t> bytes;
  for (std::uint16_t word : words) PutWord(bytes, word);
  return bytes;
}

class VersionReader : public testing::Test {
 protected:
  FakeVersionResources::Resource& Resource() { return versions.files[kExe]; }
  FakeVersionResources versions;
};

struct ScanCase {
  const char* what;
  std::optional<std::wstring> fileVersion;  // nothing: no FileVersion value at all
  const wchar_t* expected;
};

class VersionScan : public VersionReader, public testing::WithParamInterface<ScanCase> {};

TEST_P(VersionScan, TakesTheStringWhenItYieldsADigitElseTheFixedBlock) {
  Resource().bytes[kTranslation] = Translation({0x0409, 0x04E4});
  Resource().bytes[L"\\"] = FixedBlock(7, 8, 9, 10);
  if (GetParam().fileVersion) {
    Resource().strings[StringPath(L"040904E4", L"FileVersion")] = *GetParam().fileVersion;
  }
  EXPECT_EQ(GetFileVersionString(versions, kExe), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FileVersions, VersionScan,
    testing::Values(ScanCase{"Dotted", L"5.9.26.228", L"5.9.26.228"},
                    ScanCase{"Commas", L"1, 2, 3, 4", L"1.2.3.4"},
                    ScanCase{"LetterEndsTheScan", L"2.0.1 beta", L"2.0.1"},
                    ScanCase{"RepeatedAndTrailingDots", L"1..2.", L"1.2"},
                    ScanCase{"LeadingDot", L".5", L"5"},
                    ScanCase{"SpaceBeforeADot", L"1.2 .3", L"1.2.3"},
                    // The query counts the terminating NUL: it ends the scan like any other.
                    ScanCase{"CountedNul",
                             std::wstring(L"3.1\0"
                                          L"7",
                                          5),
                             L"3.1"},
                    ScanCase{"NoDigitBeforeALetter", L"build 7", L"7.8.9.10"},
                    ScanCase{"OnlySeparators", L" ., ", L"7.8.9.10"},
                    ScanCase{"Empty", L"", L"7.8.9.10"},
                    ScanCase{"Missing", std::nullopt, L"7.8.9.10"}),
    [](const testing::TestParamInfo<ScanCase>& info) { return info.param.what; });

TEST_F(VersionReader, FixedBlockGivesFourDecimalWords) {
  Resource().bytes[L"\\"] = FixedBlock(5, 9, 26, 228);
  EXPECT_EQ(GetFileVersionString(versions, kExe), L"5.9.26.228");
  Resource().bytes[L"\\"] = FixedBlock(65535, 0, 65535, 0);
  EXPECT_EQ(GetFileVersionString(versions, kExe), L"65535.0.65535.0") << "words are unsigned";
}

TEST_F(VersionReader, NothingUsableGivesEmptyText) {
  Resource().strings[StringPath(L"040904E4", L"FileVersion")] = L"n/a";
  EXPECT_EQ(GetFileVersionString(versions, kExe), L"") << "no fixed block either";
  Resource().bytes[L"\\"] = {0xBD, 0x04, 0xEF, 0xFE};
  EXPECT_EQ(GetFileVersionString(versions, kExe), L"") << "a block too short to hold a version";
}

TEST_F(VersionReader, FileWithoutResourceGivesEmptyTexts) {
  const std::wstring other = L"C:\\Tools\\plain.txt";
  EXPECT_EQ(GetFileVersionString(versions, other), L"");
  EXPECT_EQ(GetVersionInfoValue(versions, other, L"ProductName"), L"");
  EXPECT_EQ(GetLegalCopyright(versions, other), L"");
  EXPECT_EQ(GetCompanyName(versions, other), L"");
}

TEST_F(VersionReader, ValuesEndAtTheirFirstNul) {
  Resource().strings[StringPath(L"040904E4", L"LegalCopyright")] =
      std::wstring(L"© 2026 Maker\0", 13);
  Resource().strings[StringPath(L"040904E4", L"CompanyName")] = std::wstring(L"Maker\0Old", 9);
  Resource().strings[StringPath(L"040904E4", L"Comments")] = L"";
  EXPECT_EQ(GetLegalCopyright(versions, kExe), L"© 2026 Maker");
  EXPECT_EQ(GetCompanyName(versions, kExe), L"Maker");
  EXPECT_EQ(GetVersionInfoValue(versions, kExe, L"Comments"), L"");
  EXPECT_EQ(GetVersionInfoValue(versions, kExe, L"ProductName"), L"") << "a missing value";
}

struct KeyCase {
  const char* what;
  std::optional<std::vector<std::uint8_t>> table;  // nothing: the query fails
  const wchar_t* key;                              // where the values are read from
};

class TranslationKey : public VersionReader, public testing::WithParamInterface<KeyCase> {};

TEST_P(TranslationKey, NamesTheStringTableOfTheFirstPair) {
  if (GetParam().table) Resource().bytes[kTranslation] = *GetParam().table;
  for (const wchar_t* key : {L"040904E4", L"041904B0", L"040704B0"}) {
    Resource().strings[StringPath(key, L"CompanyName")] = std::wstring(L"Maker ") + key;
    Resource().strings[StringPath(key, L"FileVersion")] = L"1.2";
  }
  Resource().bytes[L"\\"] = FixedBlock(3, 4, 5, 6);
  EXPECT_EQ(GetCompanyName(versions, kExe), std::wstring(L"Maker ") + GetParam().key);
  EXPECT_EQ(GetFileVersionString(versions, kExe), L"1.2");
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TranslationKey,
    testing::Values(
        KeyCase{"English", Translation({0x0409, 0x04E4}), L"040904E4"},
        KeyCase{"RussianUnicode", Translation({0x0419, 0x04B0}), L"041904B0"},
        KeyCase{"FirstPairOnly", Translation({0x0407, 0x04B0, 0x0419, 0x04B0}), L"040704B0"},
        KeyCase{"ZeroPairFallsBack", Translation({0x0000, 0x0000}), L"040904E4"},
        KeyCase{"ShortTableFallsBack", std::vector<std::uint8_t>{0x19, 0x04, 0xB0}, L"040904E4"},
        KeyCase{"EmptyTableFallsBack", std::vector<std::uint8_t>{}, L"040904E4"},
        KeyCase{"NoTableFallsBack", std::nullopt, L"040904E4"}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.what; });

// There is no second attempt under the fall-back key.
TEST_F(VersionReader, StringTableMissingUnderTheKeyMeansMissingValues) {
  Resource().bytes[kTranslation] = Translation({0x0419, 0x04B0});
  Resource().strings[StringPath(L"040904E4", L"CompanyName")] = L"Maker";
  Resource().strings[StringPath(L"040904E4", L"FileVersion")] = L"1.2.3.4";
  Resource().bytes[L"\\"] = FixedBlock(5, 9, 26, 228);
  EXPECT_EQ(GetCompanyName(versions, kExe), L"");
  EXPECT_EQ(GetFileVersionString(versions, kExe), L"5.9.26.228");
}

}  // namespace
