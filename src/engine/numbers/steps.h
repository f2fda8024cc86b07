// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/numbers/result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The steps a pupil writes while working an operation out in column form, from exact
// integer arithmetic on the numbers as written: the carries of an addition, the partial
// products of a multiplication, the rows of a short division. The column layout places
// them; nothing here knows about squares.
namespace core {

// The carries of a column addition, place by place from the right: carries[k] is what
// column k receives from column k - 1 (k = 0 is the last place of the longest fraction,
// so carries[0] is 0). One entry per place the operands reach; a carry out of the
// leftmost column goes straight into the sum. nullopt for anything but an addition.
std::optional<std::vector<int>> additionCarries(const Operation& operation);

// One place of a subtraction as the pupil marks it when the minuend's digit there is too
// small: the place on its left lends ten (its digit struck through, one less written small
// above it) and the place receives it (a small 1 before its digit: 5 becomes 15). A 0 that
// has nothing to lend passes the loan on: struck through with 9 above it.
struct BorrowPlace {
    bool lends = false;
    int becomes = 0; // the digit written above a struck one
    bool receives = false;
    // A zero the minuend does not write, added to reach the subtrahend's places (7 - 0,25
    // is worked as 7,00 - 0,25); it lends like any other digit.
    bool added = false;
    // For a place that receives: the place that lent to it; the places between, all 0 at
    // the time, passed the loan on.
    int from = -1;
};

// The places of a subtraction of two numbers, from the right: place 0 is the last place of
// the longer fraction, then one per place to the minuend's or subtrahend's first digit.
// nullopt for anything but a subtraction of two numbers whose minuend is not smaller.
std::optional<std::vector<BorrowPlace>> subtractionBorrows(const Operation& operation);

// The carries of a multiplication by a one-digit multiplier, place by place from the
// right of the multiplicand as written: carries[k] is what place k receives from place
// k - 1 (carries[0] is 0); a carry out of the leftmost place goes straight into the
// product. nullopt for anything but a multiplication by one digit.
std::optional<std::vector<int>> multiplicationCarries(const Operation& operation);

// One row of a multiplication: the multiplicand times one digit of the multiplier.
struct PartialProduct {
    std::int64_t value = 0;
    int digits = 0; // squares written: a 0 digit's row is as many zeros as the
                    // multiplicand has digits
};

// One per digit of the multiplier as written (a leading 0 included), units digit first;
// row i stands i squares further left. nullopt for anything but a multiplication, or one
// too large to hold.
std::optional<std::vector<PartialProduct>> partialProducts(const Operation& operation);

// A row under the dividend: a partial remainder with the next digit brought down beside
// it ("18"), or on the last row the remainder (for a division that goes on past the
// hundredths while a written digit is still to come, the remainder with that digit beside
// it). `lastDigit` is the digit of `dividend` under which its last digit stands.
struct DivisionRow {
    std::string digits;
    int lastDigit = 0;
};

// The Italian short division: the first group of digits at least as large as the divisor
// gives the first quotient digit, then one row per digit brought down, and the remainder
// on the last row.
struct DivisionSteps {
    // The digits divided, as the pupil writes them: the dividend's own, then the zeros
    // added (to move the comma, to reach the hundredths) as far as they are brought down.
    std::string dividend;
    int wholeDigits = 0;   // how many of them stand before the comma
    int divisorPlaces = 0; // the places the comma moved to make the divisor whole
    std::int64_t divisor = 0;
    std::int64_t quotient = 0; // its digits, the last `quotientDecimals` after the comma
    int quotientDecimals = 0;
    std::int64_t remainder = 0;
    bool goesOn = false; // the quotient goes on past its last digit ("…")
    std::vector<DivisionRow> rows;
};

// The division as written, of whole numbers, with its remainder. With `toHundredths`, the
// division the pupil does after making the divisor whole: dividend and divisor times the
// same power of ten (the dividend's comma moved, zeros filling the places it lacks), then
// on into the decimals to the quotient's hundredths. It stops where the quotient stops: an
// exact division at the row whose remainder is 0, bringing down no zeros the quotient
// leaves out; one that goes on at the hundredths' row. nullopt for anything but a
// division, a divisor of 0, decimals where whole numbers are asked, or numbers too long to
// hold.
std::optional<DivisionSteps> divisionSteps(const Operation& operation, bool toHundredths);

// The "cambi" of an operation worked in column form, as Italian teachers count them:
// - an addition: each place whose digits, with what it receives, make 10 or more (a carry of
//   1 or 2 counts once), the leftmost included (500 + 600 has one);
// - a subtraction: each place whose minuend digit, after what it lent, is smaller than the
//   subtrahend's (it receives a loan);
// - a multiplication, its factors taken as whole numbers: each place of every partial
//   product whose product, with what it receives, reaches 10, and each column of the sum of
//   the partial products that does (45 x 3 has 2; 12 x 21 has 0).
// nullopt for a division or anything else.
std::optional<int> changesOf(const Operation& operation);

// A subtraction in which a loan passes through a 0 of the minuend (500 - 123), a zero the
// minuend does not write included (7 - 0,25).
bool borrowsThroughZero(const Operation& operation);

// Whether a division comes out exact: a remainder of 0 or, `toHundredths`, a quotient that
// ends by the hundredths (as the division cases work it). nullopt for anything else.
std::optional<bool> divisionIsExact(const Operation& operation, bool toHundredths);

} // namespace core
