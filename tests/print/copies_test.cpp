// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/copies.h"

#include <gtest/gtest.h>

#include <cmath>

using print::CopiesRequest;
using print::readCopies;
using Verdict = CopiesRequest::Verdict;

TEST(CopiesText, ReadsTheLeadingNumber)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"1", 1},       {"3", 3},    {"  4", 4},       {"\t 5", 5}, {"2.5", 2.5},
        {".5", 0.5},    {"7abc", 7}, {"12 copie", 12}, {"3,5", 3},  {"1.2.3", 1.2},
        {"", 0},        {"abc", 0},  {"   ", 0},       {"-2", -2},  {"+6", 6},
        {"1e2", 100},   {"1E1", 10}, {"2e", 2},        {"2e+", 2},  {"2ex", 2},
        {"1.5e1x", 15}, {"-", 0},    {".", 0},         {"007", 7},  {"x5", 0},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(print::leadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(CopiesText, ValuesBeyondADouble)
{
    EXPECT_TRUE(std::isinf(print::leadingNumber("1e400")));
    EXPECT_TRUE(std::isinf(print::leadingNumber("-1e400")));
    EXPECT_EQ(print::leadingNumber("1e-400"), 0.0);
    EXPECT_EQ(print::leadingNumber("0.0001e-400"), 0.0);
    EXPECT_DOUBLE_EQ(print::leadingNumber("0.001e3"), 1.0);
}

TEST(CopiesText, NumberOfCopies)
{
    struct Case {
        const char* text;
        Verdict verdict;
        int count;
    };
    // Whatever would print nothing is refused, as too many copies are.
    const Case cases[] = {
        {"1", Verdict::Print, 1},          {"3", Verdict::Print, 3},
        {"2.5", Verdict::Print, 2},        {" 2", Verdict::Print, 2},
        {" 3abc", Verdict::Print, 3},      {"99", Verdict::Print, 99},
        {"99.9", Verdict::Print, 99},      {"1.0", Verdict::Print, 1},
        {"0", Verdict::OutOfRange, 0},     {"0.9", Verdict::OutOfRange, 0},
        {"-3", Verdict::OutOfRange, 0},    {"", Verdict::OutOfRange, 0},
        {"abc", Verdict::OutOfRange, 0},   {"1e-400", Verdict::OutOfRange, 0},
        {"100", Verdict::OutOfRange, 0},   {"5000", Verdict::OutOfRange, 0},
        {"1e400", Verdict::OutOfRange, 0}, {"-1e400", Verdict::OutOfRange, 0},
        {"1e9", Verdict::OutOfRange, 0},
    };
    for (const Case& c : cases) {
        const CopiesRequest request = readCopies(c.text);
        EXPECT_EQ(request.verdict, c.verdict) << '"' << c.text << '"';
        EXPECT_EQ(request.count, c.count) << '"' << c.text << '"';
    }
}
