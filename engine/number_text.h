#pragma once

// Number texts: how the calculator writes a double (15 significant digits, the
// general format of printf's %G) and reads the leading number of a text back.
// Both are independent of the process locale; the decimal separator of a written
// text is a parameter, and a read text always uses ".".

#include "engine/fixed_text.h"

#include <array>
#include <string_view>

namespace engine {

inline constexpr int kSignificantDigits = 15;

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A double rounded to 15 significant digits: digits[0..count) with trailing zeros
// removed, the first digit standing for 10^exponent. Zero is the single digit 0.
struct SignificantDigits {
    bool negative = false;
    std::array<char, kSignificantDigits> digits{};
    int count = 0;
    int exponent = 0;
};

// Only for finite values.
SignificantDigits significantDigits(double value);

// Sign, 15 digits, a separator of up to 8 bytes and "E-324" fit with room to spare.
using NumberText = FixedText<48>;

// The number text of a double: positional for decimal exponents -4 to 14, exponent
// form (1.5E-05, 1E+15) otherwise; no trailing zeros, no bare separator, negative
// zero written as 0. A separator that is empty or longer than 8 bytes is taken as ".".
NumberText numberText(double value, std::string_view decimalSeparator = ".");

// The number at the start of a text: optional sign, digits, optionally "." and digits,
// and an exponent part (E, optional sign, digits). Reading stops at the first character
// that does not fit; a text without digits reads as 0.
double leadingNumber(std::string_view text);

} // namespace engine
