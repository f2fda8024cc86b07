// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What every integer generator must produce, written out by hand from the rules: the
// draw size of each operand, the range each operand of an accepted line falls in, its text
// form, and the share of accepted attempts. Kept apart from the production tables on
// purpose, so that a wrong table fails the tests.
namespace expected {

struct Operand {
    int lo, hi;     // every accepted value lies in [lo, hi]
    int drawSize;   // N of the draw: 1..N for + and -, 0..N-1 for x and :
    bool grouped;   // written with the thousands point
    bool noZeroEnd; // never ends in 0
};

struct Generator {
    std::string range;
    std::string kind;
    std::string op; // operator word
    std::vector<Operand> operands;
    int oneAbove; // at least one operand above it; 0 when there is no such condition
    double minPerLine, maxPerLine; // attempts per accepted line
};

inline int rangeValue(const std::string& range)
{
    return std::stoi(range);
}

// The 41 single-kind generators of the five windows.
const std::vector<Generator>& generators();

const Generator* find(const std::string& range, const std::string& kind);

// The value of the random sequence that makes the generator draw `value` for operand
// `index`: additions and subtractions draw from 1 to N, the others below N.
double drawFor(const Generator& g, std::size_t index, int value);

} // namespace expected
