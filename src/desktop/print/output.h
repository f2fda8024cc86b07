// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sheet/statements.h"

#include <QString>

#include <vector>

class QPrinter;

namespace print {

// The name of a job in the printer's queue unless the caller names it.
inline QString defaultDocumentName()
{
    return QStringLiteral("Zelmorio - scheda");
}

// Puts the printer on the page of the program's PDF: A4 with the margins of PdfPage.
void usePdfPage(QPrinter& printer);

// Writes the statements to a PDF file at `path` (on the PDF's page), the way a careful
// editor saves: a symbolic link is followed and the file it points to written; the file is
// written beside it under a short temporary name, put on the disk and only then renamed into
// place, so a failure leaves no partial file behind and an existing file untouched. An
// existing file keeps its permissions (and, where the saver may keep them, its owner and
// group); a new one gets those of the umask. False on failure.
bool writePdf(const std::vector<Statement>& statements, const QString& path,
              const QString& documentName = defaultDocumentName());

enum class PrinterOutcome { Printed, NoPrinter, Failed };

// Sends the statements, once, to the printer with this name, or to the system's default
// printer when `printerName` is empty, without a dialog. NoPrinter when there is no such
// printer (or no default one); Failed when the printer refuses the job.
PrinterOutcome printToPrinter(const std::vector<Statement>& statements,
                              const QString& printerName = {},
                              const QString& documentName = defaultDocumentName());

} // namespace print
