// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The result of an exercise line, worked out from the line's text alone, as a pupil reads
// it: the numbers as written (thousands points and decimal comma), the operator word, the
// closing word. The arithmetic is exact decimal arithmetic on scaled integers, so every
// line of every generator gets its exact result whatever made it.
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

enum class Operator { Plus, Minus, Times, Divide };

// One number of a line as it is written.
struct WrittenNumber {
    std::string_view text;  // "1.234,5"
    std::int64_t units = 0; // its digits read as one whole number: 12345
    int decimals = 0;       // places after the comma: 1
};

// An exercise line read as a pupil reads it: one operator word between numbers (two, or
// more for an addition) and a closing word.
struct Operation {
    Operator op = Operator::Plus;
    std::vector<WrittenNumber> operands; // views into the line read
};

// nullopt when the text is not an exercise line (or a number is too long to hold).
std::optional<Operation> readOperation(std::string_view line);

struct Result {
    std::string value;     // "9", "2.469", "9,66…"
    std::string remainder; // whole quotients only, "0" included; empty otherwise
};

// nullopt when the result cannot be worked out (a division by zero, numbers far beyond
// any window).
std::optional<Result> operationResult(const Operation& operation, const ResultStyle& style);

// The result alone ("9 resto 3", "9,66…"); nullopt when the text is not an exercise line
// or its result cannot be worked out (a division by zero, numbers far beyond any window).
std::optional<std::string> lineResult(std::string_view line, const ResultStyle& style);

// The line followed by its result after the equals sign: "84 : 9 = 9 resto 3".
std::optional<std::string> keyLine(std::string_view line, const ResultStyle& style);

} // namespace core
