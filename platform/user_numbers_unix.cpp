#include "platform/user_numbers.h"

#include <climits>
#include <clocale>
#include <string_view>

namespace platform {

engine::LocaleNumbers userNumbers()
{
    std::setlocale(LC_NUMERIC, "");
    const std::lconv* conventions = std::localeconv();
    engine::LocaleNumbers numbers{.decimal = conventions->decimal_point, .group = conventions->thousands_sep};
    // "\3\3" groups in threes, "\3\2" three digits and then twos (India); 0 or CHAR_MAX
    // repeats the size before it or ends the grouping.
    const std::string_view grouping = conventions->grouping;
    const auto size = [&grouping](std::size_t at) {
        return at < grouping.size() && grouping[at] > 0 && grouping[at] != CHAR_MAX
                   ? static_cast<unsigned>(grouping[at])
                   : 0U;
    };
    if (size(0) != 0) {
        numbers.groupSize = size(0);
        numbers.outerGroupSize = size(1) != 0 ? size(1) : size(0);
    }
    return numbers;
}

} // namespace platform
