// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/windowtable.h"
#include "engine/sheet/statements.h"
#include "engine/sheet/worksheet.h"

#include <string>
#include <string_view>
#include <vector>

// The page layout of a worksheet: a heading, then numbered groups of ten lines in one or
// two columns, every copy ending with a new page.
namespace print {

// The heading a worksheet gets unless the user writes another.
inline constexpr std::string_view DefaultHeading = "Calcola le seguenti operazioni:";

inline constexpr std::string_view HeadingFont = "Comic Sans MS";
inline constexpr std::string_view BodyFont = "Arial";
inline constexpr int HeadingPoints = 18;
inline constexpr int SpacerPoints = 6;
inline constexpr int BodyPoints = 15;
// A further sheet's heading line, small.
inline constexpr int FurtherHeadingPoints = 10;

// A left exercise line longer than this is followed by the right one directly; a shorter
// one by a move to the second label's zone, so that the right entry stands under its label.
inline constexpr std::size_t LongLeftLine = 21;

enum class Columns { One, Two };

struct LayoutOptions {
    int groupCount = 1; // groups of ten per column, 1 to 4
    Columns columns = Columns::One;
    bool nameLine = false; // every copy has a line for the pupil's name, class and date
};

// The name line under a copy's heading: each word followed by a line to write on that
// ends at its fraction of the printable width.
struct NameField {
    std::string_view word;
    double lineEnd;
};
inline constexpr NameField NameFields[] = {
    {"Nome e cognome", 0.52},
    {"Classe", 0.72},
    {"Data", 1.0},
};

// The opening of every sheet, appended to `out`: an empty line, the heading (in the
// heading font, after two blanks), perhaps the name line, a small spacer line; the body
// font follows, at the spacer's size.
void sheetOpening(std::vector<Statement>& out, const std::string& heading, bool nameLine);

// The opening of a further sheet of a copy in column form: the heading's first line in
// small type, perhaps the name line, a small spacer line.
std::vector<Statement> furtherSheetOpening(const std::string& heading, bool nameLine);

// The statements of `copies` copies followed by the end of the document. A control
// character in the heading prints as a blank. One column
// prints groups 1, 3, 5, 7 (the first groupCount of them) labelled 1) to groupCount);
// two columns print the odd groups on the left, the even ones on the right.
std::vector<Statement> layOut(const OperationTable& table, const LayoutOptions& options,
                              const std::string& heading, int copies);

// The answer key's sheet.
inline constexpr std::string_view KeyHeading = "Soluzioni";
inline constexpr int KeyLargestPoints = 15;
inline constexpr int KeySmallestPoints = 10;
// The right column of the key starts at this fraction of the printable width.
inline constexpr double KeyRightColumn = 0.5;

// The key's heading: "Soluzioni", then the copy it is for when the copies differ
// (`copy` from 1; 0 for none), then the worksheet's own heading when that is neither blank
// nor the default one ("Soluzioni – copia 3 – Verifica, classe 4ª B"), so that the keys of
// several classes can be told apart; then the sheet's difficulty levels, when it has any
// ("Soluzioni – Verifica (senza cambio)").
std::string keyHeading(const std::string& heading, const std::string& levels = {}, int copy = 0);

// The statements of the answer key for the worksheet `table` laid out with `options`,
// ending with a new page: the key's heading `title` (keyHeading), then the same numbered groups in
// the same columns, every line followed by its result in the number form of `window` (a line whose
// result cannot be worked out, or any line without a window, is printed as it is). Key lines are
// longer than exercise lines, so the body font is fitted to them: the largest size from 15 down to
// 10 points at which the longest fits its column (the whole printable width in one column, half of
// it in two, the right column starting at the middle under its label).
std::vector<Statement> layOutKey(const OperationTable& table, const LayoutOptions& options,
                                 const core::WindowEntry* window, const std::string& title);

} // namespace print
