// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/windowtable.h"
#include "engine/sheet/columnform.h"
#include "engine/sheet/layout.h"
#include "engine/sheet/worksheet.h"

#include <string>
#include <vector>

// Worksheets in column form on squared paper, as data: the sheets with their grids, every
// glyph in its square, every rule on grid lines, every group label. A front end draws
// exactly this and decides nothing: the printer, the PDF, the preview and the browser
// page all get the same sheet. Lengths are millimetres from the top-left corner of the
// printable area; squares are counted from the grid's top-left square, from 0.
//
// Packing:
// - The grid covers the printable area below the grid top with whole squares, centred
//   across; a continuation sheet's grid starts at the top of the printable area.
// - A free square is kept all round the grid's edge.
// - Each group starts a new row of rectangles under its label (a row of squares of its
//   own, the label from the second column), and its operations flow left to right in
//   table order. Rectangles in a row are top-aligned, with one free square between
//   neighbours; rows of rectangles have one free row between them, and so do groups.
// - A row of rectangles whose tallest would cross the foot of the grid goes, whole, to
//   the next sheet of the same copy (a group's label goes with its first row). So nothing
//   is cut and nothing overlaps, and the reading order stays that of the table.
// - The groups are those of the row sheet with the same options: one column prints groups
//   1, 3, 5, 7 (the first groupCount of them) labelled 1) to groupCount); two columns
//   print groups 1 to 2 x groupCount, each labelled with its own number, one after the
//   other (the column form draws no second column).
namespace print {

// Squares of the exercise books: 5 mm in classes 2 and 3, 4 mm in classes 4 and 5, and
// 1 cm for the youngest pupils.
inline constexpr double LargeSquare = 5;
inline constexpr double SmallSquare = 4;
inline constexpr double CentimetreSquare = 10;

// How a front end draws the data: grid lines thin and light enough to write over, dark
// enough for a monochrome laser printer; rules, glyphs and labels in black, glyphs and
// labels in the body font (Arial) about two thirds of a square high.
inline constexpr double GridLinePoints = 0.25;
inline constexpr std::string_view GridColour = "#B4B4B4";
inline constexpr double ThinRulePoints = 0.5;
inline constexpr double DarkRulePoints = 1.0;
inline constexpr std::string_view InkColour = "#000000";
inline constexpr double GlyphSquares = 2.0 / 3.0; // glyph height, in squares
inline constexpr double CarrySquares = 1.0 / 3.0; // a carry's, about half a digit's
inline constexpr double StrokeSquares = 0.5;      // a struck comma's stroke, across and up
// A borrowed 1's centre, in squares from its square's top left corner.
inline constexpr double BeforeAcross = 0.15;
inline constexpr double BeforeDown = 0.3;

struct ColumnRequest {
    LayoutOptions layout;
    double square = LargeSquare; // mm
    core::WindowEntry window;    // the source window: its number forms and its rules
    double width = 0;            // the printable area, mm
    double height = 0;
    bool answerKey = false; // the results written in
};

// The operations of a job's squared sheets: the text model lays them out below whatever
// precedes them on the sheet, filling in the printable area's size.
struct ColumnPart {
    OperationTable table;
    // What heads each further sheet of a copy, above its squares, so that a loose sheet
    // can be put back with its copy: the heading's first line, small, and the name line.
    std::vector<Statement> furtherOpening;
    ColumnRequest request;
};

struct ColumnGrid {
    double x = 0; // top-left corner, mm
    double y = 0;
    int columns = 0;
    int rows = 0;
    double square = 0; // mm
};

struct ColumnGlyph {
    GlyphKind kind = GlyphKind::Square;
    int column = 0; // the square, or for a comma the vertical grid line
    int row = 0;
    std::string text;
    // Square: the centre of the glyph, which is the centre of its square. Comma: its
    // baseline, the digits' baseline of the row, on its grid line (centred on it).
    double x = 0;
    double y = 0;
    double height = 0; // mm, the digits' height (a carry's, smaller)
};

// A rule between grid points; a stroke (RuleWeight::Stroke) strikes through, off the grid
// lines, the comma on grid line fromColumn of row fromRow or the digit in that square
// (whichever the glyphs hold there).
struct ColumnRule {
    int fromColumn = 0; // grid points
    int fromRow = 0;
    int toColumn = 0;
    int toRow = 0;
    RuleWeight weight = RuleWeight::Dark;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // mm
};

// "1)": one square per character, on a row of its own above its group.
struct ColumnLabel {
    std::string text;
    int column = 0; // its first square
    int row = 0;
    double x = 0; // the centre of its squares, mm
    double y = 0;
    double height = 0;
};

// One operation's rectangle of squares on its sheet.
struct ColumnBox {
    int group = 0; // in the operation table, from 1
    int line = 0;
    int column = 0;
    int row = 0;
    int columns = 0;
    int rows = 0;
    FormFamily family = FormFamily::Text;
};

struct ColumnSheet {
    int copy = 1;           // from 1, in the order of the grid tops given
    bool continued = false; // a further sheet of its copy
    double width = 0;       // the printable area, mm
    double height = 0;
    ColumnGrid grid;
    std::vector<ColumnLabel> labels;
    std::vector<ColumnBox> boxes;
    std::vector<ColumnGlyph> glyphs;
    std::vector<ColumnRule> rules;
};

struct ColumnDocument {
    std::vector<ColumnSheet> sheets;
    // Empty, or why nothing could be laid out (in Italian, for the user): an operation
    // wider or taller than a whole sheet's grid.
    std::string problem;
};

// How many squares across an operation's rectangle may take on a sheet this wide (mm):
// the grid's whole squares less its free border.
int usableColumns(double width, double square);

// The sheets of one copy per entry of `firstGridTops` (each the top of that copy's grid on
// its first sheet, below its heading and name line), in order; a further sheet's grid
// starts `furtherGridTop` mm down. For the answer key, one entry.
ColumnDocument layOutColumns(const OperationTable& table, const ColumnRequest& request,
                             const std::vector<double>& firstGridTops, double furtherGridTop = 0);

} // namespace print
