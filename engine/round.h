#pragma once

#include "engine/expected.h"

#include <cstdint>

namespace engine {

enum class RoundError {
    CountOverflow, // a count derived from the places left the signed 16-bit range
    NegativeCount, // fewer than zero places to keep
};

// Rounds a double to `digits` decimal places by working on its 15-significant-digit
// decimal text rather than on the stored double: the first dropped digit decides,
// 5 to 9 rounding up, and halves go away from zero (2.675 gives 2.68, -1.25 gives
// -1.3). The result is read back from a decimal text with no more fraction digits
// than places kept. Values below 1E-04 are rounded on their positional digits, so
// 0.00005 to four places gives 0.0001. Zero places round to a whole number.
// The counts derived from `digits` are 16-bit: 32767 places fail with CountOverflow
// for every value with a fraction to look at.
Expected<double, RoundError> RoundAdv(double value, std::int16_t digits);

} // namespace engine
