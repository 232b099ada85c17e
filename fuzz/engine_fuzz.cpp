// Arbitrary bytes as the five field texts and the formula. Every outcome must be a
// rating text or one of the engine's messages; for totals that pass the tests and are
// not negative, the professional rating lies in 0 ... 158.3 and agrees with its text.

#include "engine/rating.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const auto formula = (data[0] & 1) != 0 ? engine::Formula::College : engine::Formula::Professional;
    // Locales that differ in every part the reading rule uses.
    static constexpr std::array<engine::NumberFormat, 6> kFormats{{
        {.decimal = ".", .group = ","},
        {.decimal = ",", .group = "."},
        {.decimal = ",", .group = "\u202F"},
        {.decimal = ",", .group = "\u00A0", .minus = "\u2212"},
        {.decimal = ".", .group = ",", .outerGroupSize = 2},
        {.decimal = "\u066B", .group = "\u066C", .minus = "\u2212", .zero = "\u06F0"},
    }};
    const engine::NumberFormat& format = kFormats[(data[0] >> 1U) % kFormats.size()];
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);

    // The texts are separated by newlines; missing ones are empty.
    engine::FieldTexts texts{};
    for (auto& text : texts) {
        const auto end = rest.find('\n');
        text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }

    const engine::Calculation result = engine::calculate(texts, formula, format);
    if (result.refusal) {
        require(result.rating.empty());
        require(!engine::messageText(*result.refusal).empty());
        return 0;
    }
    require(!result.rating.empty());

    const engine::PasserStats& stats = result.stats;
    require(!engine::firstBrokenRule(stats));
    if (formula == engine::Formula::Professional && stats.touchdowns >= 0 && stats.interceptions >= 0 &&
        stats.yards >= 0) {
        const double rating = std::get<engine::ProfessionalWork>(result.work).rating;
        require(rating >= 0 && rating <= 158.3);
        require(engine::numberText(rating, format.decimal).view() == result.rating.view());
        // A value whose 15-digit text has no fraction left is kept as it is (0.99999999999999989
        // shows as 1), so the text agrees with the value to far below the shown place.
        const double shown = engine::leadingNumber(engine::numberText(rating).view());
        require(std::abs(shown - rating) < 1e-9);
    }
    return 0;
}
