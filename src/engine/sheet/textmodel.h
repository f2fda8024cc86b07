// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/columnsheet.h"
#include "engine/sheet/statements.h"

#include <string>
#include <string_view>
#include <vector>

// The printer's text model: where every item of a list of print statements lands on the
// sheets. It decides everything but the measuring, which a front end does with its own
// fonts, so every front end prints the same sheet.
namespace print {

struct FontChoice {
    std::string family;
    int points = 10;

    bool operator==(const FontChoice&) const = default;
};

// What the model needs to know of a font at a size, in the measure's units.
struct FontMetrics {
    double averageCharWidth = 0;
    double ascent = 0;
    double height = 0;
    double lineSpacing = 0;
};

// Measures text as the front end will draw it. Widths and metrics are in the units of the
// printable area the model is given (device pixels for the Qt painter).
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The advance width of this UTF-8 text (invalid bytes measured as the front end draws
    // them).
    virtual double width(const FontChoice& font, std::string_view text) const = 0;
    virtual FontMetrics metrics(const FontChoice& font) const = 0;
};

// The printable area's size, in the measure's units, from its top left corner.
struct PrintArea {
    double width = 0;
    double height = 0;
    double unitsPerMm = 0; // for squared sheets, which are measured in millimetres
};

// A piece of text at its place: `x` from the left edge of the printable area, `baseline`
// from its top, on sheet `sheet` (0 is the first).
struct PlacedText {
    int sheet = 0;
    double x = 0;
    double baseline = 0;
    FontChoice font;
    std::string text;

    bool operator==(const PlacedText&) const = default;
};

// A line to write on: from `x1` to `x2` at `y` (from the printable area's top), drawn
// WritingLinePoints thick.
struct PlacedRule {
    int sheet = 0;
    double x1 = 0;
    double x2 = 0;
    double y = 0;

    bool operator==(const PlacedRule&) const = default;
};

inline constexpr double WritingLinePoints = 0.5;

// A squared sheet's grid and what stands in its squares, in millimetres from the printable
// area's top left corner.
struct PlacedColumnSheet {
    int sheet = 0;
    ColumnSheet content;
    bool answerKey = false; // a sheet of the key, not of a copy
    // The exercise lines of its operations, in the order of its rectangles, with their
    // results on the key's: what the sheet says, for a reader that cannot see it.
    std::vector<std::string> lines;
};

struct PlacedSheets {
    std::vector<PlacedText> texts;
    std::vector<PlacedRule> rules;
    std::vector<PlacedColumnSheet> columnSheets;
    // Empty, or why operations in column form could not be laid out (in Italian).
    std::string problem;
    int sheets = 1; // sheets the document takes, some perhaps holding no text
    // Where the position stands after the last statement: its sheet and the top of the
    // line it is on, which the next line would start at.
    int lastSheet = 0;
    double lastY = 0;
};

// The font in force before the first statement changes it.
FontChoice initialFont();

// Print zones are this many average character widths of the current font wide.
inline constexpr double ZoneCharacters = 14.0;

// Carries out the statements as a line printer does: items continue at the current
// position; a zone advance moves to the next print zone (counted from the left margin);
// an end of line feeds by the current font's line spacing; a move goes to a fraction of
// the width (on the next line when the position has reached it), and so does a line to
// write on, drawn between the descenders of the current line; a fitted size is the
// largest at which every given line fits. Text that would pass the right edge wraps at the
// last blank that fits (a word wider than the line is cut between characters), the blanks
// at the break dropped. A new page takes effect only when something is printed after it,
// so the last one leaves no blank sheet; a line that would reach below the printable area
// goes to the top of the next sheet at the same position. Operations in column form take
// the rest of the sheet from the next line down, and further sheets as they need; what
// follows them starts on a new sheet. Stops at the end of the document.
// Time grows in proportion to the text printed.
PlacedSheets placeStatements(const std::vector<Statement>& statements, const PrintArea& area,
                             const TextMeasure& measure);

// What the copies of a job in column form hold: the first copy's operations, and the fewest
// and the most sheets a copy takes, which differ only when the copies' operations do (all
// none for rows). The key's sheets are not counted.
struct CopySize {
    int operations = 0;
    int sheets = 0;
    int mostSheets = 0;
};
CopySize copySize(const PlacedSheets& placed);

} // namespace print
