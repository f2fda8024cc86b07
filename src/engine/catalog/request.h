// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/catalog.h"
#include "engine/rules/random.h"
#include "engine/sheet/dialogform.h"
#include "engine/sheet/job.h"
#include "engine/sheet/sourcelookup.h"
#include "engine/sheet/worksheet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a front end asks of the engine, and the answers: ten operations of a choice, or a sheet's
// statements. The command line, the page and the print dialog all ask through here.
namespace catalog {

// One generator of one window, with the options its rules read (the case windows' divisor).
struct Choice {
    const Generator* generator = nullptr;
    core::GeneratorOptions options;
};

// A worksheet of a choice, laid out with the print dialog's options. The key writes its
// results in the number form of the choice's window, whatever `job.window` says.
struct SheetRequest {
    Choice choice;
    print::JobOptions job = print::dialogform::defaultJob();
};

// The ten operations the choice's window shows for this seed.
std::vector<core::Operation> tenOperations(const Choice& choice, std::uint64_t seed);

// The eighty operations of a worksheet of the choice, drawn from `random` as the print
// dialog's OK draws them (the sequence continues, it is not reseeded). A choice without a
// worksheet row leaves the table empty.
print::OperationTable sheetOperations(const Choice& choice, core::RandomSource& random);

// Makes `tables` hold the operations of every copy the job prints differently
// (print::tablesNeeded): the tables already there are kept (a preview's), the missing ones
// drawn in turn from `random` as sheetOperations draws them. The first is the table of a job
// whose copies are all the same, so a set of different copies begins with that sheet.
void drawCopies(const Choice& choice, const print::JobOptions& job, core::RandomSource& random,
                std::vector<print::OperationTable>& tables);

// The statements of the request's sheet: of these operations (print::layOutJob), or of
// operations drawn now. Without a generator (the print dialog's asking window had made
// nothing yet) the key writes its results in the plain form.
std::vector<print::Statement> sheetStatements(const SheetRequest& request,
                                              const std::vector<print::OperationTable>& tables);
std::vector<print::Statement> sheetStatements(const SheetRequest& request,
                                              core::RandomSource& random);

// The widest column form, in squares across, of any operation the generator makes (from its
// rules' bounds, whatever its options).
int widestColumns(const Generator& generator);

// Whether every operation the generator makes fits across a sheet of this form on the
// program's A4 page; rows always do.
bool formFits(const Generator& generator, print::SheetForm form);

// Why that form is refused for the generator, in Italian, lower-case first.
std::string formTooNarrow(const Generator& generator, print::SheetForm form);

// The print dialog's end of the handshake with the open windows: the choice of the window
// the lookup found (its kind field, its options as they stand now); nullopt when no window
// answered with a worksheet row.
std::optional<Choice> askedChoice(const print::SourceAnswer& answer,
                                  const print::SourceWindows& windows);

} // namespace catalog
