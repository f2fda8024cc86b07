// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

// The printer's text model, as statements the layout writes and a backend carries out.
namespace print {

struct ColumnPart; // print/columnsheet.h

// Print zones are counted from the left margin: zone 0 starts at the margin. The second
// column's label stands at the start of this zone.
inline constexpr int LabelZone = 2;

// The text at a sheet's foot ("Copia 3 di 25").
inline constexpr const char* FootFont = "Arial";
inline constexpr int FootPoints = 10;

// What follows a printed item.
enum class Separator {
    None,      // the next item follows directly
    Zone,      // the position moves to the start of the next print zone
    LabelZone, // to the start of zone LabelZone, or on to the next zone once past it
    EndOfLine, // line feed to the left margin of the next line
};

struct Statement {
    enum class Kind {
        Item,
        FontName,
        FontSize,
        NewPage,
        EndDocument,
        MoveTo,
        FitFontSize,
        WriteLine,
        ColumnSheets,
        Foot,
    };

    Kind kind = Kind::Item;
    std::string text; // the item's text (UTF-8) or the font name
    Separator after = Separator::None;
    int points = 0;         // font size; the largest size for FitFontSize
    int smallestPoints = 0; // FitFontSize: the size taken when none fits
    // MoveTo, WriteLine: the position as a fraction of the printable width, from the left
    // margin.
    // FitFontSize: the width each of `lines` must fit in, as a fraction of it.
    double fraction = 0;
    std::vector<std::string> lines;            // FitFontSize: the texts the size must fit
    std::shared_ptr<const ColumnPart> columns; // ColumnSheets: what the squared sheets hold
    bool firstLineOnly = false;                // Item: only the line it starts on, were it to wrap

    static Statement item(std::string text, Separator after);
    // An item of which only the first line is printed, were the text to wrap.
    static Statement firstLine(std::string text, Separator after);
    static Statement fontName(std::string name);
    static Statement fontSize(int points);
    static Statement newPage();
    static Statement endDocument();
    // The position moves to this fraction of the printable width; an item that has already
    // reached it (or passed it) is followed by a line feed first.
    static Statement moveTo(double fraction);
    // The current font takes the largest whole size from `largest` down to `smallest` at
    // which every one of `lines` fits within `fraction` of the printable width; `smallest`
    // when even that is too wide. Only the backend can measure text, so it picks the size.
    static Statement fitFontSize(int largest, int smallest, double fraction,
                                 std::vector<std::string> lines);
    // A line to write on, under the current line's text, from the position to this
    // fraction of the printable width, where the position then stands; like a move, it
    // starts on the next line when the position has already reached the fraction.
    static Statement writeLine(double fraction);
    // Operations in column form on squared paper, from the next line down to the foot of
    // the sheet and on as many further sheets as they take.
    static Statement columnSheets(std::shared_ptr<const ColumnPart> part);
    // From here on, every sheet carries this text at its foot, centred in FootFont at
    // FootPoints, and what the sheet holds ends above it; an empty text ends the foot. It
    // takes effect on the current sheet, or on the next one when a new page is pending.
    static Statement foot(std::string text);

    bool operator==(const Statement&) const = default;
};

// A readable form for test failures and debugging: item("   1)", zone), font("Arial"), ...
std::string describe(const Statement& statement);
void PrintTo(const Statement& statement, std::ostream* out);

} // namespace print
