#include <gtest/gtest.h>

#include <string>

#include "settings/TextEncoding.h"

namespace {

using namespace std::string_literals;
using settings::DecodeText;
using settings::EncodeText;
using settings::TextEncoding;

struct EncodingCase {
  const char* what;
  std::string bytes;
  std::wstring text;
  TextEncoding encoding;
};

class TextEncodings : public testing::TestWithParam<EncodingCase> {};

// Rewriting unchanged text must give the file's own bytes back.
TEST_P(TextEncodings, DecodeAndEncodeBackToTheSameBytes) {
  const EncodingCase& c = GetParam();
  const settings::DecodedText decoded = DecodeText(c.bytes);
  EXPECT_EQ(decoded.text, c.text);
  EXPECT_EQ(decoded.encoding, c.encoding);
  EXPECT_EQ(EncodeText(decoded.text, decoded.encoding), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextEncodings,
    testing::Values(
        EncodingCase{"Utf8", "\xEF\xBB\xBF[\xD0\xAF]\r\n", L"[\x042F]\r\n", TextEncoding::Utf8},
        EncodingCase{"Utf8BeyondBasicPlane", "\xEF\xBB\xBF\xF0\x9F\x98\x80", L"\xD83D\xDE00",
                     TextEncoding::Utf8},
        EncodingCase{"Utf8MarkAlone", "\xEF\xBB\xBF", L"", TextEncoding::Utf8},
        EncodingCase{"Utf16Le", "\xFF\xFE[\0\x2F\x04]\0"s, L"[\x042F]", TextEncoding::Utf16Le},
        EncodingCase{"Utf16Be", "\xFE\xFF\0[\x04\x2F\0]"s, L"[\x042F]", TextEncoding::Utf16Be},
        EncodingCase{"Utf16BeyondBasicPlane", "\xFF\xFE\x3D\xD8\x00\xDE"s, L"\xD83D\xDE00",
                     TextEncoding::Utf16Le},
        EncodingCase{"Utf16LoneSurrogateKept", "\xFE\xFF\xDC\x00\0Z"s, L"\xDC00Z",
                     TextEncoding::Utf16Be},
        EncodingCase{"AnsiWithoutMark", "caf\xE9 \x80 \x81", L"caf\xE9 \x20AC \x0081",
                     TextEncoding::Ansi},
        EncodingCase{"UnmarkedUtf8IsAnsi", "\xD0\xAF", L"\x00D0\x00AF", TextEncoding::Ansi},
        EncodingCase{"Empty", "", L"", TextEncoding::Ansi}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return info.param.what; });

struct DamagedCase {
  const char* what;
  std::string bytes;
  std::wstring text;
};

class DamagedText : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedText, DecodesWhatItCan) {
  EXPECT_EQ(DecodeText(GetParam().bytes).text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedText,
                         testing::Values(DamagedCase{"BadUtf8", "\xEF\xBB\xBFz\xFFz", L"z\xFFFDz"},
                                         DamagedCase{"CutUtf8", "\xEF\xBB\xBFz\xD0", L"z\xFFFD"},
                                         DamagedCase{"OddUtf16", "\xFF\xFEZ\0Z"s, L"Z"}),
                         [](const testing::TestParamInfo<DamagedCase>& info) {
                           return info.param.what;
                         });

TEST(AnsiText, HoldsOnlyWhatTheCodePageHas) {
  EXPECT_EQ(EncodeText(L"\x20AC\xE9", TextEncoding::Ansi), "\x80\xE9");
  EXPECT_FALSE(EncodeText(L"\x042F", TextEncoding::Ansi));
  EXPECT_FALSE(EncodeText(L"\xD83D\xDE00", TextEncoding::Ansi));
}

}  // namespace
