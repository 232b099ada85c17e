#include "engine/total.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using engine::parseTotal;
using engine::Separators;
using engine::TotalError;

constexpr Separators kPlain{".", ""};
constexpr Separators kEnglish{".", ","};
constexpr Separators kGerman{",", "."};
constexpr Separators kFrench{",", "\u202F"}; // a narrow no-break space groups

struct TotalRow {
    const char* name;
    const char* text;
    Separators separators;
    std::optional<int> expected; // nullopt: NotANumber
    bool outOfRange = false;
};

class ParseTotalTest : public testing::TestWithParam<TotalRow> {};

TEST_P(ParseTotalTest, ReadsASigned32BitTotal)
{
    const TotalRow& row = GetParam();
    const auto total = parseTotal(row.text, row.separators);
    if (row.expected) {
        ASSERT_TRUE(total.hasValue());
        EXPECT_EQ(total.value(), *row.expected);
    } else {
        ASSERT_FALSE(total.hasValue());
        EXPECT_EQ(total.error(), row.outOfRange ? TotalError::OutOfRange : TotalError::NotANumber);
    }
}

// clang-format off
const TotalRow kTotalRows[] = {
    {"Digits", "343", kPlain, 343},
    {"LeadingZeros", "00", kPlain, 0},
    {"HundredsOfLeadingZeros", "0000000000000000000000000000000000000012", kPlain, 12},
    {"Negative", "-99", kPlain, -99},
    {"Plus", "+7", kPlain, 7},
    {"Spaces", "  42\t", kPlain, 42},
    {"HalfToEvenDown", "12.5", kPlain, 12},
    {"HalfToEvenUp", "13.5", kPlain, 14},
    {"AboveHalfOnTheText", "2.5000001", kPlain, 3},
    {"BelowHalf", "2.4999999999999999999", kPlain, 2},
    {"NegativeHalf", "-12.5", kPlain, -12},
    {"NegativeHalfUp", "-13.5", kPlain, -14},
    {"TrailingPoint", "5.", kPlain, 5},
    {"FractionOnly", ".6", kPlain, 1},
    {"Max", "2147483647", kPlain, 2147483647},
    {"Min", "-2147483648", kPlain, -2147483647 - 1},
    {"MaxPlusFraction", "2147483647.4", kPlain, 2147483647},
    {"MinHalfToEven", "-2147483648.5", kPlain, -2147483647 - 1},
    {"MaxHalfToEvenOverflows", "2147483647.5", kPlain, std::nullopt, true},
    {"AboveMax", "2147483648", kPlain, std::nullopt, true},
    {"BelowMin", "-2147483649", kPlain, std::nullopt, true},
    {"ElevenDigits", "10000000000", kPlain, std::nullopt, true},
    {"HundredsOfDigits", "123456789012345678901234567890123456789012345678901234567890", kPlain, std::nullopt, true},
    {"UserSeparator", "1,5", kGerman, 2},
    {"PointBesideUserSeparator", "2.5", kFrench, 2},
    {"CommaIsNotAPointHere", "1,5", kPlain, std::nullopt},
    {"GermanCommaIsTheDecimal", "1,234", kGerman, 1},
    {"GermanGroups", "4.643", kGerman, 4643},
    {"GermanGroupsAndFraction", "1.234.567,5", kGerman, 1234568},
    {"GermanPointIsNoDecimal", "12.5", kGerman, std::nullopt},
    {"GermanGroupOfFour", "1.2345", kGerman, std::nullopt},
    {"GermanFirstGroupOfFour", "1234.567", kGerman, std::nullopt},
    {"EnglishGroups", "4,643", kEnglish, 4643},
    {"EnglishGroupsAndPoint", "-1,234.5", kEnglish, -1234},
    {"EnglishGroupOfTwo", "4,64", kEnglish, std::nullopt},
    {"EnglishPointUngrouped", "4.643", kEnglish, 5},
    {"LeadingGroup", ",123", kEnglish, std::nullopt},
    {"TrailingGroup", "1,", kEnglish, std::nullopt},
    {"GroupInFraction", "1.234,567", kEnglish, std::nullopt},
    {"MultiByteGroup", "1\u202F234", kFrench, 1234},
    {"GroupedBeyondRange", "2,147,483,648", kEnglish, std::nullopt, true},
    {"Empty", "", kPlain, std::nullopt},
    {"LoneMinus", "-", kPlain, std::nullopt},
    {"LonePoint", ".", kPlain, std::nullopt},
    {"TwoPoints", "1.2.3", kPlain, std::nullopt},
    {"MinusAfter", "5-", kPlain, std::nullopt},
    {"DoubleMinus", "--3", kPlain, std::nullopt},
    {"Exponent", "1e3", kPlain, std::nullopt},
    {"Letters", "abc", kPlain, std::nullopt},
    {"InnerSpace", "1 2", kPlain, std::nullopt},
    {"ArabicIndicDigit", "\xD9\xA5", kPlain, std::nullopt},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, ParseTotalTest, testing::ValuesIn(kTotalRows), RowName{});

TEST(ParseTotal, EmbeddedNulIsNotANumber)
{
    using namespace std::string_view_literals;
    EXPECT_FALSE(parseTotal("1\0"sv, kPlain).hasValue());
}

} // namespace
