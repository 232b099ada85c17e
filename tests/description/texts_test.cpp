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

TEST(Texts, SpokenNamesAndShortcutsComeFromTheirOneSource)
{
    const struct {
        const char* caption;
        const char* spoken;
    } captions[]{{"Pass &Completions:", "Pass Completions"},
                 {"NF&L", "NFL"},
                 {"Passer Rating:", "Passer Rating"},
                 {"Calculate", "Calculate"}};
    for (const auto& row : captions) {
        EXPECT_EQ(description::spokenName(row.caption), row.spoken);
    }
    const struct {
        description::Shortcut shortcut;
        const char* text;
    } shortcuts[]{{description::kF1, "F1"},
                  {description::kF3, "F3"},
                  {description::kCtrlL, "Ctrl+L"},
                  {description::kCtrlT, "Ctrl+T"},
                  {description::kNoShortcut, ""}};
    for (const auto& row : shortcuts) {
        EXPECT_EQ(description::shortcutText(row.shortcut), row.text);
    }
}

TEST(Texts, ALabelFilledOnLoadShowsTheBuildsVersionAndThisYearsNotice)
{
    using description::LabelText;
    EXPECT_EQ(description::loadedText(LabelText::Version, 2026, 2, 10), "Version 2.10");
    EXPECT_EQ(description::loadedText(LabelText::Copyright, 2026, 2, 10), description::copyrightNotice(2026));
    EXPECT_EQ(description::loadedText(LabelText::Company, 2026, 2, 10), description::designText(LabelText::Company));
}
