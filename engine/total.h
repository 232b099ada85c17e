#pragma once

#include "engine/expected.h"

#include <cstdint>
#include <string_view>

namespace engine {

enum class TotalError {
    NotANumber, // includes a text the locale cannot read as one number
    OutOfRange, // outside the 32-bit range after rounding
};

// How the user's locale writes a number: its decimal separator and the one that groups
// thousands. An empty separator is one the locale does not use ("." is a point then).
struct Separators {
    std::string_view decimal;
    std::string_view group;
};

// Reads a passer's total from a field's text: optional surrounding spaces, an optional
// sign, digits, and at most one decimal point with digits. The point is the locale's
// separator, or "." unless the locale groups thousands with ".". The whole part may be
// grouped as the locale groups it: one to three digits, then groups of exactly three
// ("4.643" under German, "4,643" under English, both 4643); any other use of the group
// separator ("12.5" under German) is no number, never a guess. A fraction rounds to the
// nearest whole number, an exact half to the even neighbour, decided on the decimal
// digits themselves: "12.5" gives 12, "13.5" gives 14, "2.5000001" gives 3.
Expected<std::int32_t, TotalError> parseTotal(std::string_view text, Separators separators);

} // namespace engine
