#include "engine/total.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using engine::parseTotal;
using engine::TotalError;

struct TotalRow {
    const char* name;
    const char* text;
    const char* separator;
    std::optional<int> expected; // nullopt: NotANumber
    bool outOfRange = false;
};

class ParseTotalTest : public testing::TestWithParam<TotalRow> {};

TEST_P(ParseTotalTest, ReadsASigned16BitTotal)
{
    const TotalRow& row = GetParam();
    const auto total = parseTotal(row.text, row.separator);
    if (row.expected) {
        ASSERT_TRUE(total.hasValue());
        EXPECT_EQ(total.value(), *row.expected);
    } else {
        ASSERT_FALSE(total.hasValue());
        EXPECT_EQ(total.error(), row.outOfRange ? TotalError::OutOfRange : TotalError::NotANumber);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseTotalTest,
    testing::Values(
        TotalRow{"Digits", "343", ".", 343}, TotalRow{"LeadingZeros", "00", ".", 0},
        TotalRow{"HundredsOfLeadingZeros", "0000000000000000000000000000000000000012", ".", 12},
        TotalRow{"Negative", "-99", ".", -99}, TotalRow{"Plus", "+7", ".", 7}, TotalRow{"Spaces", "  42\t", ".", 42},
        TotalRow{"HalfToEvenDown", "12.5", ".", 12}, TotalRow{"HalfToEvenUp", "13.5", ".", 14},
        TotalRow{"AboveHalfOnTheText", "2.5000001", ".", 3}, TotalRow{"BelowHalf", "2.4999999999999999999", ".", 2},
        TotalRow{"NegativeHalf", "-12.5", ".", -12}, TotalRow{"NegativeHalfUp", "-13.5", ".", -14},
        TotalRow{"TrailingPoint", "5.", ".", 5}, TotalRow{"FractionOnly", ".6", ".", 1},
        TotalRow{"Max", "32767", ".", 32767}, TotalRow{"Min", "-32768", ".", -32768},
        TotalRow{"MaxPlusFraction", "32767.4", ".", 32767}, TotalRow{"MinHalfToEven", "-32768.5", ".", -32768},
        TotalRow{"MaxHalfToEvenOverflows", "32767.5", ".", std::nullopt, true},
        TotalRow{"AboveMax", "32768", ".", std::nullopt, true}, TotalRow{"BelowMin", "-32769", ".", std::nullopt, true},
        TotalRow{"HundredsOfDigits", "123456789012345678901234567890123456789012345678901234567890", ".", std::nullopt,
                 true},
        TotalRow{"UserSeparator", "1,5", ",", 2}, TotalRow{"PointBesideUserSeparator", "2.5", ",", 2},
        TotalRow{"CommaIsNotAPointHere", "1,5", ".", std::nullopt}, TotalRow{"NoThousandsSeparator", "1,234", ",", 1},
        TotalRow{"Empty", "", ".", std::nullopt}, TotalRow{"LoneMinus", "-", ".", std::nullopt},
        TotalRow{"LonePoint", ".", ".", std::nullopt}, TotalRow{"TwoPoints", "1.2.3", ".", std::nullopt},
        TotalRow{"MinusAfter", "5-", ".", std::nullopt}, TotalRow{"DoubleMinus", "--3", ".", std::nullopt},
        TotalRow{"Exponent", "1e3", ".", std::nullopt}, TotalRow{"Letters", "abc", ".", std::nullopt},
        TotalRow{"InnerSpace", "1 2", ".", std::nullopt}, TotalRow{"ArabicIndicDigit", "\xD9\xA5", ".", std::nullopt}),
    RowName{});

TEST(ParseTotal, EmbeddedNulIsNotANumber)
{
    using namespace std::string_view_literals;
    EXPECT_FALSE(parseTotal("1\0"sv, ".").hasValue());
}

} // namespace
