#include "engine/rating.h"

#include "engine/total.h"

#include <algorithm>
#include <utility>

namespace engine {
namespace {

constexpr double kComponentCap = 2.375;

// Below 0 becomes 0; then above 2.375 becomes 2.375.
double bounded(double value)
{
    return std::clamp(value, 0.0, kComponentCap);
}

// RoundAdv fails only for counts of places the rating never asks for (negative ones,
// 32767); it rounds to one, two and three.
double rounded(double value, std::int16_t places)
{
    return RoundAdv(value, places).value();
}

// Every professional component rounds its raw value to two places, scales it, and
// rounds the scaled value to three.
template <typename Scale> double twiceRounded(double raw, Scale scale)
{
    return rounded(scale(rounded(raw, 2)), 3);
}

} // namespace

std::string_view messageText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::AttemptsZero:
        return "Passes Attempted cannot be 0.";
    case Refusal::AttemptsUnreadable:
        return "The Pass Attempts field contains an error.";
    case Refusal::CompletionsUnreadable:
        return "The Pass Completions field contains an error.";
    case Refusal::CompletionsExceedAttempts:
        return "Completions cannot exceed Attempts.";
    case Refusal::TouchdownsExceedCompletions:
        return "Touchdowns cannot exceed Completions.";
    case Refusal::CompletionsPlusInterceptionsExceedAttempts:
        return "Completions + Interceptions cannot exceed Attempts.";
    case Refusal::YardsAboveCompletionsTimes99:
        return "Yards cannot exceed Completions times 99.";
    case Refusal::YardsBelowCompletionsTimesMinus99:
        return "Yards cannot be less than Completions times -99.";
    case Refusal::YardsError:
        break;
    }
    return "The Yards field contains an error.";
}

std::optional<Refusal> firstBrokenRule(const PasserStats& stats)
{
    // Sums and products in 32 bits: full-season totals overflow 16 (99 x 331 > 32767).
    const std::int32_t attempts = stats.attempts;
    const std::int32_t completions = stats.completions;
    if (completions > attempts) {
        return Refusal::CompletionsExceedAttempts;
    }
    if (stats.touchdowns > completions) {
        return Refusal::TouchdownsExceedCompletions;
    }
    if (completions + stats.interceptions > attempts) {
        return Refusal::CompletionsPlusInterceptionsExceedAttempts;
    }
    if (stats.yards > completions * 99) {
        return Refusal::YardsAboveCompletionsTimes99;
    }
    if (stats.yards < completions * -99) {
        return Refusal::YardsBelowCompletionsTimesMinus99;
    }
    return std::nullopt;
}

ProfessionalComponents professionalComponents(const PasserStats& stats)
{
    // Each step is one double operation in the order written: the quotient first, then
    // the product with 100; 30 is subtracted before the product with 0.05.
    const double attempts = stats.attempts;
    ProfessionalComponents components;
    components.completion =
        bounded(twiceRounded(stats.completions / attempts * 100, [](double value) { return (value - 30) * 0.05; }));
    components.yards = bounded(twiceRounded(stats.yards / attempts - 3, [](double value) { return value * 0.25; }));
    components.touchdown =
        bounded(twiceRounded(stats.touchdowns / attempts * 100, [](double value) { return value * 0.2; }));
    // No upper bound here: negative interceptions can lift it above 2.375.
    components.interception = std::max(0.0, kComponentCap - twiceRounded(stats.interceptions / attempts * 100,
                                                                         [](double value) { return value * 0.25; }));
    return components;
}

double professionalRating(const PasserStats& stats)
{
    const ProfessionalComponents c = professionalComponents(stats);
    return rounded((((c.completion + c.yards) + c.touchdown) + c.interception) / 6 * 100, 1);
}

double collegeRating(const PasserStats& stats)
{
    // The products in 32 bits, for the same reason as the tests.
    const std::int32_t touchdownPoints = 330 * std::int32_t{stats.touchdowns};
    const std::int32_t interceptionPoints = 200 * std::int32_t{stats.interceptions};
    const std::int32_t completionPoints = 100 * std::int32_t{stats.completions};
    double sum = stats.yards * 8.4;
    sum += touchdownPoints;
    sum -= interceptionPoints;
    sum += completionPoints;
    return sum / stats.attempts;
}

Calculation calculate(const FieldTexts& texts, Formula formula, std::string_view decimalSeparator)
{
    Calculation result;
    const auto read = [&](Field field) -> Expected<std::int16_t, TotalError> {
        const auto index = static_cast<std::size_t>(field);
        if (texts[index].empty()) {
            result.readAsZero[index] = true;
            return std::int16_t{0};
        }
        return parseTotal(texts[index], decimalSeparator);
    };
    const auto refuse = [&](Refusal refusal) {
        result.refusal = refusal;
        return result;
    };

    PasserStats stats;
    const auto attempts = read(Field::Attempts);
    if (!attempts) {
        return refuse(Refusal::AttemptsUnreadable);
    }
    if (attempts.value() == 0) {
        return refuse(Refusal::AttemptsZero);
    }
    stats.attempts = attempts.value();
    const auto completions = read(Field::Completions);
    if (!completions) {
        return refuse(Refusal::CompletionsUnreadable);
    }
    stats.completions = completions.value();

    // From here on every failure is reported as the yards field's.
    for (const auto& [field, total] :
         {std::pair{Field::Yards, &stats.yards}, std::pair{Field::Touchdowns, &stats.touchdowns},
          std::pair{Field::Interceptions, &stats.interceptions}}) {
        const auto value = read(field);
        if (!value) {
            return refuse(Refusal::YardsError);
        }
        *total = value.value();
    }
    if (const auto broken = firstBrokenRule(stats)) {
        return refuse(*broken);
    }

    const double rating = formula == Formula::Professional ? professionalRating(stats) : collegeRating(stats);
    result.rating = numberText(rating, decimalSeparator);
    return result;
}

} // namespace engine
