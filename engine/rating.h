#pragma once

// The Calculate operation without a window: five field texts and a formula in, the
// text to show (or the message of the first rule the totals break) out, together with
// the empty fields that were read and so now read "0".
//
//   texts --parseTotal--> PasserStats --firstBrokenRule--> Refusal
//                                     --professionalRating / collegeRating--> double
//                                     --numberText--> rating text

#include "engine/expected.h"
#include "engine/number_text.h"
#include "engine/round.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace engine {

enum class Formula { Professional, College };

// The entry fields in the order Calculate reads them.
enum class Field : std::size_t { Attempts, Completions, Yards, Touchdowns, Interceptions };
inline constexpr std::size_t kFieldCount = 5;

using FieldTexts = std::array<std::string_view, kFieldCount>; // indexed by Field

struct PasserStats {
    std::int16_t attempts = 0;
    std::int16_t completions = 0;
    std::int16_t yards = 0;
    std::int16_t touchdowns = 0;
    std::int16_t interceptions = 0;
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

struct ProfessionalComponents {
    double completion = 0;
    double yards = 0;
    double touchdown = 0;
    double interception = 0;
};

struct Calculation {
    std::optional<Refusal> refusal; // when set, there is no rating
    NumberText rating;
    std::array<bool, kFieldCount> readAsZero{}; // empty fields that were read
};

// The tests in their fixed order; the first that holds.
std::optional<Refusal> firstBrokenRule(const PasserStats& stats);

// Attempts must not be zero for the three below; Calculate sees to that.
ProfessionalComponents professionalComponents(const PasserStats& stats);
double professionalRating(const PasserStats& stats);
double collegeRating(const PasserStats& stats);

Calculation calculate(const FieldTexts& texts, Formula formula, std::string_view decimalSeparator);

} // namespace engine
