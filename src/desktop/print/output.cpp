// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/print/output.h"

#include "desktop/print/printerbackend.h"
#include "engine/sheet/page.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace print {

void usePdfPage(QPagedPaintDevice& device)
{
    device.setPageSize(QPageSize(QPageSize::A4));
    // In points, the unit Qt keeps a PDF's layout in, so that the margins are exactly these.
    device.setPageMargins(QMarginsF(PdfPage.left, PdfPage.top, PdfPage.right, PdfPage.bottom),
                          QPageLayout::Point);
}

ReplaceOutcome writePdf(const std::vector<Statement>& statements, const QString& path,
                        const QString& documentName, CopySize* size)
{
    // Made in memory, so that every byte written to the disk is checked: the PDF writer
    // itself does not tell a failed write.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(1200); // a PDF printer's at QPrinter::HighResolution
        usePdfPage(writer);
        writer.setTitle(documentName);
        writer.setCreator(QStringLiteral("Zelmorio"));
        if (!printStatements(statements, writer, size)) {
            ReplaceOutcome outcome;
            outcome.error = ReplaceError::Other;
            return outcome;
        }
    }
    return replaceFile(path, pdf.data());
}

CopySize pdfCopySize(const std::vector<Statement>& statements)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(1200); // as writePdf, so that the fonts measure the same
    usePdfPage(writer);
    return copySize(placeOn(statements, writer));
}

PrinterOutcome printToPrinter(const std::vector<Statement>& statements, const QString& printerName,
                              const QString& documentName, CopySize* size)
{
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return PrinterOutcome::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setCreator(QStringLiteral("Zelmorio"));
    printer.setCopyCount(1); // the statements hold every copy already
    // Its margins may leave fewer squares than the PDF's page: then nothing is sent.
    if (!placeOn(statements, printer).problem.empty())
        return PrinterOutcome::DoesNotFit;
    if (!printStatements(statements, printer, size) || printer.printerState() == QPrinter::Error)
        return PrinterOutcome::Failed;
    return PrinterOutcome::Printed;
}

} // namespace print
