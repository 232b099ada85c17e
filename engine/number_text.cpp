#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace engine {
namespace {

constexpr std::size_t kMaxSeparatorBytes = 8;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Sign, integer digits (0 below magnitude 1), then the separator and the fraction digits
// when any remain.
void writePositional(const SignificantDigits& number, std::string_view separator, NumberText& out)
{
    if (number.negative) {
        out.push('-');
    }
    const auto digits = std::string_view(number.digits.data(), number.digits.size());
    if (number.exponent < 0) {
        out.push('0');
        out.append(separator);
        out.append('0', static_cast<std::size_t>(-number.exponent - 1));
        out.append(digits.substr(0, static_cast<std::size_t>(number.count)));
        return;
    }
    const int integerDigits = number.exponent + 1;
    for (int i = 0; i < integerDigits; ++i) {
        out.push(i < number.count ? digits[static_cast<std::size_t>(i)] : '0');
    }
    if (number.count > integerDigits) {
        out.append(separator);
        const auto first = static_cast<std::size_t>(integerDigits);
        out.append(digits.substr(first, static_cast<std::size_t>(number.count) - first));
    }
}

void writeExponentForm(const SignificantDigits& number, std::string_view separator, NumberText& out)
{
    if (number.negative) {
        out.push('-');
    }
    out.push(number.digits[0]);
    if (number.count > 1) {
        out.append(separator);
        out.append(
            std::string_view(number.digits.data() + 1, static_cast<std::size_t>(number.count) - 1));
    }
    out.push('E');
    out.push(number.exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(number.exponent);
    if (magnitude < 10) {
        out.push('0');
    }
    std::array<char, 4> exponent{};
    const auto written =
        std::to_chars(exponent.data(), exponent.data() + exponent.size(), magnitude);
    out.append(
        std::string_view(exponent.data(), static_cast<std::size_t>(written.ptr - exponent.data())));
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
    if (std::isnan(value)) {
        text.append("NAN");
        return text;
    }
    if (std::isinf(value)) {
        text.append(value < 0 ? "-INF" : "INF");
        return text;
    }
    const SignificantDigits number = significantDigits(value);
    if (number.exponent >= -4 && number.exponent < kSignificantDigits) {
        writePositional(number, decimalSeparator, text);
    } else {
        writeExponentForm(number, decimalSeparator, text);
    }
    return text;
}

double leadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    const auto skipDigits = [&] {
        const std::size_t start = pos;
        while (pos < text.size() && isDigit(text[pos])) {
            ++pos;
        }
        return pos - start;
    };

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t start = pos;
    std::size_t digits = skipDigits();
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        digits += skipDigits();
    }
    if (digits == 0) {
        return 0.0;
    }
    bool negativeExponent = false;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        const std::size_t mark = pos;
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        if (skipDigits() == 0) {
            pos = mark; // a bare E is not part of the number
            negativeExponent = false;
        }
    }

    double magnitude = 0.0;
    const auto parsed = std::from_chars(text.data() + start, text.data() + pos, magnitude);
    if (parsed.ec == std::errc::result_out_of_range) {
        magnitude = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -magnitude : magnitude;
}

} // namespace engine
