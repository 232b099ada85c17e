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

// clang-format off
const TotalRow kTotalRows[] = {
    {"Digits", "343", ".", 343},
    {"LeadingZeros", "00", ".", 0},
    {"HundredsOfLeadingZeros", "0000000000000000000000000000000000000012", ".", 12},
    {"Negative", "-99", ".", -99},
    {"Plus", "+7", ".", 7},
    {"Spaces", "  42\t", ".", 42},
    {"HalfToEvenDown", "12.5", ".", 12},
    {"HalfToEvenUp", "13.5", ".", 14},
    {"AboveHalfOnTheText", "2.5000001", ".", 3},
    {"BelowHalf", "2.4999999999999999999", ".", 2},
    {"NegativeHalf", "-12.5", ".", -12},
    {"NegativeHalfUp", "-13.5", ".", -14},
    {"TrailingPoint", "5.", ".", 5},
    {"FractionOnly", ".6", ".", 1},
    {"Max", "32767", ".", 32767},
    {"Min", "-32768", ".", -32768},
    {"MaxPlusFraction", "32767.4", ".", 32767},
    {"MinHalfToEven", "-32768.5", ".", -32768},
    {"MaxHalfToEvenOverflows", "32767.5", ".", std::nullopt, true},
    {"AboveMax", "32768", ".", std::nullopt, true},
    {"BelowMin", "-32769", ".", std::nullopt, true},
    {"HundredsOfDigits", "123456789012345678901234567890123456789012345678901234567890", ".", std::nullopt, true},
    {"UserSeparator", "1,5", ",", 2},
    {"PointBesideUserSeparator", "2.5", ",", 2},
    {"CommaIsNotAPointHere", "1,5", ".", std::nullopt},
    {"NoThousandsSeparator", "1,234", ",", 1},
    {"Empty", "", ".", std::nullopt},
    {"LoneMinus", "-", ".", std::nullopt},
    {"LonePoint", ".", ".", std::nullopt},
    {"TwoPoints", "1.2.3", ".", std::nullopt},
    {"MinusAfter", "5-", ".", std::nullopt},
    {"DoubleMinus", "--3", ".", std::nullopt},
    {"Exponent", "1e3", ".", std::nullopt},
    {"Letters", "abc", ".", std::nullopt},
    {"InnerSpace", "1 2", ".", std::nullopt},
    {"ArabicIndicDigit", "\xD9\xA5", ".", std::nullopt},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, ParseTotalTest, testing::ValuesIn(kTotalRows), RowName{});

TEST(ParseTotal, EmbeddedNulIsNotANumber)
{
    using namespace std::string_view_literals;
    EXPECT_FALSE(parseTotal("1\0"sv, ".").hasValue());
}

} // namespace
