#include "engine/total.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using engine::parseTotal;
using engine::Separators;
using engine::TotalError;

struct TotalRow {
    const char* name;
    const char* text;
    const char* decimal; // the locale's separators
    const char* group;
    std::optional<int> expected; // nullopt: NotANumber
    bool outOfRange = false;
};

class ParseTotalTest : public testing::TestWithParam<TotalRow> {};

TEST_P(ParseTotalTest, ReadsASigned32BitTotal)
{
    const TotalRow& row = GetParam();
    const auto total = parseTotal(row.text, Separators{.decimal = row.decimal, .group = row.group});
    if (row.expected) {
        ASSERT_TRUE(total.hasValue());
        EXPECT_EQ(total.value(), *row.expected);
    } else {
        ASSERT_FALSE(total.hasValue());
        EXPECT_EQ(total.error(), row.outOfRange ? TotalError::OutOfRange : TotalError::NotANumber);
    }
}

// Under German "," is the decimal separator and "." groups; under French a narrow
// no-break space groups.
// clang-format off
const TotalRow kTotalRows[] = {
    {"HundredsOfLeadingZeros", "0000000000000000000000000000000000000012", ".", "", 12},
    {"Negative", "-99", ".", "", -99},
    {"Plus", "+7", ".", "", 7},
    {"Spaces", "  42\t", ".", "", 42},
    {"HalfToEvenDown", "12.5", ".", "", 12},
    {"HalfToEvenUp", "13.5", ".", "", 14},
    {"AboveHalfOnTheText", "2.5000001", ".", "", 3},
    {"BelowHalf", "2.4999999999999999999", ".", "", 2},
    {"NegativeHalfUp", "-13.5", ".", "", -14},
    {"TrailingPoint", "5.", ".", "", 5},
    {"FractionOnly", ".6", ".", "", 1},
    {"Max", "2147483647", ".", "", 2147483647},
    {"Min", "-2147483648", ".", "", -2147483647 - 1},
    {"MaxPlusFraction", "2147483647.4", ".", "", 2147483647},
    {"MinHalfToEven", "-2147483648.5", ".", "", -2147483647 - 1},
    {"MaxHalfToEvenOverflows", "2147483647.5", ".", "", std::nullopt, true},
    {"AboveMax", "2147483648", ".", "", std::nullopt, true},
    {"BelowMin", "-2147483649", ".", "", std::nullopt, true},
    {"HundredsOfDigits", "123456789012345678901234567890123456789012345678901234567890", ".", "", std::nullopt, true},
    {"PointBesideUserSeparator", "2.5", ",", "\u202F", 2},
    {"CommaIsNotAPointHere", "1,5", ".", "", std::nullopt},
    {"GermanCommaIsTheDecimal", "1,234", ",", ".", 1},
    {"GermanGroups", "4.643", ",", ".", 4643},
    {"GermanPointIsNoDecimal", "12.5", ",", ".", std::nullopt},
    {"GermanGroupOfFour", "1.2345", ",", ".", std::nullopt},
    {"GermanFirstGroupOfFour", "1234.567", ",", ".", std::nullopt},
    {"EnglishGroupsAndPoint", "-1,234.5", ".", ",", -1234},
    {"EnglishGroupOfTwo", "4,64", ".", ",", std::nullopt},
    {"EnglishPointUngrouped", "4.643", ".", ",", 5},
    {"LeadingGroup", ",123", ".", ",", std::nullopt},
    {"TrailingGroup", "1,", ".", ",", std::nullopt},
    {"GroupInFraction", "1.234,567", ".", ",", std::nullopt},
    {"MultiByteGroup", "1\u202F234", ",", "\u202F", 1234},
    {"GroupedBeyondRange", "2,147,483,648", ".", ",", std::nullopt, true},
    {"Empty", "", ".", "", std::nullopt},
    {"LoneMinus", "-", ".", "", std::nullopt},
    {"LonePoint", ".", ".", "", std::nullopt},
    {"TwoPoints", "1.2.3", ".", "", std::nullopt},
    {"MinusAfter", "5-", ".", "", std::nullopt},
    {"DoubleMinus", "--3", ".", "", std::nullopt},
    {"Exponent", "1e3", ".", "", std::nullopt},
    {"InnerSpace", "1 2", ".", "", std::nullopt},
    {"ArabicIndicDigit", "\xD9\xA5", ".", "", std::nullopt},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, ParseTotalTest, testing::ValuesIn(kTotalRows), RowName{});

TEST(ParseTotal, EmbeddedNulIsNotANumber)
{
    using namespace std::string_view_literals;
    EXPECT_FALSE(parseTotal("1\0"sv, {}).hasValue());
}

} // namespace
