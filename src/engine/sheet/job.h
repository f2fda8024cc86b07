// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/rules/windowtable.h"
#include "engine/sheet/layout.h"
#include "engine/sheet/statements.h"
#include "engine/sheet/worksheet.h"

#include <string>
#include <vector>

// A whole print job as statements: what the dialog's OK, its preview, its PDF and the
// command line all print.
namespace print {

// How the operations stand on the sheet: in rows, or in column form on squares of 5 mm,
// 4 mm or 1 cm.
enum class SheetForm { Rows, Squares5, Squares4, Squares10 };

// The side of the form's squares in millimetres; 0 for rows.
double squareOf(SheetForm form);

struct JobOptions {
    LayoutOptions layout;
    std::string heading;
    int copies = 1;
    bool answerKey = false;
    // The window whose rules made the table: the key writes its results in its number form.
    const core::WindowEntry* window = nullptr;
    SheetForm form = SheetForm::Rows;
    // The lines' difficulty levels as the key's heading names them ("senza cambio"); empty
    // for none.
    std::string levels = {};
    // Every copy its own operations, numbered at its foot, with its own section of the key.
    bool differentCopies = false;
};

// How many tables of operations the job prints: one for each copy when the copies differ
// and there are more than one, else one that every copy prints.
int tablesNeeded(const JobOptions& options);

// The text at the foot of each sheet of a copy when the copies differ: "Copia 3 di 25".
std::string copyFoot(int copy, int copies);

// The copies of the worksheet, then (with answerKey) the answer key, then the end of the
// document. In rows without the key: exactly layOut's statements. In column form every copy
// and the key open as in rows (heading, name line on the copies) and go on in squares.
// Copies that differ print `tables` in turn, each numbered at its foot, and the key has a
// section for each, headed with its number; otherwise every copy prints the first table and
// the key is printed once. `tables` must hold tablesNeeded(options) tables at least.
std::vector<Statement> layOutJob(const std::vector<OperationTable>& tables,
                                 const JobOptions& options);
// Every copy prints `table`: the job's copies may not differ.
std::vector<Statement> layOutJob(const OperationTable& table, const JobOptions& options);

} // namespace print
