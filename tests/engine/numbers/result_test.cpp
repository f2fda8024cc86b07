// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/result.h"
#include "engine/rules/windowtable.h"

#include <gtest/gtest.h>

using core::lineResult;

TEST(LineResult, HandWorkedLinesInTheirWindowsForm)
{
    const struct {
        const char *range, *line, *result;
    } rows[] = {
        {"500", "123 + 45 =", "168"},
        {"9999", "4.567 + 3.210 + 5 = ", "7.782"},
        {"999999", "123.456 - 98.765 = ", "24.691"},
        {"99999", "1.234 x 56 = ", "69.104"},
        {"999", "84 : 9 = ", "9 resto 3"},
        {"999999", "100.000 : 7 = ", "14.285 resto 5"},
        {"9999", "9.876 : 4 = ", "2.469"},
        {"dec999", "2,5 x 1,4 = ", "3,5"},
        {"dec999", "3,25 x 1.000 =", "3250"},
        {"dec9999", "1.234,56 + 2.345,7 + 0,04 = ", "3.580,3"},
        {"dec9999", "9.999,99 x 999 = ", "9.989.990,01"},
        {"dec9999", "1.234,5 : 1.000 = ", "1,2345"},
        {"1", "29 : 3 =", "9,66…"},
        {"1", "8,4 : 4 =", "2,1"},
        {"2", "55 : 42 =", "1,30…"},
        {"3", "9998 : 0,02 =", "499900"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(lineResult(row.line, core::windowOfRange(row.range)->result).value_or("(none)"),
                  row.result)
            << row.range << " '" << row.line << "'";
}

TEST(LineResult, KeyLineAndTextThatIsNoExerciseLine)
{
    EXPECT_EQ(core::keyLine("84 : 9 = ", core::results::Whole), "84 : 9 = 9 resto 3");
    EXPECT_EQ(core::keyLine("29 : 3 =", core::results::Hundredths), "29 : 3 = 9,66…");
    for (const char* line : {"", "84 : 9", "84 :9 = ", "1 +  2 = ", "1 + 2 - 3 = ", "12 x 3 x 4 = ",
                             "1.00 + 2 = ", "1,2,3 + 1 = ", "8 : 0 = ",
                             "999999999999 x 999999999999 = ", "99999999999999999999 + 1 = "})
        EXPECT_FALSE(core::keyLine(line, core::results::WholeGrouped)) << "'" << line << "'";
}
