// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Numbers as a line writes them, and the one writer of their text, with the Italian
// separators fixed in the code ("." groups thousands, "," separates decimals) whatever the
// system locale.
namespace core {

// How the whole part is written: "1234" or "1.234".
enum class NumberForm { Plain, Grouped };

// An exact decimal number with its written form: the digits as written, thousands points
// and comma left out ("035" for 0,35; "1250" for 12,50), of which the last `decimals`
// stand after the comma. Trailing zeros of the fraction are digits like any other: they
// were written. No digits at all is a grouped zero written as nothing (the "#,##" form).
struct WrittenNumber {
    std::string digits;
    int decimals = 0;
    bool negative = false;
    NumberForm form = NumberForm::Plain;

    std::int64_t wholeDigits() const { return std::int64_t(digits.size()) - decimals; }
    bool operator==(const WrittenNumber&) const = default;
};

// The text of a number: "1.234,5", "0,35", "-7".
std::string text(const WrittenNumber& number);

// The same number as the whole number its digits make with the comma left out (12,50:
// 1250); nullopt when it has more digits than 64 bits hold.
std::optional<std::int64_t> unitsOf(const WrittenNumber& number);

// A number from a whole number over 10^decimals: 1250 and 2 is 12,50. Trailing zeros of
// the fraction are dropped unless `keepPlaces`; the whole part has at least one digit.
WrittenNumber fromUnits(std::int64_t units, int decimals, NumberForm form, bool keepPlaces);

// A whole number followed by a fraction written as these digits: (12, 50) is 12,50.
WrittenNumber withFraction(WrittenNumber whole, int fractionDigits);

// Plain: shortest form, no grouping, decimal comma. Doubles keep 15 significant digits,
// single-precision values 7 (so a float 0.3 reads "0,3").
WrittenNumber plain(double value);
WrittenNumber plain(float value);
WrittenNumber plain(int value);

// Grouped, pattern "#,##": the whole number grouped by thousands; 0 is written as nothing.
WrittenNumber grouped(double value);

// Grouped with decimals, pattern "#,##0.###": grouped integer part (at least "0"),
// at most three decimals, trailing zeros and a bare comma dropped.
WrittenNumber groupedDecimals(double value);

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
