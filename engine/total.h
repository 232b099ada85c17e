#pragma once

#include "engine/expected.h"

#include <cstdint>
#include <string_view>

namespace engine {

enum class TotalError {
    NotANumber,
    OutOfRange, // outside -32768 ... 32767 after rounding
};

// Reads a passer's total from a field's text: optional surrounding spaces, an optional
// sign, digits, and at most one decimal point with digits. The point is "." or the
// user's own separator; thousands separators are not accepted. A fraction rounds to
// the nearest whole number, an exact half to the even neighbour, decided on the
// decimal digits themselves: "12.5" gives 12, "13.5" gives 14, "2.5000001" gives 3.
Expected<std::int16_t, TotalError> parseTotal(std::string_view text, std::string_view decimalSeparator);

} // namespace engine
