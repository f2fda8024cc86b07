// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "desktop/print/output.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace print {

class JobPreview;

// What a print job asks of the system and of the user. The defaults talk to the system's
// default printer and show message boxes; tests replace them.
struct PrintEnvironment {
    // True when no printer is installed or none is the default.
    std::function<bool()> printerMissing;
    // Offers to save the worksheet as a PDF file instead; the chosen path, or empty when
    // the user declines.
    std::function<QString(QWidget* parent)> choosePdfFile;
    // Asks where to save the worksheet as a PDF file (Documents, scheda-AAAA-MM-GG.pdf
    // proposed); the chosen path, or empty when the user cancels.
    std::function<QString(QWidget* parent)> savePdfAs;
    // Sends the statements once to the default printer (printToPrinter).
    std::function<PrinterOutcome(const std::vector<Statement>& statements,
                                 const QString& documentName)>
        sendToPrinter;
    // Shows a print preview until the user closes it (false) or prints from it (true).
    std::function<bool(JobPreview& preview)> runPreview;
    // Shows a message and waits until the user has read it.
    std::function<void(QWidget* parent, const QString& text)> tell;
    // The name of the job in the printer's queue.
    QString documentName = defaultDocumentName();

    static PrintEnvironment system();
};

// Proposed file name when saving instead of printing: scheda-AAAA-MM-GG.pdf in Documents.
QString proposedPdfPath();

// The texts the user may read.
namespace messages {
QString noPrinter();
QString printerError();
QString doesNotFitPrinter();
QString sourceClosed();
QString copiesOutOfRange();
// Why the file at `path` was not written, in words that follow "non posso scrivere il file":
// lower-case, without a full stop.
QString whyNotWritten(const QString& path, const ReplaceOutcome& outcome);
QString pdfNotWritten(const QString& path, const ReplaceOutcome& outcome);
} // namespace messages

} // namespace print
