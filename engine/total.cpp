#include "engine/total.h"

#include "engine/number_text.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace engine {
namespace {

// Beyond ten digits (leading zeros aside) a whole part is out of range in any case.
constexpr std::size_t kMaxWholeDigits = 10;
constexpr std::size_t kGroupDigits = 3;

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
// and leaves the text after them. Nothing when a group separator stands where a grouped
// number cannot have one.
std::optional<WholePart> readWhole(std::string_view& text, std::string_view group)
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
    const std::size_t first = digitRun();
    if (group.empty() || !text.starts_with(group)) {
        return whole;
    }
    if (first == 0 || first > kGroupDigits) {
        return std::nullopt;
    }
    while (text.starts_with(group)) {
        text.remove_prefix(group.size());
        if (digitRun() != kGroupDigits) {
            return std::nullopt;
        }
    }
    return whole;
}

} // namespace

Expected<std::int32_t, TotalError> parseTotal(std::string_view text, Separators separators)
{
    // A locale that groups with its decimal separator cannot group at all.
    const std::string_view group = separators.group == separators.decimal ? std::string_view{} : separators.group;
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const auto whole = readWhole(text, group);
    if (!whole) {
        return Unexpected{TotalError::NotANumber};
    }
    std::string_view fraction = text;
    if (!fraction.empty()) {
        if (fraction.front() == '.' && group != ".") {
            fraction.remove_prefix(1);
        } else if (!separators.decimal.empty() && fraction.starts_with(separators.decimal)) {
            fraction.remove_prefix(separators.decimal.size());
        } else {
            return Unexpected{TotalError::NotANumber};
        }
        if (!allDigits(fraction)) {
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
