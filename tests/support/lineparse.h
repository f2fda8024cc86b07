// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads an exercise line back as a pupil would: the operands as written, the operator
// word and the closing word, and the values of Italian number texts.
namespace testsupport {

struct ParsedLine {
    std::vector<std::string> operands; // texts as written
    std::string op;                    // " + ", " - ", " x " or " : "
    std::string closing;               // " = " or " ="
};

// Splits a line; nullopt when it does not have the form of an exercise line.
std::optional<ParsedLine> parseLine(std::string_view line);

// Value of an Italian number text: digits, optional "." every three digits, optional
// "," with decimals. nullopt for anything else (a misplaced point, a stray character).
std::optional<double> italianValue(std::string_view text);

// True when the text is plain: digits, an optional "," and decimals, no grouping point,
// no leading zero before other integer digits, no trailing zero after the comma.
bool isPlain(std::string_view text);

// True when the text is a whole number grouped by thousands ("1.234", "999").
bool isGroupedWhole(std::string_view text);

// Number of decimals written after the comma (0 when there is none).
int decimalsOf(std::string_view text);

} // namespace testsupport
