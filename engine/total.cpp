#include "engine/total.h"

#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace engine {
namespace {

// Beyond ten digits (leading zeros aside) a whole part is out of range in any case.
constexpr std::size_t kMaxWholeDigits = 10;

// The text in the rule's own letters (see letters() below).
constexpr char kDecimal = 'D';
constexpr char kGroup = 'G';
constexpr char kSpace = ' ';
constexpr char kOther = 'X';

bool allDigits(std::string_view text)
{
    return std::ranges::all_of(text, isDigit);
}

// One code point from the front of UTF-8 text; nothing for a broken or overlong sequence.
std::optional<char32_t> takeCodePoint(std::string_view& text)
{
    constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 0;
    if (lead < 0x80U) {
        length = 1;
    } else if ((lead >> 5U) == 0x6U) {
        length = 2;
    } else if ((lead >> 4U) == 0xEU) {
        length = 3;
    } else if ((lead >> 3U) == 0x1EU) {
        length = 4;
    }
    if (length == 0 || length > text.size()) {
        return std::nullopt;
    }
    char32_t code = length == 1 ? lead : lead & (0x7FU >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0U) != 0x80U) {
            return std::nullopt;
        }
        code = (code << 6U) | (next & 0x3FU);
    }
    if (length > 1 && code < kSmallest[length]) {
        return std::nullopt;
    }
    text.remove_prefix(length);
    return code;
}

// The code point a text holds, when it holds exactly one.
std::optional<char32_t> onlyCodePoint(std::string_view text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    const auto code = takeCodePoint(text);
    return text.empty() ? code : std::nullopt;
}

// The invisible marks that right-to-left locales write beside a sign (U+061C, U+200E, U+200F).
bool isDirectionMark(char32_t code)
{
    return code == U'\u061C' || code == U'\u200E' || code == U'\u200F';
}

bool isSpace(char32_t code)
{
    return code == U' ' || code == U'\t' || code == U'\u00A0' || code == U'\u202F';
}

// The text in letters of the rule's own: every digit as its ASCII digit, kDecimal for the
// locale's decimal separator, kGroup for its group separator (unless that is a space: all
// white space is kSpace), "-" for either minus, "+", "." for a point that is neither
// separator, and kOther for anything else; direction marks are left out. Nothing for text
// that is not UTF-8.
std::optional<std::string> letters(std::string_view text, const NumberFormat& format, std::string_view group)
{
    const char32_t zero = onlyCodePoint(format.zero).value_or(U'0');
    std::string result;
    const auto take = [&text](std::string_view token) {
        if (token.empty() || !text.starts_with(token)) {
            return false;
        }
        text.remove_prefix(token.size());
        return true;
    };
    while (!text.empty()) {
        if (take(format.decimal)) {
            result += kDecimal;
        } else if (take(group)) {
            result += kGroup;
        } else if (take(format.minus)) {
            result += '-';
        } else if (const auto code = takeCodePoint(text); !code) {
            return std::nullopt;
        } else if ((*code >= U'0' && *code <= U'9') || *code == U'-' || *code == U'+' || *code == U'.') {
            result += static_cast<char>(*code);
        } else if (*code >= zero && *code <= zero + 9) {
            result += static_cast<char>('0' + (*code - zero));
        } else if (isSpace(*code)) {
            result += kSpace;
        } else if (!isDirectionMark(*code)) {
            result += kOther;
        }
    }
    return result;
}

// Whether the fraction digits move a whole part of `magnitude` up by one.
bool roundsUp(std::int64_t magnitude, std::string_view fraction)
{
    if (fraction.empty() || fraction.front() < '5') {
        return false;
    }
    if (fraction.front() > '5' || fraction.find_first_not_of('0', 1) != std::string_view::npos) {
        return true;
    }
    return magnitude % 2 == 1; // an exact half goes to the even neighbour
}

// A whole part read digit by digit, leading zeros aside.
class WholePart {
  public:
    void add(char digit)
    {
        m_digits += m_significant > 0 || digit != '0' ? 1 : 0;
        m_significant = m_significant * 10 + (digit - '0');
        ++m_count;
    }
    [[nodiscard]] std::size_t count() const { return m_count; }
    [[nodiscard]] bool tooLong() const { return m_digits > kMaxWholeDigits; }
    [[nodiscard]] std::int64_t value() const { return m_significant; }

  private:
    std::size_t m_count = 0;
    std::size_t m_digits = 0;
    std::int64_t m_significant = 0; // meaningless once tooLong()
};

// Reads the whole part as the locale groups it, or the plain digits at the text's start,
// and leaves the text after them. A grouped part has a first group of one digit or more
// that does not start with 0, groups of the outer size, and a last group of the inner
// size; nothing when it breaks that.
std::optional<WholePart> readWhole(std::string_view& text, const NumberFormat& format)
{
    WholePart whole;
    const auto digitRun = [&text, &whole] {
        std::size_t length = 0;
        for (; length < text.size() && isDigit(text[length]); ++length) {
            if (!whole.tooLong()) {
                whole.add(text[length]);
            }
        }
        text.remove_prefix(length);
        return length;
    };
    const bool leadingZero = text.starts_with('0');
    const std::size_t first = digitRun();
    if (!text.starts_with(kGroup)) {
        return whole;
    }
    std::size_t groups = 0;
    std::size_t last = 0;
    bool outerSizes = true;
    while (text.starts_with(kGroup)) {
        text.remove_prefix(1);
        outerSizes = outerSizes && (groups == 0 || last == format.outerGroupSize);
        last = digitRun();
        ++groups;
    }
    const std::size_t firstLimit = groups > 1 ? format.outerGroupSize : format.groupSize;
    if (first == 0 || first > firstLimit || leadingZero || !outerSizes || last != format.groupSize) {
        return std::nullopt;
    }
    return whole;
}

} // namespace

Expected<std::int32_t, TotalError> parseTotal(std::string_view text, const NumberFormat& format)
{
    // A locale that groups with its decimal separator cannot group at all.
    const std::string_view group = format.group == format.decimal ? std::string_view{} : format.group;
    const auto groupCode = onlyCodePoint(group);
    const bool spaceGroups = groupCode && isSpace(*groupCode);
    auto read = letters(text, format, spaceGroups ? std::string_view{} : group);
    if (!read) {
        return Unexpected{TotalError::NotANumber};
    }
    std::string_view rest = *read;
    rest.remove_prefix(std::min(rest.find_first_not_of(kSpace), rest.size()));
    rest.remove_suffix(rest.size() - (rest.find_last_not_of(kSpace) + 1));
    if (spaceGroups) { // the spaces left are inside the number
        std::ranges::replace(*read, kSpace, kGroup);
    }

    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    const auto whole = readWhole(rest, format);
    if (!whole) {
        return Unexpected{TotalError::NotANumber};
    }
    std::string_view fraction = rest;
    if (!fraction.empty()) {
        const char separator = fraction.front();
        fraction.remove_prefix(1);
        if ((separator != kDecimal && separator != '.') || !allDigits(fraction)) {
            return Unexpected{TotalError::NotANumber};
        }
        // A point that is not the locale's own, before three digits, may group thousands.
        if (separator == '.' && fraction.size() == 3) {
            return Unexpected{TotalError::NotANumber};
        }
    }
    if (whole->count() == 0 && fraction.empty()) {
        return Unexpected{TotalError::NotANumber};
    }
    if (whole->tooLong()) {
        return Unexpected{TotalError::OutOfRange};
    }
    std::int64_t magnitude = whole->value();
    if (roundsUp(magnitude, fraction)) {
        ++magnitude;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
        return Unexpected{TotalError::OutOfRange};
    }
    return static_cast<std::int32_t>(value);
}

} // namespace engine
