#include "platform/user_numbers.h"

#include "platform/windows_text.h"

#include <string>

#include <windows.h>

namespace platform {

engine::LocaleNumbers userNumbers()
{
    const auto read = [](LCTYPE item) {
        std::wstring text(16, L'\0');
        const int length = ::GetLocaleInfoW(LOCALE_USER_DEFAULT, item, text.data(), static_cast<int>(text.size()));
        text.resize(length > 0 ? static_cast<std::size_t>(length) - 1 : 0);
        return text;
    };
    engine::LocaleNumbers numbers{.decimal = toUtf8(read(LOCALE_SDECIMAL)), .group = toUtf8(read(LOCALE_STHOUSAND))};
    if (const std::wstring minus = read(LOCALE_SNEGATIVESIGN); !minus.empty()) {
        numbers.minus = toUtf8(minus);
    }
    if (const std::wstring digits = read(LOCALE_SNATIVEDIGITS); !digits.empty()) {
        numbers.zero = toUtf8(digits.substr(0, 1));
    }
    // "3;0" groups in threes, "3;2;0" three digits and then twos (India).
    const std::wstring grouping = read(LOCALE_SGROUPING);
    const auto size = [&grouping](std::size_t at) {
        return at < grouping.size() && grouping[at] >= L'1' && grouping[at] <= L'9'
                   ? static_cast<unsigned>(grouping[at] - L'0')
                   : 0U;
    };
    if (size(0) != 0) {
        numbers.groupSize = size(0);
        numbers.outerGroupSize = size(2) != 0 ? size(2) : size(0);
    }
    return numbers;
}

} // namespace platform
