// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/line.h"

#include <gtest/gtest.h>

using namespace core;

TEST(ExerciseLine, OperatorWordsAndClosings)
{
    EXPECT_EQ(exerciseLine({"123", "45"}, OpPlus, ClosingScreen), "123 + 45 = ");
    EXPECT_EQ(exerciseLine({"1", "2", "3"}, OpPlus, ClosingScreen), "1 + 2 + 3 = ");
    EXPECT_EQ(exerciseLine({"500", "7"}, OpMinus, ClosingScreen), "500 - 7 = ");
    EXPECT_EQ(exerciseLine({"12", "8"}, OpTimes, ClosingSheet), "12 x 8 =");
    EXPECT_EQ(exerciseLine({"1.234", "5"}, OpDivide, ClosingScreen), "1.234 : 5 = ");
}
