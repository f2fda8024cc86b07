// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

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
};

// The result alone ("9 resto 3", "9,66…"); nullopt when the text is not an exercise line
// or its result cannot be worked out (a division by zero, numbers far beyond any window).
std::optional<std::string> lineResult(std::string_view line, const ResultStyle& style);

// The line followed by its result after the equals sign: "84 : 9 = 9 resto 3".
std::optional<std::string> keyLine(std::string_view line, const ResultStyle& style);

} // namespace core
