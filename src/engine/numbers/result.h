// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/numbers/operation.h"

#include <cstdint>
#include <optional>
#include <string>

// The result of an operation, worked out from its numbers as written. The arithmetic is
// exact decimal arithmetic on scaled integers, so every line of every generator gets its
// exact result whatever made it.
namespace core {

// How a window writes its results (each window's is in its row of the window table).
struct ResultStyle {
    bool thousandsPoints = false; // "1.234" rather than "1234"
    // Divisions: the whole quotient with its remainder ("84 : 9 = 9 resto 3", no "resto"
    // when it is 0), or else the quotient cut (not rounded) after `quotientDecimals`
    // places and written with all of them, followed by "…" when further non-zero digits
    // would follow ("1,30…").
    bool wholeQuotient = true;
    int quotientDecimals = 0;
    // Sums, differences and products keep every place their column reaches ("4,00" for
    // 1,25 + 2,75, "3,000" for 1,25 x 2,4), as a pupil writes them in column form; else
    // trailing zeros are dropped ("4", "3").
    bool everyPlace = false;
};

// A result as the key writes it.
struct Result {
    WrittenNumber value; // 9, 2.469, 9,66
    bool goesOn = false; // a quotient cut short: "…" follows it
    // Whole quotients only, 0 included.
    std::optional<WrittenNumber> remainder;
};

// "9", "9 resto 3" (no "resto" for a remainder of 0), "9,66…".
std::string resultText(const Result& result);

// nullopt when the result cannot be worked out (a division by zero, numbers far beyond
// any window).
std::optional<Result> operationResult(const Operation& operation, const ResultStyle& style);

// The result alone ("9 resto 3", "9,66…"); nullopt when it cannot be worked out.
std::optional<std::string> lineResult(const Operation& operation, const ResultStyle& style);

// The exercise line followed by its result after the equals sign: "84 : 9 = 9 resto 3".
std::optional<std::string> keyLine(const Operation& operation, const ResultStyle& style);

} // namespace core
