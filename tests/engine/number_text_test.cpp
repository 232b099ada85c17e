#include "engine/number_text.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using engine::leadingNumber;
using engine::numberText;

struct TextRow {
    const char* name;
    double value;
    const char* separator;
    const char* expected;
};

class NumberTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(NumberTextTest, WritesGeneralFormWithFifteenDigits)
{
    const TextRow& row = GetParam();
    EXPECT_EQ(numberText(row.value, row.separator).view(), row.expected);
}

// clang-format off
const TextRow kTextRows[] = {
    {"TrailingZeroDropped", 2.50, ".", "2.5"},
    {"WholeNumberHasNoSeparator", 86, ".", "86"},
    {"FifteenDigitsOfAQuotient", 3624.0 / 28, ".", "129.428571428571"},
    {"RoundedToFifteenDigits", 123456789012345.6, ".", "123456789012346"},
    {"LargestPositional", 1e14, ".", "100000000000000"},
    {"SmallestPositional", 0.0001, ".", "0.0001"},
    {"ExponentFormSmall", 0.00001, ".", "1E-05"},
    {"ExponentFormLarge", 1e15, ".", "1E+15"},
    {"ThreeDigitExponent", -2.5e-300, ".", "-2.5E-300"},
    {"NegativeZero", -0.0, ".", "0"},
    {"CommaInExponentForm", 0.000015, ",", "1,5E-05"},
    {"MultiByteSeparator", 97.9, "\xD9\xAB", "97\xD9\xAB" "9"},
    {"EmptySeparatorMeansPoint", 97.9, "", "97.9"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, NumberTextTest, testing::ValuesIn(kTextRows), RowName{});

struct LeadingRow {
    const char* name;
    const char* text;
    double expected;
};

class LeadingNumberTest : public testing::TestWithParam<LeadingRow> {};

TEST_P(LeadingNumberTest, ReadsTheNumberAtTheStart)
{
    const LeadingRow& row = GetParam();
    EXPECT_EQ(leadingNumber(row.text), row.expected);
}

// The engine reads back only texts it wrote, and the tests their own.
// clang-format off
const LeadingRow kLeadingRows[] = {
    {"StopsAtOtherText", "12.5abc", 12.5},
    {"ExponentForm", "-1.5E-05", -1.5e-05},
    {"FractionOnly", ".94", 0.94},
    {"HugeExponent", "1E+400", std::numeric_limits<double>::infinity()},
    {"TinyExponent", "1E-400", 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, LeadingNumberTest, testing::ValuesIn(kLeadingRows), RowName{});

} // namespace
