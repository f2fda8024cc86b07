// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/output.h"

#include "print/printerbackend.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace print {

bool writePdf(const std::vector<Statement>& statements, const QString& path,
              const QString& documentName)
{
    // Reserves a fresh name beside the target; removed again unless renamed into place.
    QTemporaryFile partial(path + QStringLiteral(".XXXXXX.part"));
    if (!partial.open())
        return false;
    const QString partialName = partial.fileName();
    partial.close();

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(partialName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(documentName);
    printer.setCreator(QStringLiteral("Zelmorio"));
    if (!printStatements(statements, printer) || printer.printerState() == QPrinter::Error)
        return false;
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(partialName).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return false;
    partial.setAutoRemove(false);
    return true;
}

PrinterOutcome printToPrinter(const std::vector<Statement>& statements, const QString& printerName,
                              const QString& documentName)
{
    const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                    : QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        return PrinterOutcome::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setCreator(QStringLiteral("Zelmorio"));
    printer.setCopyCount(1); // the statements hold every copy already
    if (!printStatements(statements, printer) || printer.printerState() == QPrinter::Error)
        return PrinterOutcome::Failed;
    return PrinterOutcome::Printed;
}

} // namespace print
