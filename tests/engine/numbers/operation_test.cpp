// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/operation.h"

#include <gtest/gtest.h>

using namespace core;

TEST(ExerciseLine, OperatorWordsClosingsAndWrittenForms)
{
    EXPECT_EQ(lineOf(operation(Operator::Plus, {plain(123), plain(45)}, ClosingScreen)),
              "123 + 45 = ");
    EXPECT_EQ(lineOf(operation(Operator::Plus, {plain(1), plain(2), plain(3)}, ClosingScreen)),
              "1 + 2 + 3 = ");
    EXPECT_EQ(lineOf(operation(Operator::Minus, {plain(500), plain(7)}, ClosingScreen)),
              "500 - 7 = ");
    EXPECT_EQ(lineOf(operation(Operator::Times, {plain(12), plain(8)}, ClosingSheet)), "12 x 8 =");
    EXPECT_EQ(lineOf(operation(Operator::Divide, {grouped(1234), plain(5)}, ClosingScreen)),
              "1.234 : 5 = ");
    // Places as written: the fraction's trailing zero stays.
    EXPECT_EQ(lineOf(operation(Operator::Plus, {withFraction(grouped(1012), 50), plain(0.35)},
                               ClosingScreen)),
              "1.012,50 + 0,35 = ");
}
