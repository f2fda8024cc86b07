// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// The three text forms of a number, with the Italian separators fixed in the code
// ("." groups thousands, "," separates decimals) whatever the system locale.
namespace core {

// Plain: shortest form, no grouping, decimal comma. Doubles keep 15 significant digits,
// single-precision values 7 (so a float 0.3 reads "0,3").
std::string plain(double value);
std::string plain(float value);
std::string plain(int value);

// Grouped, pattern "#,##": the whole number grouped by thousands; 0 gives "".
std::string grouped(double value);

// Grouped with decimals, pattern "#,##0.###": grouped integer part (at least "0"),
// at most three decimals, trailing zeros and a bare comma dropped.
std::string groupedDecimals(double value);

// How many decimal digits a whole number has, its sign left out (0 has one): the width
// it takes in a column.
constexpr int digitCount(std::int64_t n)
{
    int count = 1;
    for (; n >= 10 || n <= -10; n /= 10)
        ++count;
    return count;
}

} // namespace core
