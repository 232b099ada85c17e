#include "ui/web/calculation_address.h"

#include "ui/description/main_form.h"

#include <algorithm>
#include <charconv>

namespace web {
namespace {

// In the order of engine::Field.
constexpr std::array<std::string_view, engine::kFieldCount> kTotalNames{"attempts", "completions", "yards",
                                                                        "touchdowns", "interceptions"};
constexpr std::string_view kFormulaName = "formula";
constexpr std::string_view kProfessional = "nfl";
constexpr std::string_view kCollege = "ncaa";

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// "%XX" becomes its byte; "+" stays a plus, which is a sign here; a broken escape stays
// as it is.
std::string percentDecoded(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? hexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            decoded.push_back(static_cast<char>((high * 16) + low));
            i += 2;
        } else {
            decoded.push_back(text[i]);
        }
    }
    return decoded;
}

// Characters, not bytes: UTF-8's continuation bytes do not start one.
std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(
        std::ranges::count_if(text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }));
}

} // namespace

std::string calculationAddress(const engine::PasserStats& stats, engine::Formula formula)
{
    const std::array totals{stats.attempts, stats.completions, stats.yards, stats.touchdowns, stats.interceptions};
    std::string address;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        std::array<char, 16> digits{};
        const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), totals[i]);
        address.append(kTotalNames[i]).append("=").append(digits.data(), written.ptr).append("&");
    }
    return address.append(kFormulaName)
        .append("=")
        .append(formula == engine::Formula::Professional ? kProfessional : kCollege);
}

std::optional<AddressedCalculation> readCalculationAddress(std::string_view fragment)
{
    if (fragment.starts_with('#')) {
        fragment.remove_prefix(1);
    }
    AddressedCalculation calculation;
    bool namesATotal = false;
    while (!fragment.empty()) {
        const std::string_view pair = fragment.substr(0, fragment.find('&'));
        fragment.remove_prefix(std::min(fragment.size(), pair.size() + 1));
        const auto equals = pair.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view name = pair.substr(0, equals);
        const std::string value = percentDecoded(pair.substr(equals + 1));
        const auto total = std::ranges::find(kTotalNames, name);
        if (total != kTotalNames.end()) {
            const auto index = static_cast<std::size_t>(total - kTotalNames.begin());
            calculation.texts[index] = value;
            namesATotal = true;
            const auto field = static_cast<engine::Field>(index);
            if (characterCount(value) > description::kMaxPasteCharacters &&
                (!calculation.refused || field < *calculation.refused)) {
                calculation.refused = field;
            }
        } else if (name == kFormulaName && (value == kProfessional || value == kCollege)) {
            calculation.formula = value == kProfessional ? engine::Formula::Professional : engine::Formula::College;
        }
    }
    if (!namesATotal) {
        return std::nullopt;
    }
    return calculation;
}

} // namespace web
