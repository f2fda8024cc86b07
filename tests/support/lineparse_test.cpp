// SPDX-License-Identifier: GPL-3.0-or-later
// The tests read lines back through these helpers, so they must reject malformed texts.
#include "support/lineparse.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(LineParse, SplitsAndRejects)
{
    auto p = parseLine("1.234 + 56 + 7 = ");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->operands, (std::vector<std::string>{"1.234", "56", "7"}));
    EXPECT_EQ(p->op, " + ");
    EXPECT_EQ(p->closing, " = ");
    EXPECT_EQ(parseLine("12 x 8 =")->closing, " =");
    EXPECT_FALSE(parseLine("12 x 8 = 96"));
    EXPECT_FALSE(parseLine("12 x 8"));
    EXPECT_FALSE(parseLine("12 + 8 - 3 = "));
    EXPECT_FALSE(parseLine("12 +  8 = "));
}

TEST(LineParse, ItalianNumbers)
{
    EXPECT_DOUBLE_EQ(*italianValue("1.234,5"), 1234.5);
    EXPECT_DOUBLE_EQ(*italianValue("0,25"), 0.25);
    EXPECT_DOUBLE_EQ(*italianValue("100.000"), 100000);
    EXPECT_FALSE(italianValue("1.23"));
    EXPECT_FALSE(italianValue("1,2,3"));
    EXPECT_FALSE(italianValue("12a"));
    EXPECT_FALSE(italianValue(""));
    EXPECT_TRUE(isPlain("1234,5"));
    EXPECT_FALSE(isPlain("1.234"));
    EXPECT_FALSE(isPlain("12,50"));
    EXPECT_FALSE(isPlain("012"));
    EXPECT_TRUE(isGroupedWhole("1.234"));
    EXPECT_TRUE(isGroupedWhole("999"));
    EXPECT_FALSE(isGroupedWhole("1234"));
    EXPECT_EQ(decimalsOf("12,50"), 2);
    EXPECT_EQ(decimalsOf("7"), 0);
}

TEST(LineParse, HandWrittenFixturesKeepTheirText)
{
    for (const char* line : {"1.234 + 56 + 7 = ", "12,50 - 0,035 =", "1.234,5 : 1.000 = "}) {
        const auto made = operationOf(line);
        ASSERT_TRUE(made) << line;
        EXPECT_EQ(core::lineOf(*made), line);
    }
    const auto made = operationOf("12,50 x 3 = ");
    ASSERT_TRUE(made);
    EXPECT_EQ(made->op, core::Operator::Times);
    EXPECT_EQ(made->operands[0].digits, "1250");
    EXPECT_EQ(made->operands[0].decimals, 2);
    EXPECT_DOUBLE_EQ(valueOf(made->operands[0]), 12.5);
    EXPECT_FALSE(operationOf("abc"));
    EXPECT_FALSE(operationOf("1.23 + 4 = "));
}
