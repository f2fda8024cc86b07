// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/generation.h"

#include <climits>
#include <string_view>
#include <vector>

// The three families of integer rules. Each family is one algorithm over a table with one
// row per window; the rows are found by (range code, kind code).
namespace integer {

// A lower bound on an operand, strict ("a > 100") or not ("a >= 10").
struct Floor {
    int value = INT_MIN;
    bool inclusive = true;

    constexpr bool admits(int x) const { return inclusive ? x >= value : x > value; }
};

constexpr Floor atLeast(int value)
{
    return Floor{value, true};
}

constexpr Floor above(int value)
{
    return Floor{value, false};
}

// No condition at all.
inline constexpr Floor any{};

enum class Form { Plain, Grouped };

// Additions with two or three addends and subtractions: operands from 1 to N.
enum class Shape { TwoAddends, ThreeAddends, Difference };

struct AdditiveRow {
    std::string_view range;
    std::string_view kind;
    Shape shape;
    int n;
    Floor a, b, c;  // floors of each operand (c only with three addends)
    Floor oneAbove; // at least one operand must pass it
    Form form;
};

// Multiplications: a below N_a, b below N_b, accepted when a*b <= P, b > B, a > A and
// neither factor ends in 0.
enum class GroupedFactors { None, Both, Multiplicand };

struct MultiplicationRow {
    std::string_view range;
    std::string_view kind;
    int na, nb;
    int p;
    int b; // multiplier floor, strict
    int a; // multiplicand floor, strict
    GroupedFactors grouped;
};

// Divisions: a below N_a, b below N_b; the divisor never ends in 0.
struct DivisionRow {
    std::string_view range;
    std::string_view kind;
    int na, nb;
    Floor dividend;
    bool dividendAtLeastDivisor;
    int b; // divisor floor, strict
    Form dividendForm;
};

const AdditiveRow* findAdditive(std::string_view range, std::string_view kind);
const MultiplicationRow* findMultiplication(std::string_view range, std::string_view kind);
const DivisionRow* findDivision(std::string_view range, std::string_view kind);

core::Attempt additiveAttempt(const AdditiveRow& row, std::string_view closing);
core::Attempt multiplicationAttempt(const MultiplicationRow& row, std::string_view closing);
core::Attempt divisionAttempt(const DivisionRow& row, std::string_view closing);

// Operations at the row's bounds whose column forms are at least as wide as those of any
// line the row accepts.
std::vector<core::Operation> widestAdditive(const AdditiveRow& row);
std::vector<core::Operation> widestMultiplication(const MultiplicationRow& row);
std::vector<core::Operation> widestDivision(const DivisionRow& row);

} // namespace integer
