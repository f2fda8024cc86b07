// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/numbers/numberformat.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace core;

TEST(NumberFormat, GroupedWholeNumbers)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {{1234, "1.234"},
                {999, "999"},
                {100000, "100.000"},
                {0, ""},
                {1, "1"},
                {1000, "1.000"},
                {12345, "12.345"},
                {999999, "999.999"},
                {1000000, "1.000.000"},
                {10, "10"},
                {100, "100"}};
    for (const auto& row : rows)
        EXPECT_EQ(text(grouped(row.value)), row.text) << row.value;
}

TEST(NumberFormat, GroupedWithDecimals)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {{1234.5, "1.234,5"},     {0, "0"},
                {1234.56, "1.234,56"},   {1234.567, "1.234,567"},
                {1234, "1.234"},         {0.25, "0,25"},
                {12.5, "12,5"},          {1000.1, "1.000,1"},
                {9999.999, "9.999,999"}, {1234.5000000001, "1.234,5"},
                {567.25, "567,25"}};
    for (const auto& row : rows)
        EXPECT_EQ(text(groupedDecimals(row.value)), row.text) << row.value;
}

TEST(NumberFormat, PlainDoubleKeepsFifteenDigits)
{
    EXPECT_EQ(text(plain(0.25)), "0,25");
    EXPECT_EQ(text(plain(7.0)), "7");
    EXPECT_EQ(text(plain(1234.5)), "1234,5");
    EXPECT_EQ(text(plain(10098.0)), "10098");
    EXPECT_EQ(text(plain(0.4)), "0,4");
    // A sum of a rounded sine and an integer part carries binary noise that 15 digits hide.
    EXPECT_EQ(text(plain(0.84 + 12)), "12,84");
    EXPECT_EQ(text(plain(0.1 + 0.2)), "0,3");
    EXPECT_EQ(text(plain(0.001)), "0,001");
    EXPECT_EQ(text(plain(5432.0)), "5432");
}

TEST(NumberFormat, PlainSingleKeepsSevenDigits)
{
    EXPECT_EQ(text(plain(0.3f)), "0,3");
    EXPECT_EQ(text(plain(8.8f)), "8,8");
    EXPECT_EQ(text(plain(static_cast<float>(3) + static_cast<float>(0.7))), "3,7");
    EXPECT_EQ(text(plain(0.02f)), "0,02");
    EXPECT_EQ(text(plain(12.0f)), "12");
    // The same value in double precision shows its binary noise.
    EXPECT_NE(text(plain(static_cast<double>(0.3f))), "0,3");
}

TEST(NumberFormat, PlainNeverWritesAnExponent)
{
    EXPECT_EQ(text(plain(1e20)), "100000000000000000000");
    EXPECT_EQ(text(plain(-2.5e16)), "-25000000000000000");
    EXPECT_EQ(text(plain(1.5e-7)), "0,00000015");
    EXPECT_EQ(text(plain(-1.25e-5)), "-0,0000125");
    EXPECT_EQ(text(plain(1e-5f)), "0,00001");
    EXPECT_EQ(text(plain(12345678.0f)), "12345680");
}

TEST(NumberFormat, DigitsAndPlacesAsWritten)
{
    // The value is read from the digits written, not from the binary double: 0.84 + 12
    // is 12,84 exactly.
    const WrittenNumber sum = plain(0.84 + 12);
    EXPECT_EQ(sum.digits, "1284");
    EXPECT_EQ(sum.decimals, 2);
    EXPECT_EQ(unitsOf(sum), 1284);
    const WrittenNumber small = plain(0.035);
    EXPECT_EQ(small.digits, "0035");
    EXPECT_EQ(small.decimals, 3);
    EXPECT_EQ(unitsOf(small), 35);
    EXPECT_EQ(unitsOf(plain(-2.5)), -25);
    // A grouped zero has no digits; a number too long for 64 bits has no units.
    EXPECT_EQ(grouped(0.0).digits, "");
    EXPECT_EQ(unitsOf(plain(1e20)), std::nullopt);
    // Places kept or dropped, and the whole part never empty.
    EXPECT_EQ(text(fromUnits(1250, 2, NumberForm::Plain, true)), "12,50");
    EXPECT_EQ(text(fromUnits(1250, 2, NumberForm::Plain, false)), "12,5");
    EXPECT_EQ(text(fromUnits(35, 3, NumberForm::Plain, true)), "0,035");
    EXPECT_EQ(text(fromUnits(-1234567, 0, NumberForm::Grouped, false)), "-1.234.567");
    EXPECT_EQ(text(fromUnits(3000, 3, NumberForm::Plain, false)), "3");
    EXPECT_EQ(text(withFraction(plain(0), 5)), "0,5");
    EXPECT_EQ(text(withFraction(grouped(9999), 50)), "9.999,50");
}

TEST(NumberFormat, PlainIntegers)
{
    EXPECT_EQ(text(plain(123)), "123");
    EXPECT_EQ(text(plain(99999)), "99999");
}

TEST(NumberFormat, SeparatorsIgnoreTheSystemLocale)
{
    // A locale with its own separators must not change the texts.
    const char* locales[] = {"de_DE.UTF-8", "en_US.UTF-8", "C.UTF-8"};
    for (const char* name : locales) {
        if (!std::setlocale(LC_ALL, name))
            continue;
        EXPECT_EQ(text(plain(1234.5)), "1234,5") << name;
        EXPECT_EQ(text(grouped(1234)), "1.234") << name;
        EXPECT_EQ(text(groupedDecimals(1234.5)), "1.234,5") << name;
    }
    std::setlocale(LC_ALL, "C");
}
