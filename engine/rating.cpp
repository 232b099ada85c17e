#include "engine/rating.h"

#include "engine/total.h"

#include <algorithm>
#include <array>
#include <utility>

namespace engine {
namespace {

// Below 0 becomes 0; then above 2.375 becomes 2.375.
double bounded(double value)
{
    return std::clamp(value, 0.0, professional::kComponentCap);
}

// RoundAdv fails only for counts of places the rating never asks for (negative ones,
// 32767); it rounds to one, two and three.
double rounded(double value, std::int16_t places)
{
    return RoundAdv(value, places).value();
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

Refusal unreadableRefusal(Field field)
{
    switch (field) {
    case Field::Attempts:
        return Refusal::AttemptsUnreadable;
    case Field::Completions:
        return Refusal::CompletionsUnreadable;
    default:
        return Refusal::YardsError;
    }
}

std::optional<Refusal> firstBrokenRule(const PasserStats& stats)
{
    // Sums and products in 64 bits: career totals overflow 32 (99 x 21,691,754 > 2^31).
    const std::int64_t attempts = stats.attempts;
    const std::int64_t completions = stats.completions;
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

ProfessionalWork professionalWork(const PasserStats& stats)
{
    // Each step is one double operation in the order written: the quotient first, then
    // the product with 100; 30 is subtracted before the product with 0.05.
    const double attempts = stats.attempts;
    const std::array<double, kStepCount> raw{stats.completions / attempts * 100,
                                             stats.yards / attempts - professional::kYardsBase,
                                             stats.touchdowns / attempts * 100, stats.interceptions / attempts * 100};
    ProfessionalWork work;
    std::ranges::transform(raw, work.rates.begin(), [](double value) { return rounded(value, 2); });
    const auto rate = [&work](Step step) { return work.rates[static_cast<std::size_t>(step)]; };
    work.components = {
        bounded(rounded((rate(Step::Completion) - professional::kCompletionBase) * professional::kCompletionFactor, 3)),
        bounded(rounded(rate(Step::Yards) * professional::kYardsFactor, 3)),
        bounded(rounded(rate(Step::Touchdown) * professional::kTouchdownFactor, 3)),
        // No upper bound here: negative interceptions can lift it above 2.375.
        std::max(0.0, professional::kComponentCap -
                          rounded(rate(Step::Interception) * professional::kInterceptionFactor, 3)),
    };
    const auto& c = work.components;
    work.sum = ((c[0] + c[1]) + c[2]) + c[3];
    work.rating = rounded(work.sum / professional::kComponentCount * 100, 1);
    return work;
}

CollegeWork collegeWork(const PasserStats& stats)
{
    // The products in 64 bits, for the same reason as the tests.
    CollegeWork work;
    work.yardPoints = stats.yards * college::kYardPoints;
    work.touchdownPoints = static_cast<double>(college::kTouchdownPoints * stats.touchdowns);
    work.interceptionPoints = static_cast<double>(college::kInterceptionPoints * stats.interceptions);
    work.completionPoints = static_cast<double>(college::kCompletionPoints * stats.completions);
    work.rating =
        (((work.yardPoints + work.touchdownPoints) - work.interceptionPoints) + work.completionPoints) / stats.attempts;
    return work;
}

Calculation calculate(const FieldTexts& texts, Formula formula, const NumberFormat& format)
{
    Calculation result;
    const auto read = [&](Field field) -> Expected<std::int32_t, TotalError> {
        const auto index = static_cast<std::size_t>(field);
        if (texts[index].empty()) {
            result.readAsZero[index] = true;
            return std::int32_t{0};
        }
        return parseTotal(texts[index], format);
    };
    const auto refuse = [&](Refusal refusal) {
        result.refusal = refusal;
        return result;
    };

    PasserStats& stats = result.stats;
    const auto attempts = read(Field::Attempts);
    if (!attempts) {
        return refuse(unreadableRefusal(Field::Attempts));
    }
    if (attempts.value() == 0) {
        return refuse(Refusal::AttemptsZero);
    }
    stats.attempts = attempts.value();
    const auto completions = read(Field::Completions);
    if (!completions) {
        return refuse(unreadableRefusal(Field::Completions));
    }
    stats.completions = completions.value();

    for (const auto& [field, total] :
         {std::pair{Field::Yards, &stats.yards}, std::pair{Field::Touchdowns, &stats.touchdowns},
          std::pair{Field::Interceptions, &stats.interceptions}}) {
        const auto value = read(field);
        if (!value) {
            return refuse(unreadableRefusal(field));
        }
        *total = value.value();
    }
    if (const auto broken = firstBrokenRule(stats)) {
        return refuse(*broken);
    }

    if (formula == Formula::Professional) {
        result.work = professionalWork(stats);
    } else {
        result.work = collegeWork(stats);
    }
    result.rating = numberText(std::visit([](const auto& work) { return work.rating; }, result.work), format.decimal);
    return result;
}

} // namespace engine
