#include "engine/total.h"

#include "engine/number_text.h"

#include <algorithm>
#include <limits>

namespace engine {
namespace {

// Beyond five digits (leading zeros aside) a whole part is out of range in any case.
constexpr std::size_t kMaxWholeDigits = 5;

bool allDigits(std::string_view text)
{
    return std::ranges::all_of(text, isDigit);
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Whether the fraction digits move a whole part of `magnitude` up by one.
bool roundsUp(int magnitude, std::string_view fraction)
{
    if (fraction.empty() || fraction.front() < '5') {
        return false;
    }
    if (fraction.front() > '5' || fraction.find_first_not_of('0', 1) != std::string_view::npos) {
        return true;
    }
    return magnitude % 2 == 1; // an exact half goes to the even neighbour
}

} // namespace

Expected<std::int16_t, TotalError> parseTotal(std::string_view text, std::string_view decimalSeparator)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t wholeLength = 0;
    while (wholeLength < text.size() && isDigit(text[wholeLength])) {
        ++wholeLength;
    }
    std::string_view whole = text.substr(0, wholeLength);
    std::string_view fraction = text.substr(wholeLength);
    if (!fraction.empty()) {
        if (fraction.front() == '.') {
            fraction.remove_prefix(1);
        } else if (!decimalSeparator.empty() && fraction.starts_with(decimalSeparator)) {
            fraction.remove_prefix(decimalSeparator.size());
        } else {
            return Unexpected{TotalError::NotANumber};
        }
        if (!allDigits(fraction)) {
            return Unexpected{TotalError::NotANumber};
        }
    }
    if (whole.empty() && fraction.empty()) {
        return Unexpected{TotalError::NotANumber};
    }

    const auto firstSignificant = whole.find_first_not_of('0');
    whole = firstSignificant == std::string_view::npos ? std::string_view{} : whole.substr(firstSignificant);
    if (whole.size() > kMaxWholeDigits) {
        return Unexpected{TotalError::OutOfRange};
    }
    int magnitude = 0;
    for (const char c : whole) {
        magnitude = magnitude * 10 + (c - '0');
    }
    if (roundsUp(magnitude, fraction)) {
        ++magnitude;
    }
    const int value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max()) {
        return Unexpected{TotalError::OutOfRange};
    }
    return static_cast<std::int16_t>(value);
}

} // namespace engine
