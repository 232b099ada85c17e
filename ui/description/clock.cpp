#include "ui/description/clock.h"

#include <ctime>

namespace description {

int SystemClock::currentYear() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local.tm_year + 1900;
}

} // namespace description
