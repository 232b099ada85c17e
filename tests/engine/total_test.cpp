#include "engine/total.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using engine::NumberFormat;
using engine::parseTotal;
using engine::TotalError;

// Locales as their platforms report them.
constexpr NumberFormat kPlain{.decimal = ".", .group = ""};
constexpr NumberFormat kEnglish{.decimal = ".", .group = ","};
constexpr NumberFormat kGerman{.decimal = ",", .group = "."};
constexpr NumberFormat kFrench{.decimal = ",", .group = "\u202F"};
constexpr NumberFormat kSwedish{.decimal = ",", .group = "\u00A0", .minus = "\u2212"};
constexpr NumberFormat kIndian{.decimal = ".", .group = ",", .outerGroupSize = 2};
constexpr NumberFormat kEgyptian{.decimal = "\u066B", .group = "\u066C", .zero = "\u0660"};
constexpr NumberFormat kPersian{.decimal = "\u066B", .group = "\u066C", .minus = "\u2212", .zero = "\u06F0"};

struct TotalRow {
    const char* name;
    const char* text;
    const NumberFormat& locale;
    std::optional<int> expected; // nullopt: NotANumber
    bool outOfRange = false;
};

class ParseTotalTest : public testing::TestWithParam<TotalRow> {};

TEST_P(ParseTotalTest, ReadsASigned32BitTotal)
{
    const TotalRow& row = GetParam();
    const auto total = parseTotal(row.text, row.locale);
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
    {"HundredsOfLeadingZeros", "0000000000000000000000000000000000000012", kPlain, 12},
    {"Negative", "-99", kPlain, -99},
    {"Plus", "+7", kPlain, 7},
    {"Spaces", "  42\t", kPlain, 42},
    {"HalfToEvenDown", "12.5", kPlain, 12},
    {"HalfToEvenUp", "13.5", kPlain, 14},
    {"AboveHalfOnTheText", "2.5000001", kPlain, 3},
    {"BelowHalf", "2.4999999999999999999", kPlain, 2},
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
    {"HundredsOfDigits", "123456789012345678901234567890123456789012345678901234567890", kPlain, std::nullopt, true},
    {"CommaIsNotAPointHere", "1,5", kPlain, std::nullopt},
    {"GermanCommaIsTheDecimal", "1,234", kGerman, 1},
    {"GermanGroups", "4.643", kGerman, 4643},
    {"GermanPointIsNoDecimal", "12.5", kGerman, std::nullopt},
    {"GermanGroupOfFour", "1.2345", kGerman, std::nullopt},
    {"GermanFirstGroupOfFour", "1234.567", kGerman, std::nullopt},
    {"GermanLeadingZeroGroup", "0.643", kGerman, std::nullopt},
    {"GermanZerosGroup", "000.001", kGerman, std::nullopt},
    {"GermanSpaceIsNoGroup", "4 643", kGerman, std::nullopt},
    {"EnglishGroupsAndPoint", "-1,234.5", kEnglish, -1234},
    {"EnglishGroupOfTwo", "4,64", kEnglish, std::nullopt},
    {"EnglishPointUngrouped", "4.643", kEnglish, 5},
    {"EnglishLeadingZeroGroup", "0,643", kEnglish, std::nullopt},
    {"EnglishZeroFirstGroup", "01,989", kEnglish, std::nullopt},
    {"EnglishIndianGroups", "2,00,000", kEnglish, std::nullopt},
    {"LeadingGroup", ",123", kEnglish, std::nullopt},
    {"TrailingGroup", "1,", kEnglish, std::nullopt},
    {"GroupInFraction", "1.234,567", kEnglish, std::nullopt},
    {"GroupedBeyondRange", "2,147,483,648", kEnglish, std::nullopt, true},
    {"FrenchPointBeforeTwoDigits", "2.5", kFrench, 2},
    {"FrenchPointBeforeThreeDigitsIsAmbiguous", "4.643", kFrench, std::nullopt},
    {"FrenchPointBeforeFourDigits", "4.6431", kFrench, 5},
    {"FrenchNarrowNoBreakSpaceGroups", "4\u202F643", kFrench, 4643},
    {"FrenchNoBreakSpaceGroups", "4\u00A0643", kFrench, 4643},
    {"FrenchSpaceGroups", "4 643", kFrench, 4643},
    {"FrenchWhiteSpaceAround", "\u00A0 4643\u202F\t", kFrench, 4643},
    {"SwedishMinus", "\u221299", kSwedish, -99},
    {"SwedishHyphenMinus", "-1 234,5", kSwedish, -1234},
    {"SwedishMinusElsewhereIsNone", "\u221299", kPlain, std::nullopt},
    {"IndianGroups", "2,00,000", kIndian, 200000},
    {"IndianGroupsOfTwoThenThree", "-12,34,567", kIndian, -1234567},
    {"IndianWesternGroups", "1,234,567", kIndian, std::nullopt},
    {"IndianFirstGroupOfThree", "123,45,678", kIndian, std::nullopt},
    {"EgyptianDigits", "\u0665\u0660\u0662", kEgyptian, 502},
    {"EgyptianMinusAndGroups", "\u061C-\u0664\u066C\u0666\u0664\u0663", kEgyptian, -4643},
    {"PersianMarkBeforeItsMinus", "\u200E\u2212\u06F1\u066C\u06F2\u06F3\u06F4", kPersian, -1234},
    {"EgyptianDecimal", "\u0661\u066B\u0665", kEgyptian, 2},
    {"ArabicIndicDigitElsewhere", "\xD9\xA5", kPlain, std::nullopt},
    {"Empty", "", kPlain, std::nullopt},
    {"WhiteSpaceOnly", " \u00A0", kFrench, std::nullopt},
    {"LoneMinus", "-", kPlain, std::nullopt},
    {"LonePoint", ".", kPlain, std::nullopt},
    {"TwoPoints", "1.2.3", kPlain, std::nullopt},
    {"MinusAfter", "5-", kPlain, std::nullopt},
    {"DoubleMinus", "--3", kPlain, std::nullopt},
    {"Exponent", "1e3", kPlain, std::nullopt},
    {"InnerSpace", "1 2", kPlain, std::nullopt},
    {"BrokenUtf8", "1\xC3", kPlain, std::nullopt},
    {"OverlongDigit", "\xC0\xB1", kPlain, std::nullopt},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, ParseTotalTest, testing::ValuesIn(kTotalRows), RowName{});

TEST(ParseTotal, EmbeddedNulIsNotANumber)
{
    using namespace std::string_view_literals;
    EXPECT_FALSE(parseTotal("1\0"sv, kPlain).hasValue());
}

} // namespace
