// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/result.h"
#include "engine/rules/windowtable.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

Operation op(Operator which, std::initializer_list<WrittenNumber> numbers)
{
    return operation(which, numbers, ClosingScreen);
}

} // namespace

TEST(LineResult, HandWorkedOperationsInTheirWindowsForm)
{
    const struct {
        const char* range;
        Operation operation;
        const char* result;
    } rows[] = {
        {"500", op(Operator::Plus, {plain(123), plain(45)}), "168"},
        {"9999", op(Operator::Plus, {grouped(4567), grouped(3210), grouped(5)}), "7.782"},
        {"999999", op(Operator::Minus, {grouped(123456), grouped(98765)}), "24.691"},
        {"99999", op(Operator::Times, {grouped(1234), plain(56)}), "69.104"},
        {"999", op(Operator::Divide, {plain(84), plain(9)}), "9 resto 3"},
        {"999999", op(Operator::Divide, {grouped(100000), plain(7)}), "14.285 resto 5"},
        {"9999", op(Operator::Divide, {grouped(9876), plain(4)}), "2.469"},
        {"dec999", op(Operator::Times, {plain(2.5), plain(1.4f)}), "3,5"},
        {"dec999", op(Operator::Times, {plain(3.25), grouped(1000)}), "3250"},
        {"dec9999",
         op(Operator::Plus, {groupedDecimals(1234.56), groupedDecimals(2345.7), plain(0.04)}),
         "3.580,3"},
        {"dec9999", op(Operator::Times, {groupedDecimals(9999.99), plain(999)}), "9.989.990,01"},
        {"dec9999", op(Operator::Divide, {groupedDecimals(1234.5), grouped(1000)}), "1,2345"},
        {"1", op(Operator::Divide, {plain(29), plain(3.0f)}), "9,66…"},
        {"1", op(Operator::Divide, {plain(8.4), plain(4.0f)}), "2,1"},
        {"2", op(Operator::Divide, {plain(55), plain(42.0f)}), "1,30…"},
        {"3", op(Operator::Divide, {plain(9998), plain(0.02f)}), "499900"},
        // Places as written count: 12,50 + 0,5 has hundredths.
        {"dec9999", op(Operator::Plus, {withFraction(grouped(12), 50), withFraction(plain(0), 5)}),
         "13"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(lineResult(row.operation, windowOfRange(row.range)->result).value_or("(none)"),
                  row.result)
            << row.range << " '" << lineOf(row.operation) << "'";
}

TEST(LineResult, ResultsAsDataAndWhatCannotBeWorkedOut)
{
    const auto cut =
        operationResult(op(Operator::Divide, {plain(29), plain(3)}), results::Hundredths);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->value.digits, "966");
    EXPECT_EQ(cut->value.decimals, 2);
    EXPECT_TRUE(cut->goesOn);
    const auto whole = operationResult(op(Operator::Divide, {plain(84), plain(9)}), results::Whole);
    ASSERT_TRUE(whole && whole->remainder);
    EXPECT_EQ(whole->value.digits, "9");
    EXPECT_EQ(whole->remainder->digits, "3");
    EXPECT_EQ(
        resultText(*operationResult(op(Operator::Divide, {plain(84), plain(7)}), results::Whole)),
        "12");

    EXPECT_EQ(keyLine(op(Operator::Divide, {plain(84), plain(9)}), results::Whole),
              "84 : 9 = 9 resto 3");
    EXPECT_EQ(keyLine(operation(Operator::Divide, {plain(29), plain(3)}, ClosingSheet),
                      results::Hundredths),
              "29 : 3 = 9,66…");
    for (const Operation& beyond :
         {op(Operator::Divide, {plain(8), plain(0)}),
          op(Operator::Times, {plain(999999999999.0), plain(999999999999.0)}),
          op(Operator::Plus, {plain(1e20), plain(1)}), op(Operator::Plus, {plain(1)})})
        EXPECT_FALSE(keyLine(beyond, results::WholeGrouped)) << lineOf(beyond);
}
