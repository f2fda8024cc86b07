// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/catalog/request.h"
#include "engine/rules/random.h"

#include <QString>

#include <iosfwd>
#include <string>

namespace app {

// Where a worksheet asked for on the command line goes: a PDF file, or a printer (the
// system's default when no name is given).
struct SheetDestination {
    QString pdfFile;
    bool toPrinter = false;
    QString printerName;
};

// Makes the request's sheet as the print dialog's OK does and writes it out. Failures are
// told on `err`. Returns an ExitStatus: done, or could not print or write.
int makeSheet(const catalog::SheetRequest& sheet, const SheetDestination& request,
              core::RandomSource& random, std::ostream& err);

} // namespace app
