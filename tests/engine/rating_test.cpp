#include "engine/rating.h"

#include "row_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace {

using namespace engine; // NOLINT(google-build-using-namespace): the engine is what is tested

// Texts in the window's order of reading: attempts, completions, yards, touchdowns,
// interceptions.
struct LineRow {
    const char* name;
    FieldTexts texts;
    const char* professional;
    const char* college;
};

class WorkedExampleTest : public testing::TestWithParam<LineRow> {};

TEST_P(WorkedExampleTest, BothFormulas)
{
    const LineRow& row = GetParam();
    const Calculation professional = calculate(row.texts, Formula::Professional, {});
    ASSERT_FALSE(professional.refusal);
    EXPECT_EQ(professional.rating.view(), row.professional);
    const Calculation college = calculate(row.texts, Formula::College, {});
    ASSERT_FALSE(college.refusal);
    EXPECT_EQ(college.rating.view(), row.college);
}

// clang-format off
const LineRow kLineRows[] = {
    {"Perfect", {"20", "20", "400", "5", "0"}, "158.3", "350.5"},
    {"WholeNumberRating", {"34", "21", "285", "1", "1"}, "86", "136"},
    {"InterceptionRaisedToZero", {"20", "14", "210", "2", "2"}, "97.9", "171.2"},
    {"FifteenDigitCollege", {"28", "16", "210", "2", "2"}, "75", "129.428571428571"},
    {"AttemptsOnly", {"10", "", "", "", ""}, "39.6", "0"},
    {"NegativeYards", {"2", "1", "-99", "0", "1"}, "16.7", "-465.8"},
    // A full season: 16-bit products of completions would refuse it.
    {"FullSeason", {"502", "343", "4643", "45", "6"}, "122.5", "173.209561752988"},
    // Careers: 32-bit totals, 64-bit products.
    {"CareerManning", {"9380", "6125", "71940", "539", "251"}, "96.5", "143.333262260128"},
    {"CollegeProductsAbove32Bits", {"2147483647", "2147483647", "0", "2147483647", "0"}, "118.8", "430"},
    {"CollegeInterceptionProductAbove32Bits", {"20000000", "0", "0", "0", "20000000"}, "0", "-200"},
    // Yards per attempt less 3 is 1.5E-05: rounded on its positional digits, 0.
    {"YardsTermInExponentForm", {"200000", "100000", "600003", "0", "0"}, "56.3", "75.200126"},
    // Pasted negative interceptions lift their component above 2.375: it has no cap.
    {"InterceptionComponentUncapped", {"10", "5", "50", "0", "-1"}, "106.3", "112"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, WorkedExampleTest, testing::ValuesIn(kLineRows), RowName{});

// The work the web page shows: each rate as rounded to two places, each component as
// bounded and rounded to three, their sum and the rating.
TEST(ProfessionalWork, HoldsTheRoundedValues)
{
    const auto work = engine::professionalWork(
        {.attempts = 34, .completions = 21, .yards = 285, .touchdowns = 1, .interceptions = 1});
    EXPECT_EQ(work.rates, (std::array{61.76, 5.38, 2.94, 2.94}));
    std::array<std::string, engine::kStepCount> components; // as the page writes them
    std::ranges::transform(work.components, components.begin(),
                           [](double value) { return std::string(engine::numberText(value).view()); });
    EXPECT_EQ(components, (std::array<std::string, engine::kStepCount>{"1.588", "1.345", "0.588", "1.64"}));
    EXPECT_EQ(engine::numberText(work.sum).view(), "5.161");
    EXPECT_EQ(work.rating, 86);
}

struct RefusalRow {
    const char* name;
    FieldTexts texts;
    Refusal refusal;
};

class RefusalTest : public testing::TestWithParam<RefusalRow> {};

TEST_P(RefusalTest, FirstBrokenRuleEndsWithoutRating)
{
    const RefusalRow& row = GetParam();
    for (const Formula formula : {Formula::Professional, Formula::College}) {
        const Calculation result = calculate(row.texts, formula, {});
        ASSERT_TRUE(result.refusal);
        EXPECT_EQ(*result.refusal, row.refusal);
        EXPECT_TRUE(result.rating.empty());
    }
}

// clang-format off
const RefusalRow kRefusalRows[] = {
    {"AttemptsEmpty", {"", "", "", "", ""}, Refusal::AttemptsZero},
    {"AttemptsZero", {"0", "5", "", "", ""}, Refusal::AttemptsZero},
    {"AttemptsTooLarge", {"2147483648", "1", "", "", ""}, Refusal::AttemptsUnreadable},
    {"AttemptsText", {"abc", "1", "", "", ""}, Refusal::AttemptsUnreadable},
    {"CompletionsTooLarge", {"10", "99999999999", "", "", ""}, Refusal::CompletionsUnreadable},
    {"CompletionsExceedAttempts", {"10", "11", "", "", ""}, Refusal::CompletionsExceedAttempts},
    {"TouchdownsExceedCompletions", {"10", "5", "", "6", ""}, Refusal::TouchdownsExceedCompletions},
    {"CompletionsPlusInterceptions", {"10", "8", "", "", "3"}, Refusal::CompletionsPlusInterceptionsExceedAttempts},
    {"YardsWithoutCompletions", {"10", "0", "1", "", ""}, Refusal::YardsAboveCompletionsTimes99},
    {"NegativeYardsWithoutCompletions", {"10", "0", "-1", "", ""}, Refusal::YardsBelowCompletionsTimesMinus99},
    {"YardsLoneMinus", {"10", "5", "-", "", ""}, Refusal::YardsError},
    {"TouchdownsTooLarge", {"10", "5", "", "4000000000", ""}, Refusal::YardsError},
    {"InterceptionsText", {"10", "5", "", "", "x"}, Refusal::YardsError},
    {"NegativeAttempts", {"-5", "-10", "", "-10", ""}, Refusal::YardsAboveCompletionsTimes99},
    {"NegativeAttemptsZeroCompletions", {"-5", "", "", "", ""}, Refusal::CompletionsExceedAttempts},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, RefusalTest, testing::ValuesIn(kRefusalRows), RowName{});

constexpr std::int32_t kMax = 2147483647;

struct BoundaryRow {
    const char* name;
    PasserStats stats;
    bool refused;
};

class TestBoundaryTest : public testing::TestWithParam<BoundaryRow> {};

TEST_P(TestBoundaryTest, EdgeOfEachRule)
{
    EXPECT_EQ(engine::firstBrokenRule(GetParam().stats).has_value(), GetParam().refused);
}

// clang-format off
const BoundaryRow kBoundaryRows[] = {
    {"NinetyNinePerCompletion", {10, 1, 99, 0, 0}, false},
    {"MinusNinetyNinePerCompletion", {10, 1, -99, 0, 0}, false},
    {"CompletionsEqualAttempts", {10, 10, 0, 0, 0}, false},
    {"CompletionsPlusInterceptionsEqualAttempts", {10, 8, 0, 0, 2}, false},
    {"TouchdownsEqualCompletions", {10, 5, 0, 5, 0}, false},
    {"MaxTotalsProductAbove32Bits", {kMax, kMax, kMax, 0, 0}, false},
    {"SumAbove32BitsRefused", {kMax, kMax, 0, 0, kMax}, true},
    {"MinYards", {kMax, 21691755, -kMax - 1, 0, 0}, false},
    {"BelowMinusNinetyNineTimes", {kMax, 21691754, -kMax - 1, 0, 0}, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, TestBoundaryTest, testing::ValuesIn(kBoundaryRows), RowName{});

} // namespace
