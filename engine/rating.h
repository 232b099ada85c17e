#pragma once

// The Calculate operation without a window: five field texts and a formula in, the
// text to show (or the message of the first rule the totals break) out, together with
// the empty fields that were read and so now read "0".
//
//   texts --parseTotal--> PasserStats --firstBrokenRule--> Refusal
//                                     --professionalWork / collegeWork--> Work
//                                     --numberText--> rating text

#include "engine/expected.h"
#include "engine/number_text.h"
#include "engine/round.h"
#include "engine/total.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

namespace engine {

enum class Formula { Professional, College };

// The entry fields in the order Calculate reads them.
enum class Field : std::size_t { Attempts, Completions, Yards, Touchdowns, Interceptions };
inline constexpr std::size_t kFieldCount = 5;

using FieldTexts = std::array<std::string_view, kFieldCount>; // indexed by Field

// Career totals fit: 32 bits, and every sum and product of them is formed in 64.
struct PasserStats {
    std::int32_t attempts = 0;
    std::int32_t completions = 0;
    std::int32_t yards = 0;
    std::int32_t touchdowns = 0;
    std::int32_t interceptions = 0;
};

// Why a calculation ends without a rating; each has one message for the user.
enum class Refusal {
    AttemptsZero,
    AttemptsUnreadable,
    CompletionsUnreadable,
    CompletionsExceedAttempts,
    TouchdownsExceedCompletions,
    CompletionsPlusInterceptionsExceedAttempts,
    YardsAboveCompletionsTimes99,
    YardsBelowCompletionsTimesMinus99,
    YardsError, // every failure after completions were read, whatever the field
};

std::string_view messageText(Refusal refusal);

// Why a field's text that is no total is refused: attempts and completions name their
// own field, the three read after them the yards field.
Refusal unreadableRefusal(Field field);

// The formulas' constants. The page's table of the work writes its step texts from these.
namespace professional {
inline constexpr double kCompletionBase = 30;     // completions per 100 attempts, less this
inline constexpr double kCompletionFactor = 0.05; // then times this
inline constexpr double kYardsBase = 3;           // yards per attempt, less this
inline constexpr double kYardsFactor = 0.25;
inline constexpr double kTouchdownFactor = 0.2;     // times touchdowns per 100 attempts
inline constexpr double kInterceptionFactor = 0.25; // times interceptions per 100 attempts,
inline constexpr double kComponentCap = 2.375;      // taken from this, each component's bound
inline constexpr double kComponentCount = 6;        // the sum over this, times 100
} // namespace professional
namespace college {
inline constexpr double kYardPoints = 8.4;
inline constexpr std::int64_t kTouchdownPoints = 330;
inline constexpr std::int64_t kInterceptionPoints = 200; // taken away
inline constexpr std::int64_t kCompletionPoints = 100;
} // namespace college

// The professional formula's four steps, in this order.
enum class Step : std::size_t { Completion, Yards, Touchdown, Interception };
inline constexpr std::size_t kStepCount = 4;

// How a professional rating is found: each step's rate rounded to two places
// (completions, touchdowns and interceptions per 100 attempts; yards per attempt less 3),
// its component bounded and rounded to three, their sum, and the rating: the sum over 6
// times 100, rounded to one.
struct ProfessionalWork {
    std::array<double, kStepCount> rates{};      // indexed by Step
    std::array<double, kStepCount> components{}; // indexed by Step
    double sum = 0;
    double rating = 0;
};

// How a college rating is found: points for the yards (8.4 each), touchdowns (330),
// interceptions (200, taken away) and completions (100), summed in that order and
// divided by the attempts.
struct CollegeWork {
    double yardPoints = 0;
    double touchdownPoints = 0;
    double interceptionPoints = 0;
    double completionPoints = 0;
    double rating = 0;
};

// How the rating was found, by the formula that found it.
using Work = std::variant<ProfessionalWork, CollegeWork>;

struct Calculation {
    std::optional<Refusal> refusal; // when set, there is no rating
    NumberText rating;
    PasserStats stats;                          // the totals as read; all five only with a rating
    std::array<bool, kFieldCount> readAsZero{}; // empty fields that were read
    Work work;                                  // only with a rating
};

// The tests in their fixed order; the first that holds.
std::optional<Refusal> firstBrokenRule(const PasserStats& stats);

// Attempts must not be zero for these; Calculate sees to that.
ProfessionalWork professionalWork(const PasserStats& stats);
CollegeWork collegeWork(const PasserStats& stats);

Calculation calculate(const FieldTexts& texts, Formula formula, const NumberFormat& format);

} // namespace engine
