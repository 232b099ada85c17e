#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace engine {
namespace {

constexpr std::size_t kMaxSeparatorBytes = 8;

using Buffer = std::array<char, 32>;

// `value` with `precision` digits in the scientific or the general form, as printf's %.*e
// and %.*G write it (the precision forms of to_chars are specified as printf's). Under
// WASI printf is used: its C library has the one locale "C", and libc++'s precision
// to_chars would bring over 100 KB of tables into the web page's module. Elsewhere the
// process locale could change printf's point.
std::string_view written(Buffer& buffer, double value, std::chars_format format, int precision)
{
#ifdef __wasi__
    const char* form = format == std::chars_format::scientific ? "%.*e" : "%.*g";
    const int length = std::snprintf(buffer.data(), buffer.size(), form, precision, value);
    return {buffer.data(), static_cast<std::size_t>(length)};
#else
    auto* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision).ptr;
    return {buffer.data(), static_cast<std::size_t>(end - buffer.data())};
#endif
}

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
    Buffer buffer{};
    const std::string_view text = written(buffer, value, std::chars_format::scientific, kSignificantDigits - 1);
    const char* cursor = text.data();
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
    std::from_chars(cursor, text.data() + text.size(), number.exponent);
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
    // printf's %.15G, written with a small "e".
    Buffer buffer{};
    for (const char c : written(buffer, value, std::chars_format::general, kSignificantDigits)) {
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
