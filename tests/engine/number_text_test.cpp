#include "engine/number_text.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <cmath>
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

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberTextTest,
    testing::Values(
        TextRow{"Half", 0.5, ".", "0.5"}, TextRow{"TrailingZeroDropped", 2.50, ".", "2.5"},
        TextRow{"WholeNumberHasNoSeparator", 86, ".", "86"}, TextRow{"RatingCap", 158.3, ".", "158.3"},
        TextRow{"FifteenDigitsOfAQuotient", 3624.0 / 28, ".", "129.428571428571"},
        TextRow{"RoundedToFifteenDigits", 123456789012345.6, ".", "123456789012346"},
        TextRow{"LargestPositional", 1e14, ".", "100000000000000"},
        TextRow{"SmallestPositional", 0.0001, ".", "0.0001"}, TextRow{"ExponentFormSmall", 0.00001, ".", "1E-05"},
        TextRow{"ExponentFormWithDigits", 0.000015, ".", "1.5E-05"}, TextRow{"ExponentFormLarge", 1e15, ".", "1E+15"},
        TextRow{"ThreeDigitExponent", -2.5e-300, ".", "-2.5E-300"}, TextRow{"Negative", -1.25, ".", "-1.25"},
        TextRow{"NegativeZero", -0.0, ".", "0"}, TextRow{"CommaSeparator", 2.25, ",", "2,25"},
        TextRow{"CommaInExponentForm", 0.000015, ",", "1,5E-05"},
        TextRow{"MultiByteSeparator", 97.9, "\xD9\xAB",
                "97\xD9\xAB"
                "9"},
        TextRow{"EmptySeparatorMeansPoint", 97.9, "", "97.9"}),
    RowName{});

TEST(NumberText, NonFiniteValuesReadLikePrintf)
{
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()).view(), "INF");
    EXPECT_EQ(numberText(-std::numeric_limits<double>::infinity()).view(), "-INF");
    EXPECT_EQ(numberText(std::nan("")).view(), "NAN");
}

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

INSTANTIATE_TEST_SUITE_P(
    Rows, LeadingNumberTest,
    testing::Values(LeadingRow{"Decimal", "12.945", 12.945}, LeadingRow{"StopsAtOtherText", "12.5abc", 12.5},
                    LeadingRow{"StopsAtSecondPoint", "1.2.3", 1.2}, LeadingRow{"ExponentForm", "-1.5E-05", -1.5e-05},
                    LeadingRow{"BareExponentLetter", "7E", 7}, LeadingRow{"PlusSign", "+3", 3},
                    LeadingRow{"FractionOnly", ".94", 0.94}, LeadingRow{"PointAloneIsZero", ".", 0},
                    LeadingRow{"EmptyIsZero", "", 0}, LeadingRow{"CommaIsNotAPoint", "2,25", 2},
                    LeadingRow{"HugeExponent", "1E+400", std::numeric_limits<double>::infinity()},
                    LeadingRow{"TinyExponent", "1E-400", 0}, LeadingRow{"WordsAreNoNumber", "inf", 0},
                    LeadingRow{"SecondSignIsNoNumber", "--5", 0}),
    RowName{});

} // namespace
