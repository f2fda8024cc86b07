// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/print/filereplace.h"
#include "engine/sheet/statements.h"
#include "engine/sheet/textmodel.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace print {

// The name of a job in the printer's queue unless the caller names it.
inline QString defaultDocumentName()
{
    return QStringLiteral("Zelmorio - scheda");
}

// Puts a printer or PDF writer on the page of the program's PDF: A4 with the margins of
// PdfPage.
void usePdfPage(QPagedPaintDevice& device);

// Writes the statements to a PDF file at `path` (on the PDF's page) with replaceFile: a
// failure, told in the outcome, leaves no partial file behind and an existing file
// untouched.
// With `size`, also tells what the first copy in column form holds.
ReplaceOutcome writePdf(const std::vector<Statement>& statements, const QString& path,
                        const QString& documentName = defaultDocumentName(),
                        CopySize* size = nullptr);

// The first copy of the statements in column form, placed on the PDF's page: its
// operations and sheets (none for rows).
CopySize pdfCopySize(const std::vector<Statement>& statements);

enum class PrinterOutcome { Printed, NoPrinter, Failed, DoesNotFit };

// Sends the statements, once, to the printer with this name, or to the system's default
// printer when `printerName` is empty, without a dialog. NoPrinter when there is no such
// printer (or no default one); DoesNotFit, with nothing sent, when an operation in column
// form is wider or taller than the printer's printable area allows; Failed when the printer
// refuses the job.
PrinterOutcome printToPrinter(const std::vector<Statement>& statements,
                              const QString& printerName = {},
                              const QString& documentName = defaultDocumentName(),
                              CopySize* size = nullptr);

} // namespace print
