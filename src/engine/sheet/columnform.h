// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/numbers/result.h"
#include "engine/rules/windowtable.h"

#include <string>
#include <string_view>
#include <vector>

// One operation written in column form on squared paper, as Italian pupils write it: its
// rectangle of squares, the digits and signs in their squares, the commas on grid lines
// and the rules on grid lines. Positions are in squares from the rectangle's top-left
// corner; the sheet layout moves the rectangle to its place.
//
// Rectangles, by family (w: the widest number in digits, commas take no square):
// - Addition, subtraction: a free carry row, one row per operand, the result row; width
//   w + 2. Numbers are aligned on the units (comma under comma); each operand's sign
//   ("+", "-", "=" on the last) stands in the last column, one free square after the
//   rightmost digit. A dark rule under the last operand spans the rectangle.
// - Multiplication: the same with "x" and "=", the factors right-aligned as whole
//   numbers. A multiplier of two or three digits adds one row per digit for its partial
//   products and a second rule, thin, above the product row. w counts the partial
//   products too, each shifted one square further left.
// - Division: the dividend from the left, a dark vertical rule on the grid line after it
//   (for the division cases after the dividend plus one square per decimal place of the
//   divisor plus two, room to make the divisor whole and reach the hundredths), the
//   divisor right of it over a dark rule, the quotient under that rule. Under the dividend
//   one working row per quotient digit (for the cases, per digit to the hundredths) plus
//   one; the vertical rule runs down beside all of them.
// - Mental operations of the decimal windows (by 10, 100, 1000): one row, "0,35 x 100 ="
//   with a free square between the parts and free squares after "=" for the result.
// - An operation whose result cannot be worked out (a division by 0) is copied as its line,
//   one character per square, on one row.
// Every width and height is the same on the worksheet and on its key: a key only adds
// the worked steps and the results, so the rectangles stay in place. The key's steps:
// - Additions: each carry, small, in the carry row over the column it goes to (none where
//   nothing is carried), then the sum. Subtractions: each digit that lends struck through
//   with what it becomes small above it (9 for a 0 that passes the loan on), a small 1
//   before each digit that receives (above, before what it became, when it has lent too),
//   the minuend's missing zeros small (7 worked as 7,00), then the difference.
// - Multiplications by one digit: the carries as an addition's, over the multiplicand.
// - Multiplications by two or three digits: each partial product in its row, one square
//   further left per row (a 0 digit's row as zeros), then the product.
// - Divisions: the quotient under the divisor's rule and, from the row beside it, under
//   the dividend each partial remainder with the next digit brought down, ending under
//   that digit; the last row ends with the remainder under the dividend's last digit. For
//   the division cases, the division after making the divisor whole: the divisor's comma
//   struck through; the dividend's comma struck where it stood and written where it moves
//   (after the units once the division goes into decimals: "38,00"); the zeros it needs
//   in its free squares; the rows stop where the quotient stops (at a remainder of 0, or
//   at the hundredths with "…", a digit still to come brought down on the last row).
// - Mental operations: the result.
namespace print {

enum class GlyphKind {
    Square, // centred in the square at (column, row)
    Comma,  // on the vertical grid line `column`, sitting on the digits' baseline of `row`
    Before, // small, high in the square's left part, before the digit in it (a borrowed 1)
};

struct FormGlyph {
    GlyphKind kind = GlyphKind::Square;
    int column = 0;
    int row = 0;
    std::string text;   // UTF-8: a digit, "+", "-", "x", ":", "=", ",", "…", a letter
    bool small = false; // a carry: about half a digit's height, as pupils write it
};

// Thin and Dark rules lie on grid lines; a Stroke is the short stroke that strikes a
// glyph through, drawn thin.
enum class RuleWeight { Thin, Dark, Stroke };

// A segment along one grid line, between two grid points.
struct FormRule {
    int fromColumn = 0;
    int fromRow = 0;
    int toColumn = 0;
    int toRow = 0;
    RuleWeight weight = RuleWeight::Dark;
};

// A glyph struck through, as a pupil strikes the comma that moves or the digit that
// lends: the comma on grid line `column` of `row`, or the digit in square (column, row).
struct FormStroke {
    int column = 0;
    int row = 0;
    GlyphKind kind = GlyphKind::Comma;
};

enum class FormFamily { AddSub, Multiplication, Division, Mental, Text };

struct OperationForm {
    FormFamily family = FormFamily::Text;
    int columns = 0;
    int rows = 0;
    std::vector<FormGlyph> glyphs;
    std::vector<FormRule> rules;
    std::vector<FormStroke> strokes; // the key's alone
    // Where a worked key writes its steps (-1 where the family has none).
    int carryRow = -1;        // additions, subtractions, multiplications
    int firstPartialRow = -1; // multi-digit multipliers: one row per digit, units first
    int partialRows = 0;
    int resultRow = -1;       // sums, differences, products; a division's quotient row
    int firstWorkingRow = -1; // divisions: the rows under the dividend
    int workingRows = 0;
    int unitsColumn = -1; // the column of the numbers' units digit (right-aligned forms)
};

// The number form of results in column form for a window: never thousands points, and
// sums and products with every place of their column.
core::ResultStyle columnStyle(const core::WindowEntry& window);

// The form of one operation made by `window`'s rules, with its result written in when
// `withResult`.
OperationForm operationForm(const core::Operation& operation, const core::WindowEntry& window,
                            bool withResult);

} // namespace print
