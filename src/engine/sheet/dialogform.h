// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/job.h"
#include "engine/sheet/layout.h"

#include <string>
#include <string_view>

// What the print options dialog shows and how its choices read, apart from where its
// controls stand: the captions (with their '&' mnemonic, as the dialog shows them), each
// choice with its value as the command line spells it, the defaults, the limits and the
// rule that makes the outputs available. The desktop dialog builds from it, and so does any
// front end that offers the same worksheet.
namespace print::dialogform {

inline constexpr std::string_view Title = "Stampa";

// One button of a group of option buttons: its caption, its value on the command line
// (empty when the choice is the command line's leaving the option out) and what it chooses.
template <typename T> struct Choice {
    std::string_view caption;
    std::string_view value;
    T option;
};

// A frame of option buttons, with the command line's option that takes the same choice.
template <typename T, std::size_t N> struct ChoiceGroup {
    std::string_view caption;
    std::string_view option;
    Choice<T> choices[N];
};

// The heading at the top of every copy.
inline constexpr std::string_view HeadingCaption = "Comando";
inline constexpr std::string_view HeadingOption = "intestazione";
inline constexpr std::string_view HeadingDefault = DefaultHeading;

// Groups of ten per column. No button starts chosen: the user picks one every time.
inline constexpr ChoiceGroup<int, 4> PerColumn{
    "N° operazioni per colonna",
    "per-colonna",
    {{"10", "10", 1}, {"20", "20", 2}, {"30", "30", 3}, {"40", "40", 4}}};

// One or two columns. No button starts chosen either.
inline constexpr ChoiceGroup<Columns, 2> ColumnCount{
    "N° colonne", "colonne", {{"1", "1", Columns::One}, {"2", "2", Columns::Two}}};

// The copies field: a text, read by readCopies (copies.h), from 1 to MaxCopies. The command
// line's --copie and the page's field and address read theirs the same way.
inline constexpr std::string_view CopiesCaption = "N° copie";
inline constexpr std::string_view CopiesOption = "copie";
inline constexpr std::string_view CopiesDefault = "1";

// The sheet's form; rows start chosen, and rows are what the command line gives when its
// option is left out.
inline constexpr ChoiceGroup<SheetForm, 4> Form{
    "&Impaginazione",
    "in-colonna",
    {{"In riga", "", SheetForm::Rows},
     {"In colonna, quadretti da 5 mm", "5", SheetForm::Squares5},
     {"In colonna, quadretti da 4 mm", "4", SheetForm::Squares4},
     {"In colonna, quadretti da 1 cm", "10", SheetForm::Squares10}}};
inline constexpr SheetForm FormDefault = SheetForm::Rows;

// The squares of a column form as its caption names them ("quadretti da 1 cm"); empty for
// rows.
std::string_view squaresOf(SheetForm form);

// What a sheet in column form makes, as the dialog, the page and the command line tell it
// before it is printed: "40 operazioni, 2 fogli per copia"; when the copies differ and take
// different numbers of sheets, "40 operazioni, da 2 a 3 fogli per copia".
std::string sheetSummary(int operations, int sheetsPerCopy, int mostSheetsPerCopy = 0);

// Where a worksheet asked for in writing (the command line, the page's address) leaves an
// option out: two groups of ten per column and two columns, one copy (CopiesDefault), the
// usual heading (HeadingDefault), in rows (FormDefault), no key, no name line. The dialog
// itself starts with no count per column and no number of columns chosen.
inline constexpr int PerColumnDefault = 2;
inline constexpr Columns ColumnCountDefault = Columns::Two;
JobOptions defaultJob();

// The value a group's choice is written with ("20" for two groups per column); empty for
// a choice that is the option left out, or one the group does not have.
template <typename T, std::size_t N>
constexpr std::string_view valueOf(const ChoiceGroup<T, N>& group, T option)
{
    for (const Choice<T>& c : group.choices)
        if (c.option == option)
            return c.value;
    return {};
}

// Check boxes, both unticked at start, and the command line's flags that tick them.
inline constexpr std::string_view KeyCaption = "Stampa anche le soluzioni";
inline constexpr std::string_view KeyOption = "soluzioni";
inline constexpr std::string_view NameLineCaption = "Riga per &nome, classe e data";
inline constexpr std::string_view NameLineOption = "nome";
// Unticked at start too: every copy its own operations (JobOptions::differentCopies).
inline constexpr std::string_view DifferentCopiesCaption = "Operazioni &diverse in ogni copia";
inline constexpr std::string_view DifferentCopiesOption = "copie-diverse";

// The buttons. OK, the preview and the PDF start unavailable (see outputsEnabled).
inline constexpr std::string_view OkCaption = "&OK";
inline constexpr std::string_view CancelCaption = "&Annulla";
inline constexpr std::string_view PreviewCaption = "Antep&rima…";
inline constexpr std::string_view PdfCaption = "Salva &PDF…";

// OK, the preview and the PDF become available once a count per column and a number of
// columns have both been chosen (in either order), and stay so: without both the layout
// is not known.
constexpr bool outputsEnabled(bool perColumnChosen, bool columnsChosen)
{
    return perColumnChosen && columnsChosen;
}

// What the dialog tells when the copies field asks for fewer than one copy or more than
// MaxCopies (readCopies' OutOfRange), before it lets the user correct the field.
std::string copiesOutOfRange();

// A caption as plain text: the '&' that marks the mnemonic dropped, "&&" read as one '&'.
std::string plainCaption(std::string_view caption);

// The mnemonic's letter in lower case ('r' for "Antep&rima…"), or 0 when there is none.
char accessKey(std::string_view caption);

} // namespace print::dialogform
