#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "settings/IniInteger.h"

namespace {

struct IntegerCase {
  const char* what;
  const wchar_t* text;
  std::optional<std::int32_t> value;
};

class IniInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniInteger, ReadsDecimalAndPrefixedHexadecimal) {
  EXPECT_EQ(settings::ParseInteger(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniInteger,
    testing::Values(
        IntegerCase{"Decimal", L"500", 500}, IntegerCase{"Zero", L"0", 0},
        IntegerCase{"Negative", L"-17", -17}, IntegerCase{"Plus", L"+5", 5},
        IntegerCase{"LeadingZeros", L"0000000000000000000012", 12},
        IntegerCase{"LeadingBlanks", L" \t 12", 12}, IntegerCase{"Dollar", L"$1F", 31},
        IntegerCase{"X", L"x1f", 31}, IntegerCase{"ZeroX", L"0x1F", 31},
        IntegerCase{"UpperZeroX", L"0XaB", 171}, IntegerCase{"NegativeHex", L"-$10", -16},
        IntegerCase{"HexBitPattern", L"$FFFFFFFF", -1},
        IntegerCase{"Largest", L"2147483647", 2147483647},
        IntegerCase{"Smallest", L"-2147483648", -2147483647 - 1},
        IntegerCase{"TooLarge", L"2147483648", std::nullopt},
        IntegerCase{"TooSmall", L"-2147483649", std::nullopt},
        IntegerCase{"HexTooLarge", L"$100000000", std::nullopt},
        IntegerCase{"Letters", L"abc", std::nullopt}, IntegerCase{"Empty", L"", std::nullopt},
        IntegerCase{"TrailingText", L"12abc", std::nullopt},
        IntegerCase{"TrailingBlank", L"12 ", std::nullopt},
        IntegerCase{"InnerBlank", L"1 2", std::nullopt},
        IntegerCase{"Fraction", L"1.5", std::nullopt}, IntegerCase{"SignAlone", L"-", std::nullopt},
        IntegerCase{"PrefixAlone", L"0x", std::nullopt},
        IntegerCase{"DoubleSign", L"--1", std::nullopt},
        IntegerCase{"SignAfterPrefix", L"$-1", std::nullopt},
        IntegerCase{"HexWithoutPrefix", L"1F", std::nullopt},
        IntegerCase{"NonAsciiDigit", L"\x0663", std::nullopt}),
    [](const testing::TestParamInfo<IntegerCase>& info) { return info.param.what; });

}  // namespace
