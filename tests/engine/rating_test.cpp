#include "engine/rating.h"

#include "row_name.h"

#include <gtest/gtest.h>

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
    const Calculation professional = calculate(row.texts, Formula::Professional, ".");
    ASSERT_FALSE(professional.refusal);
    EXPECT_EQ(professional.rating.view(), row.professional);
    const Calculation college = calculate(row.texts, Formula::College, ".");
    ASSERT_FALSE(college.refusal);
    EXPECT_EQ(college.rating.view(), row.college);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WorkedExampleTest,
    testing::Values(
        LineRow{"Perfect", {"20", "20", "400", "5", "0"}, "158.3", "350.5"},
        LineRow{"WholeNumberRating", {"34", "21", "285", "1", "1"}, "86", "136"},
        LineRow{"InterceptionRaisedToZero", {"20", "14", "210", "2", "2"}, "97.9", "171.2"},
        LineRow{"FifteenDigitCollege", {"28", "16", "210", "2", "2"}, "75", "129.428571428571"},
        LineRow{"AttemptsOnly", {"10", "", "", "", ""}, "39.6", "0"},
        LineRow{"NegativeYards", {"2", "1", "-99", "0", "1"}, "16.7", "-465.8"},
        // Full seasons: 16-bit products of completions would refuse these.
        LineRow{"FullSeason", {"502", "343", "4643", "45", "6"}, "122.5", "173.209561752988"},
        LineRow{"CompletionsAtSixteenBitLimit", {"400", "331", "3300", "20", "10"}, "107.3", "163.55"},
        LineRow{"CollegeProductsAbove16Bits", {"32000", "32000", "32767", "32000", "0"}, "118.8", "438.6013375"},
        LineRow{"FractionalYardsHalfToEven", {"10", "5", "12.5", "0", "0"}, "56.3", "60.08"},
        // Pasted negative interceptions lift their component above 2.375: it has no cap.
        LineRow{"InterceptionComponentUncapped", {"10", "5", "50", "0", "-1"}, "106.3", "112"}),
    RowName{});

TEST(ProfessionalComponents, MatchWorkedExample)
{
    const auto components = engine::professionalComponents(PasserStats{34, 21, 285, 1, 1});
    EXPECT_EQ(components.completion, 1.588);
    EXPECT_EQ(components.yards, 1.345);
    EXPECT_EQ(components.touchdown, 0.588);
    // 2.375 - 0.735, not rounded again
    EXPECT_DOUBLE_EQ(components.interception, 1.64);
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
        const Calculation result = calculate(row.texts, formula, ".");
        ASSERT_TRUE(result.refusal);
        EXPECT_EQ(*result.refusal, row.refusal);
        EXPECT_TRUE(result.rating.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RefusalTest,
    testing::Values(
        RefusalRow{"AttemptsEmpty", {"", "", "", "", ""}, Refusal::AttemptsZero},
        RefusalRow{"AttemptsZero", {"0", "5", "", "", ""}, Refusal::AttemptsZero},
        RefusalRow{"AttemptsDoubleZero", {"00", "", "", "", ""}, Refusal::AttemptsZero},
        RefusalRow{"AttemptsTooLarge", {"32768", "1", "", "", ""}, Refusal::AttemptsUnreadable},
        RefusalRow{"AttemptsText", {"abc", "1", "", "", ""}, Refusal::AttemptsUnreadable},
        RefusalRow{"CompletionsTooLarge", {"10", "99999", "", "", ""}, Refusal::CompletionsUnreadable},
        RefusalRow{"CompletionsExceedAttempts", {"10", "11", "", "", ""}, Refusal::CompletionsExceedAttempts},
        RefusalRow{"TouchdownsExceedCompletions", {"10", "5", "", "6", ""}, Refusal::TouchdownsExceedCompletions},
        RefusalRow{"CompletionsPlusInterceptions",
                   {"10", "8", "", "", "3"},
                   Refusal::CompletionsPlusInterceptionsExceedAttempts},
        RefusalRow{"YardsWithoutCompletions", {"10", "0", "1", "", ""}, Refusal::YardsAboveCompletionsTimes99},
        RefusalRow{
            "NegativeYardsWithoutCompletions", {"10", "0", "-1", "", ""}, Refusal::YardsBelowCompletionsTimesMinus99},
        RefusalRow{"YardsAbove99PerCompletion", {"10", "1", "100", "", ""}, Refusal::YardsAboveCompletionsTimes99},
        RefusalRow{
            "YardsBelowMinus99PerCompletion", {"10", "1", "-100", "", ""}, Refusal::YardsBelowCompletionsTimesMinus99},
        RefusalRow{"YardsLoneMinus", {"10", "5", "-", "", ""}, Refusal::YardsError},
        RefusalRow{"YardsLonePoint", {"10", "5", ".", "", ""}, Refusal::YardsError},
        RefusalRow{"TouchdownsTooLarge", {"10", "5", "", "40000", ""}, Refusal::YardsError},
        RefusalRow{"InterceptionsText", {"10", "5", "", "", "x"}, Refusal::YardsError},
        RefusalRow{"NegativeAttempts", {"-5", "-10", "", "-10", ""}, Refusal::YardsAboveCompletionsTimes99},
        RefusalRow{"NegativeAttemptsZeroCompletions", {"-5", "", "", "", ""}, Refusal::CompletionsExceedAttempts}),
    RowName{});

TEST(Calculate, EmptyFieldsReadBeforeAFailureAreReported)
{
    const Calculation result = calculate({"10", "", "x", "", ""}, Formula::Professional, ".");
    ASSERT_EQ(result.refusal, Refusal::YardsError);
    EXPECT_TRUE(result.readAsZero[static_cast<std::size_t>(Field::Completions)]);
    EXPECT_FALSE(result.readAsZero[static_cast<std::size_t>(Field::Touchdowns)]);
    EXPECT_FALSE(result.readAsZero[static_cast<std::size_t>(Field::Interceptions)]);
}

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

INSTANTIATE_TEST_SUITE_P(Rows, TestBoundaryTest,
                         testing::Values(BoundaryRow{"NinetyNinePerCompletion", {10, 1, 99, 0, 0}, false},
                                         BoundaryRow{"MinusNinetyNinePerCompletion", {10, 1, -99, 0, 0}, false},
                                         BoundaryRow{"CompletionsEqualAttempts", {10, 10, 0, 0, 0}, false},
                                         BoundaryRow{
                                             "CompletionsPlusInterceptionsEqualAttempts", {10, 8, 0, 0, 2}, false},
                                         BoundaryRow{"TouchdownsEqualCompletions", {10, 5, 0, 5, 0}, false},
                                         BoundaryRow{"MaxTotalsSumAbove16Bits", {32767, 32767, 32767, 0, 0}, false},
                                         BoundaryRow{"SumAbove16BitsRefused", {32767, 32767, 0, 0, 32767}, true},
                                         BoundaryRow{"MinYards", {32767, 331, -32768, 0, 0}, false}),
                         RowName{});

TEST(Messages, AreTheCalculatorsOwnTexts)
{
    EXPECT_EQ(engine::messageText(Refusal::AttemptsZero), "Passes Attempted cannot be 0.");
    EXPECT_EQ(engine::messageText(Refusal::YardsBelowCompletionsTimesMinus99),
              "Yards cannot be less than Completions times -99.");
    EXPECT_EQ(engine::messageText(Refusal::YardsError), "The Yards field contains an error.");
    EXPECT_EQ(engine::messageText(Refusal::AttemptsUnreadable), "The Pass Attempts field contains an error.");
    EXPECT_EQ(engine::messageText(Refusal::CompletionsUnreadable), "The Pass Completions field contains an error.");
}

} // namespace
