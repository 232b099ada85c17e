#include "ui/description/clock.h"
#include "ui/description/texts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

TEST(CopyrightNotice, KeepsItsSingleYearOnlyIn2005)
{
    EXPECT_EQ(description::copyrightNotice(2005), "Copyright \u00A9 2005 Morvalenite");
    EXPECT_EQ(description::copyrightNotice(2026), "Copyright \u00A9 2005 - 2026 Morvalenite");
    EXPECT_EQ(description::copyrightNotice(2004), "Copyright \u00A9 2005 - 2004 Morvalenite"); // a clock set back
}

TEST(SystemClock, ReadsThisYear)
{
    // Today's year in UTC, from another source than the clock's; the local year differs
    // from it only around New Year.
    using namespace std::chrono;
    const year_month_day today{floor<days>(system_clock::now())};
    const int utcYear = static_cast<int>(today.year());
    const bool newYear =
        (today.month() == January && today.day() == day{1}) || (today.month() == December && today.day() == day{31});
    const int year = description::SystemClock().currentYear();
    EXPECT_TRUE(year == utcYear || (newYear && std::abs(year - utcYear) == 1)) << year << " in " << utcYear;
}
