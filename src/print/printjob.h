// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/statements.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace print {

class JobPreview;

// The name of a job in the printer's queue unless the caller names it.
inline QString defaultDocumentName()
{
    return QStringLiteral("Zelmorio - scheda");
}

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

enum class JobOutcome { Printed, SavedAsPdf, Declined, Failed };

// Writes the statements to a PDF file at `path` (A4). The file is written beside the target
// under a temporary name and renamed into place only when complete, so a failure leaves
// no partial file behind and an existing file at `path` untouched. False on failure.
bool writePdf(const std::vector<Statement>& statements, const QString& path,
              const QString& documentName = defaultDocumentName());

enum class PrinterOutcome { Printed, NoPrinter, Failed };

// Sends the statements, once, to the printer with this name, or to the system's default
// printer when `printerName` is empty, without a dialog. NoPrinter when there is no such
// printer (or no default one); Failed when the printer refuses the job.
PrinterOutcome printToPrinter(const std::vector<Statement>& statements,
                              const QString& printerName = {},
                              const QString& documentName = defaultDocumentName());

// The printer a preview lays its pages out for: the default printer, or an A4 PDF page when
// there is none.
std::unique_ptr<QPrinter> previewPrinter();

// Qt's print preview of a job, painted by the same code as the printer. Printing from it
// sends the statements once (they hold every copy, so the printer's own copy count is
// kept at 1) to the printer chosen there, and then accepts the dialog.
class JobPreview : public QPrintPreviewDialog {
public:
    JobPreview(QPrinter* printer, std::vector<Statement> statements, QWidget* parent = nullptr,
               const QString& documentName = defaultDocumentName());

    // Whether the last painting (the printing, once the dialog was accepted) succeeded.
    bool painted() const { return m_painted; }

private:
    std::vector<Statement> m_statements;
    bool m_painted = false;
};

// Sends the statements to the default printer, without a printer dialog, or (when there is
// no printer and the user agrees) to a PDF file. Tells the user when the printer fails.
JobOutcome runPrintJob(const std::vector<Statement>& statements, const PrintEnvironment& env,
                       QWidget* parent);

// The texts the user may read.
namespace messages {
QString noPrinter();
QString printerError();
QString sourceClosed();
QString copiesOutOfRange();
QString pdfNotWritten(const QString& path);
} // namespace messages

} // namespace print
