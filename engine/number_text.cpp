#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace engine {
namespace {

constexpr std::size_t kMaxSeparatorBytes = 8;

} // namespace

SignificantDigits significantDigits(double value)
{
    SignificantDigits number;
    if (value == 0.0) {
        number.digits[0] = '0';
        number.count = 1;
        return number;
    }
    // Scientific form with 14 digits after the point: d.ddddddddddddddde±XX, rounded
    // exactly as printf rounds.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const char* cursor = buffer.data();
    if (*cursor == '-') {
        number.negative = true;
        ++cursor;
    }
    number.digits[0] = *cursor;
    cursor += 2; // the digit and the point
    for (std::size_t i = 1; i < number.digits.size(); ++i) {
        number.digits[i] = *cursor++;
    }
    ++cursor; // 'e'
    if (*cursor == '+') {
        ++cursor;
    }
    std::from_chars(cursor, written.ptr, number.exponent);
    number.count = kSignificantDigits;
    while (number.count > 1 && number.digits[static_cast<std::size_t>(number.count) - 1] == '0') {
        --number.count;
    }
    return number;
}

NumberText numberText(double value, std::string_view decimalSeparator)
{
    if (decimalSeparator.empty() || decimalSeparator.size() > kMaxSeparatorBytes) {
        decimalSeparator = ".";
    }
    NumberText text;
    if (!std::isfinite(value)) {
        text.append(std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF");
        return text;
    }
    if (value == 0) {
        value = 0; // negative zero is written as 0
    }
    // printf's %.15G, which to_chars writes in the general format, with a small "e".
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general,
                                       kSignificantDigits);
    for (const char c : std::string_view(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()))) {
        if (c == '.') {
            text.append(decimalSeparator);
        } else {
            text.push(c == 'e' ? 'E' : c);
        }
    }
    return text;
}

double leadingNumber(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // from_chars would also take a second minus sign and the words "inf" and "nan"; a
    // number here starts with a digit, or a point and a digit.
    const bool number = !text.empty() && (isDigit(text[0]) || (text[0] == '.' && text.size() > 1 && isDigit(text[1])));
    if (!number) {
        return 0.0;
    }
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        // Beyond a double: too small with a negative exponent, too large otherwise.
        const std::string_view read(text.data(), static_cast<std::size_t>(end - text.data()));
        const bool tiny = read.find("E-") != std::string_view::npos || read.find("e-") != std::string_view::npos;
        magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -magnitude : magnitude;
}

} // namespace engine
