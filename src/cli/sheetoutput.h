// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/catalog.h"
#include "engine/rules/random.h"
#include "engine/sheet/dialogform.h"
#include "engine/sheet/job.h"

#include <QString>

#include <iosfwd>
#include <string>

namespace app {

// A worksheet asked for on the command line: the print dialog's options (the range is the
// generator's), and where the sheet goes (a PDF file, or a printer: the system's default
// when no name is given).
struct SheetRequest {
    print::JobOptions job = print::dialogform::defaultJob();
    QString pdfFile;
    bool toPrinter = false;
    QString printerName;
};

// Makes the eighty operations as the print dialog's OK does, for this one generator and
// divisor choice, lays out the copies (and the answer key) as the dialog does, and writes
// the job out. Failures are told on `err`. Returns an
// ExitStatus: done, or could not print or write.
int makeSheet(const catalog::Generator& generator, cases::DivisorChoice divisor,
              const SheetRequest& request, core::RandomSource& random, std::ostream& err);

} // namespace app
