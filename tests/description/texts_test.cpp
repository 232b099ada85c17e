#include "ui/description/texts.h"

#include <gtest/gtest.h>

TEST(CopyrightNotice, KeepsItsSingleYearOnlyIn2005)
{
    EXPECT_EQ(description::copyrightNotice(2005), "Copyright \u00A9 2005 Morvalenite");
    EXPECT_EQ(description::copyrightNotice(2026), "Copyright \u00A9 2005 - 2026 Morvalenite");
    EXPECT_EQ(description::copyrightNotice(2004), "Copyright \u00A9 2005 - 2004 Morvalenite"); // a clock set back
}

TEST(VersionText, WritesTheMinorNumberInFull)
{
    EXPECT_EQ(description::versionText(1, 0), "Version 1.0");
    EXPECT_EQ(description::versionText(1, 10), "Version 1.10");
}
