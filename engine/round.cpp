#include "engine/round.h"

#include "engine/fixed_text.h"
#include "engine/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace engine {
namespace {

std::optional<std::int16_t> checkedAdd(std::int16_t count, int addend)
{
    const int sum = count + addend;
    if (sum > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(sum);
}

// Powers of ten that a double holds exactly.
constexpr std::array<double, 23> kExactPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Reads back the decimal text made of the first `keptDigits` significant digits of
// `number`, plus `increment` units in its last place, with `fractionDigits` digits after
// the point: the double nearest to +-(M + increment) / 10^fractionDigits. With at most
// 15 digits M is exact, and so is a power of ten up to 10^22; one division of exact
// operands is then correctly rounded, which is what reading the text gives.
double readBack(const SignificantDigits& number, int keptDigits, int fractionDigits, int increment)
{
    std::uint64_t mantissa = 0;
    for (int i = 0; i < keptDigits; ++i) {
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(number.digits[static_cast<std::size_t>(i)] - '0');
    }
    mantissa += static_cast<std::uint64_t>(increment);

    double magnitude = 0;
    if (fractionDigits < static_cast<int>(kExactPowersOfTen.size())) {
        magnitude = static_cast<double>(mantissa) / kExactPowersOfTen[static_cast<std::size_t>(fractionDigits)];
    } else {
        FixedText<32> text; // "M" and "E-k"
        std::array<char, 24> digits{};
        auto written = std::to_chars(digits.data(), digits.data() + digits.size(), mantissa);
        text.append(std::string_view(digits.data(), written.ptr));
        text.append("E-");
        written = std::to_chars(digits.data(), digits.data() + digits.size(), fractionDigits);
        text.append(std::string_view(digits.data(), written.ptr));
        magnitude = leadingNumber(text.view());
    }
    return number.negative ? -magnitude : magnitude;
}

} // namespace

// The number text is not written out: its digits are the 15 significant digits, and where
// they stand follows from the exponent. Written positionally, the text has
// count - exponent - 1 digits after the point, and the significant digits before the
// first dropped one are the exponent + 1 + digits first ones.
Expected<double, RoundError> RoundAdv(double value, std::int16_t digits)
{
    if (value == 0.0) {
        return 0.0;
    }
    if (std::floor(value) == value || !std::isfinite(value)) {
        return value;
    }
    const SignificantDigits number = significantDigits(value);
    const int fractionDigits = number.count - number.exponent - 1;
    if (fractionDigits <= 0) {
        return value; // 15 significant digits leave no fraction digit: no "." in the text
    }

    if (!checkedAdd(digits, 1)) { // the point and the kept digits
        return Unexpected{RoundError::CountOverflow};
    }
    if (digits < 0) {
        return Unexpected{RoundError::NegativeCount};
    }
    if (fractionDigits <= digits) {
        return readBack(number, number.count, fractionDigits, 0);
    }
    if (!checkedAdd(digits, 2)) { // the position of the first dropped digit
        return Unexpected{RoundError::CountOverflow};
    }
    const int keptDigits = number.exponent + 1 + digits;
    if (keptDigits < 0) {
        return readBack(number, 0, digits, 0); // the first dropped digit is a leading 0
    }
    // 5 to 9 round up, 0 to 4 down; on the magnitude, so halves go away from zero. A
    // round-up that carries (9.996 to 10.00) is the same one added to the integer.
    const bool up = number.digits[static_cast<std::size_t>(keptDigits)] >= '5';
    return readBack(number, keptDigits, digits, up ? 1 : 0);
}

} // namespace engine
