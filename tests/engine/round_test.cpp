#include "engine/number_text.h"
#include "engine/round.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

using engine::RoundAdv;
using engine::RoundError;

struct RoundRow {
    const char* name;
    double value;
    std::int16_t digits;
    double expected;
};

class RoundAdvTest : public testing::TestWithParam<RoundRow> {};

TEST_P(RoundAdvTest, RoundsOnTheDecimalText)
{
    const RoundRow& row = GetParam();
    const auto rounded = RoundAdv(row.value, row.digits);
    ASSERT_TRUE(rounded.hasValue());
    EXPECT_EQ(rounded.value(), row.expected);
}

// clang-format off
const RoundRow kRoundRows[] = {
    {"Zero", 0, 3, 0},
    {"FewerDigitsThanPlaces", 2.5, 1, 2.5},
    {"ReadBackFromText", 0.1 + 0.2, 2, 0.3},
    {"DownKeepsTrailingZero", 12.301, 2, 12.3},
    {"DownToZero", 0.04, 1, 0},
    {"UpThoughStoredBelowHalf", 2.675, 2, 2.68},
    {"UpFromKeptZeros", 1.005, 2, 1.01},
    {"UpFromZero", 0.05, 1, 0.1},
    {"OnlyFirstDroppedDigitCounts", 200.0 / 3, 1, 66.7},
    {"CarryIntoOne", 0.96, 1, 1},
    {"CarryIntoHundred", 99.95, 1, 100},
    {"CarryThreePlaces", 0.9995, 3, 1},
    {"NegativeDown", -1.24, 1, -1.2},
    {"NegativeHalfAwayFromZero", -1.25, 1, -1.3},
    {"NegativeDownToZero", -0.00025, 3, 0},
    {"NegativeCarry", -0.96, 1, -1},
    // Values below 1E-04 round on their positional digits.
    {"ExponentFormWithPointDown", 1.5e-05, 2, 0},
    {"ExponentFormUp", 0.00005, 4, 0.0001},
    {"ExponentFormKeptWhole", 1.5e-05, 6, 1.5e-05},
    {"NoFractionDigitLeft", 123456789012345.6, 2, 123456789012345.6},
    // Counts beyond 1 to 4.
    {"ZeroPlacesUp", 2.5, 0, 3},
    {"TwelvePlacesCarry", 0.9999999999995, 12, 1},
    {"TwentyPlacesSmall", 1.23456789012345e-10, 20, 1.2345678901e-10},
    {"ManyPlacesKeepEverything", 1.0 / 3, 300, 0.333333333333333},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, RoundAdvTest, testing::ValuesIn(kRoundRows), RowName{});

// A count beyond reach fails once the text is split; whole numbers and zero are never split.
TEST(RoundAdv, FailsOnACountOutOfReach)
{
    EXPECT_EQ(RoundAdv(12.5, 32767).error(), RoundError::CountOverflow);
    EXPECT_EQ(RoundAdv(12.5, -1).error(), RoundError::NegativeCount);
    EXPECT_EQ(RoundAdv(12, 32767).value(), 12);
    EXPECT_EQ(RoundAdv(0, 32767).value(), 0);
}

// The round-up adds one to the kept digits taken as a whole number. The classic way
// adds a floating increment (0.1 multiplied by 0.1 for each further place)
// to the kept fraction and takes the 15-digit text of the sum; for 1 to 4 places both
// must agree on every value.
double roundedUpByIncrement(double value, int digits)
{
    const std::string text(engine::numberText(value).view());
    const std::size_t point = text.find('.');
    const std::string integerPart = text.substr(0, point);
    const std::string fraction = text.substr(point, static_cast<std::size_t>(digits) + 1);
    double increment = 0.1;
    for (int i = 1; i < digits; ++i) {
        increment *= 0.1;
    }
    const std::string sum(engine::numberText(engine::leadingNumber(fraction) + increment).view());
    if (sum.front() != '1') {
        return engine::leadingNumber(integerPart + sum.substr(1));
    }
    const double whole = engine::leadingNumber(integerPart) + (value > 0 ? 1 : -1);
    return engine::leadingNumber(engine::numberText(whole).view());
}

TEST(RoundAdv, RoundUpAgreesWithFloatingIncrement)
{
    std::mt19937_64 random(20261207); // NOLINT(bugprone-random-generator-seed): the same values every run
    std::uniform_real_distribution<double> magnitude(-4, 5);
    int compared = 0;
    for (int i = 0; i < 200000; ++i) {
        const double value = std::copysign(std::pow(10.0, magnitude(random)), i % 2 ? 1.0 : -1.0);
        const auto digits = static_cast<std::int16_t>(1 + (i % 4));
        const std::string text(engine::numberText(value).view());
        const std::size_t point = text.find('.');
        if (point == std::string::npos || text.find('E') != std::string::npos ||
            text.size() - point <= static_cast<std::size_t>(digits) + 1 ||
            text[point + static_cast<std::size_t>(digits) + 1] < '5') {
            continue;
        }
        ++compared;
        ASSERT_EQ(RoundAdv(value, digits).value(), roundedUpByIncrement(value, digits)) << text << " to " << digits;
    }
    EXPECT_GT(compared, 50000);
}

} // namespace
