// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/numbers/operation.h"
#include "engine/sheet/worksheet.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reads an exercise line back as a pupil would (the operands as written, the operator word
// and the closing word), and the values of Italian number texts.
namespace testsupport {

struct ParsedLine {
    std::vector<std::string> operands; // texts as written
    std::string op;                    // " + ", " - ", " x " or " : "
    std::string closing;               // " = " or " ="
};

// Splits a line; nullopt when it does not have the form of an exercise line. For lines
// read from a window or a printed page.
std::optional<ParsedLine> parseLine(std::string_view line);

// The same parts of an operation made by the rules, taken from its data: the texts of its
// numbers, its operator word and its closing word.
ParsedLine partsOf(const core::Operation& operation);

// An operation written by hand as its exercise line ("1.234 + 56 = "), for a test's
// fixtures: each number's digits, places and grouping as they stand in the text. nullopt
// when the line is no exercise line.
std::optional<core::Operation> operationOf(std::string_view line);

// Puts an operation written by hand in a worksheet's table; a line that is no exercise
// line fails the test.
void put(print::OperationTable& table, int group, int line, std::string_view text);

// The value of a number, from its digits and places (not from its text).
double valueOf(const core::WrittenNumber& number);

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

namespace core {
// Test failures show an operation as its exercise line.
std::ostream& operator<<(std::ostream& out, const Operation& operation);
} // namespace core
