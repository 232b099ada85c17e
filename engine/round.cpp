#include "engine/round.h"

#include "engine/fixed_text.h"
#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace engine {
namespace {

// The positional text of any double: up to 309 integer digits or 323 leading zeros.
using PositionalText = FixedText<400>;

std::optional<std::int16_t> checkedAdd(std::int16_t count, int addend)
{
    const int sum = count + addend;
    if (sum > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(sum);
}

// Adds one unit in the last place of a kept text such as "-12.94", digit by digit, so
// that the sum is the exact decimal one. A carry out of the leading digit moves the
// integer part one unit away from zero (9.99 gives 10, -0.9 gives -1).
double roundedUp(std::string_view kept)
{
    const bool negative = kept.front() == '-';
    if (negative) {
        kept.remove_prefix(1);
    }
    // Two spare places in front: one for a carried digit, one for the sign.
    std::array<char, 2 + PositionalText::capacity> text{};
    std::copy(kept.begin(), kept.end(), text.begin() + 2);
    std::size_t pos = 1 + kept.size();
    for (; pos >= 2; --pos) {
        char& digit = text[pos];
        if (digit == '.') {
            continue;
        }
        if (digit != '9') {
            ++digit;
            break;
        }
        digit = '0';
    }
    std::size_t first = 2;
    if (pos < 2) {
        text[--first] = '1';
    }
    if (negative) {
        text[--first] = '-';
    }
    return leadingNumber(std::string_view(text.data() + first, 2 + kept.size() - first));
}

} // namespace

Expected<double, RoundError> RoundAdv(double value, std::int16_t digits)
{
    if (value == 0.0) {
        return 0.0;
    }
    if (std::floor(value) == value || !std::isfinite(value)) {
        return value;
    }
    const SignificantDigits number = significantDigits(value);
    if (number.count <= number.exponent + 1) {
        return value; // 15 significant digits leave no fraction digit: no "." in the text
    }
    // Rounding always works on a "." text, so the rating does not depend on the locale.
    PositionalText text;
    writePositional(number, ".", text);
    const std::string_view view = text.view();
    const std::size_t point = view.find('.');
    const std::string_view fraction = view.substr(point);

    const auto keptLength = checkedAdd(digits, 1); // the point and the kept digits
    if (!keptLength) {
        return Unexpected{RoundError::CountOverflow};
    }
    if (digits < 0) {
        return Unexpected{RoundError::NegativeCount};
    }
    if (fraction.size() <= static_cast<std::size_t>(*keptLength)) {
        return leadingNumber(view);
    }
    const auto decidingPosition = checkedAdd(digits, 2); // 1-based; the point is 1
    if (!decidingPosition) {
        return Unexpected{RoundError::CountOverflow};
    }
    const char deciding = fraction[static_cast<std::size_t>(*decidingPosition) - 1];
    const std::string_view kept = view.substr(0, point + static_cast<std::size_t>(*keptLength));
    if (deciding < '5') {
        return leadingNumber(kept);
    }
    return roundedUp(kept);
}

} // namespace engine
