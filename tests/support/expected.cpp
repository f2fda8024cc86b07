// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/expected.h"

namespace expected {

namespace {

constexpr bool G = true;  // grouped
constexpr bool P = false; // plain
constexpr bool NoZero = true;
constexpr bool Any = false;

// Attempts per accepted line, as the rules state them: "about one in two" and so on,
// with a margin for sampling; where only a span is stated, that span.
constexpr double Half[] = {1.6, 2.5};
constexpr double ThreeAddends[] = {5.4, 9.9};
constexpr double Multiplication[] = {1.6, 99.0};
constexpr double Division[] = {1.25, 2.35}; // 45 to 77 per cent

Generator add(const char* range, std::vector<Operand> ops, int oneAbove, const double* rate)
{
    return {range,  ops.size() == 2 ? "+2" : "+3", " + ", std::move(ops), oneAbove, rate[0],
            rate[1]};
}

Generator sub(const char* range, Operand a, Operand b, double lo, double hi)
{
    return {range, "-", " - ", {a, b}, 0, lo, hi};
}

Generator mul(const char* range, const char* kind, Operand a, Operand b, double lo, double hi)
{
    return {range, kind, " x ", {a, b}, 0, lo, hi};
}

Generator div(const char* range, const char* kind, Operand a, Operand b)
{
    return {range, kind, " : ", {a, b}, 0, Division[0], Division[1]};
}

std::vector<Generator> makeTable()
{
    // clang-format off
    return {
        // Additions with two addends: each addend in range, one of them above a threshold.
        add("500",    {{1, 499, 500, P, Any},          {1, 499, 500, P, Any}},          100,    Half),
        add("999",    {{10, 989, 999, P, Any},         {10, 989, 999, P, Any}},         100,    Half),
        add("9999",   {{101, 9898, 9999, G, Any},      {101, 9898, 9999, G, Any}},      1000,   Half),
        add("99999",  {{101, 99898, 99999, G, Any},    {101, 99898, 99999, G, Any}},    1000,   Half),
        add("999999", {{1001, 998998, 999999, G, Any}, {1001, 998998, 999999, G, Any}}, 100000, Half),

        // Additions with three addends.
        {"500", "+3", " + ", {{50, 488, 500, P, Any}, {1, 439, 500, P, Any}, {11, 449, 500, P, Any}}, 0, 8.1, 9.9},
        add("999",    {{50, 987, 999, P, Any},         {1, 938, 999, P, Any},         {11, 948, 999, P, Any}},         0,      ThreeAddends),
        add("9999",   {{50, 9897, 9999, G, Any},       {1, 9848, 9999, G, Any},       {101, 9948, 9999, G, Any}},      1000,   ThreeAddends),
        add("99999",  {{101, 99797, 99999, G, Any},    {101, 99797, 99999, G, Any},   {101, 99797, 99999, G, Any}},    10000,  ThreeAddends),
        add("999999", {{101, 998997, 999999, G, Any},  {1, 998897, 999999, G, Any},   {1001, 999897, 999999, G, Any}}, 100000, ThreeAddends),

        // Subtractions: minuend, subtrahend (never above the minuend).
        sub("500",    {400, 500, 500, P, Any},          {1, 500, 500, P, Any},          5.0, 6.0),
        sub("999",    {400, 999, 999, P, Any},          {1, 999, 999, P, Any},          2.2, 2.6),
        sub("9999",   {1001, 9999, 9999, G, Any},       {1, 9999, 9999, G, Any},        1.7, 2.3),
        sub("99999",  {10001, 99999, 99999, G, Any},    {1, 99999, 99999, G, Any},      1.7, 2.3),
        sub("999999", {100001, 999999, 999999, G, Any}, {1001, 999999, 999999, G, Any}, 1.7, 2.3),

        // Multiplications: multiplicand, multiplier.
        mul("500",    "x",  {11, 98, 99, P, NoZero},           {2, 8, 9, P, NoZero},       1.6, 2.4),
        mul("999",    "x1", {31, 499, 999, P, NoZero},         {2, 8, 9, P, NoZero},       Multiplication[0], Multiplication[1]),
        mul("999",    "x2", {11, 89, 999, P, NoZero},          {11, 89, 99, P, NoZero},    81.0, 99.0),
        mul("9999",   "x1", {101, 4999, 9999, G, NoZero},      {2, 8, 9, G, NoZero},       Multiplication[0], Multiplication[1]),
        mul("9999",   "x2", {51, 909, 999, P, NoZero},         {11, 98, 99, P, NoZero},    Multiplication[0], Multiplication[1]),
        mul("99999",  "x1", {1001, 49999, 99999, G, NoZero},   {2, 8, 9, G, NoZero},       Multiplication[0], Multiplication[1]),
        mul("99999",  "x2", {101, 9089, 9999, G, NoZero},      {11, 98, 99, P, NoZero},    Multiplication[0], Multiplication[1]),
        mul("99999",  "x3", {101, 989, 9999, G, NoZero},       {101, 989, 999, P, NoZero}, 81.0, 99.0),
        mul("999999", "x1", {1001, 499999, 999999, G, NoZero}, {2, 8, 9, G, NoZero},       Multiplication[0], Multiplication[1]),
        mul("999999", "x2", {501, 90909, 99999, G, NoZero},    {11, 98, 99, P, NoZero},    Multiplication[0], Multiplication[1]),
        mul("999999", "x3", {101, 9899, 99999, G, NoZero},     {101, 998, 999, P, NoZero}, Multiplication[0], Multiplication[1]),

        // Divisions: dividend, divisor.
        div("500",    ":2", {11, 98, 99, P, Any},              {2, 8, 9, P, NoZero}),
        div("500",    ":3", {200, 499, 500, P, Any},           {2, 8, 9, P, NoZero}),
        div("999",    ":",  {10, 998, 999, P, Any},            {2, 8, 9, P, NoZero}),
        div("999",    ":2", {101, 998, 999, P, Any},           {11, 98, 99, P, NoZero}),
        div("9999",   ":",  {1001, 9998, 9999, G, Any},        {2, 8, 9, P, NoZero}),
        div("9999",   ":2", {1001, 9998, 9999, G, Any},        {11, 98, 99, P, NoZero}),
        div("99999",  ":",  {10001, 99998, 99999, G, Any},     {2, 8, 9, P, NoZero}),
        div("99999",  ":2", {10001, 99998, 99999, G, Any},     {11, 98, 99, P, NoZero}),
        div("999999", ":",  {100001, 999998, 999999, G, Any},  {2, 8, 9, P, NoZero}),
        div("999999", ":2", {100001, 999998, 999999, G, Any},  {11, 98, 99, P, NoZero}),
    };
    // clang-format on
}

} // namespace

const std::vector<Generator>& generators()
{
    static const std::vector<Generator> table = makeTable();
    return table;
}

const Generator* find(const std::string& range, const std::string& kind)
{
    for (const Generator& g : generators()) {
        if (g.range == range && g.kind == kind)
            return &g;
    }
    return nullptr;
}

double drawFor(const Generator& g, std::size_t index, int value)
{
    const double n = g.operands.at(index).drawSize;
    const bool fromOne = g.op == " + " || g.op == " - ";
    // The middle of the value's interval, far from the rounding edges.
    return fromOne ? (value - 0.5) / n : (value + 0.5) / n;
}

} // namespace expected
