#pragma once

#include "engine/expected.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

enum class TotalError {
    NotANumber, // includes a text the locale cannot read as one number
    OutOfRange, // outside the 32-bit range after rounding
};

// How the user's locale writes numbers, as its platform reports it. An empty separator is
// one the locale does not use ("." is a point then).
struct NumberFormat {
    std::string_view decimal;     // "," in German
    std::string_view group;       // "." in German, U+202F in French
    std::string_view minus = "-"; // U+2212 in Swedish; "-" is read as a minus everywhere
    std::string_view zero = "0";  // the locale's own digit zero; its nine successors follow it
    unsigned groupSize = 3;       // the digits of the group before the decimal separator
    unsigned outerGroupSize = 3;  // of each group before that: 2 in India ("2,00,000")
};

// A NumberFormat that owns its texts, as a front end reads it from its platform.
struct LocaleNumbers {
    std::string decimal;
    std::string group;
    std::string minus = "-";
    std::string zero = "0";
    unsigned groupSize = 3;
    unsigned outerGroupSize = 3;

    [[nodiscard]] NumberFormat format() const
    {
        return {.decimal = decimal,
                .group = group,
                .minus = minus,
                .zero = zero,
                .groupSize = groupSize,
                .outerGroupSize = outerGroupSize};
    }
};

// Reads a passer's total from a field's text: optional surrounding white space (space,
// tab, no-break and narrow no-break space), an optional sign ("+", "-" or the locale's
// minus), digits (ASCII or the locale's own), and at most one decimal separator with
// digits; the invisible direction marks that right-to-left locales write are passed over.
// The whole part may be grouped as the locale groups it; a locale that groups with a space
// takes any of the three spaces there. A grouped number's first group does not start
// with 0.
//
// The decimal separator is the locale's. A "." that is not one of the locale's separators
// reads as a point too, unless exactly three digits follow it: "4.643" under French could
// be either, so it is no number. Anything else that does not fit ("12.5" under German, a
// group of four) is no number either: never a guess. A fraction rounds to the nearest
// whole number, an exact half to the even neighbour, decided on the decimal digits
// themselves: "12.5" gives 12, "13.5" gives 14, "2.5000001" gives 3.
Expected<std::int32_t, TotalError> parseTotal(std::string_view text, const NumberFormat& format);

} // namespace engine
