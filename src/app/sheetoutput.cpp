// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sheetoutput.h"

#include "app/commandline.h"
#include "print/printerbackend.h"
#include "print/sourcelookup.h"
#include "print/worksheet.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <ostream>

namespace app {

namespace {

// The print job's view of one window that is not there: the window of the chosen range
// holds its own code, its kind field the chosen kind, its divisor buttons the chosen
// choice. So the command line makes its sheet through the very lookup the dialog's OK uses.
class FixedSource final : public print::SourceWindows {
public:
    FixedSource(const Generator& generator, cases::DivisorChoice divisor)
        : m_generator(generator), m_divisor(divisor)
    {
    }

    bool holdsOwnCode(std::string_view range) const override
    {
        return range == m_generator.window->range;
    }
    std::string kindField(std::string_view range) const override
    {
        return holdsOwnCode(range) ? m_generator.kind : std::string();
    }
    cases::DivisorChoice divisorChoice(std::string_view) const override { return m_divisor; }

private:
    const Generator& m_generator;
    cases::DivisorChoice m_divisor;
};

const QString DocumentName = QStringLiteral("Zelmorio - scheda");

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// Written beside the target and renamed over it only when complete, so that a failure
// leaves no file behind and never spoils one that was there.
int writePdf(const std::vector<print::Statement>& statements, const QString& path,
             std::ostream& err)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        err << "zelmorio: non posso scrivere il file «" << utf8(path)
            << "»: " << utf8(file.errorString()) << ".\n";
        return ExitFailed;
    }
    bool drawn = false;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(DocumentName);
        pdf.setCreator(QStringLiteral("Zelmorio"));
        drawn = print::printStatements(statements, pdf);
    }
    if (!drawn || !file.commit()) {
        file.cancelWriting();
        err << "zelmorio: non posso scrivere il file «" << utf8(path) << "»"
            << (file.error() != QFileDevice::NoError ? ": " + utf8(file.errorString()) : "")
            << ".\n";
        return ExitFailed;
    }
    return ExitDone;
}

int sendToPrinter(const std::vector<print::Statement>& statements, const QString& name,
                  std::ostream& err)
{
    const QPrinterInfo info =
        name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        if (name.isEmpty())
            err << "zelmorio: non c'è nessuna stampante predefinita.";
        else
            err << "zelmorio: non c'è nessuna stampante di nome «" << utf8(name) << "».";
        const QStringList names = QPrinterInfo::availablePrinterNames();
        if (!names.isEmpty())
            err << " Stampanti disponibili: " << utf8(names.join(QStringLiteral(", "))) << ".";
        err << "\nPer salvare la scheda in un file usa --pdf FILE.\n";
        return ExitFailed;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(DocumentName);
    printer.setCreator(QStringLiteral("Zelmorio"));
    if (!print::printStatements(statements, printer) || printer.printerState() == QPrinter::Error) {
        err << "zelmorio: la stampante «" << utf8(info.printerName())
            << "» ha segnalato un errore: la scheda non è stata stampata per intero.\n";
        return ExitFailed;
    }
    return ExitDone;
}

} // namespace

int makeSheet(const Generator& generator, cases::DivisorChoice divisor, const SheetRequest& request,
              core::RandomSource& random, std::ostream& err)
{
    print::OperationTable table;
    print::makeWorksheet(FixedSource(generator, divisor), random, table);
    const std::vector<print::Statement> statements =
        print::layOut(table, request.layout, request.heading, request.copies);
    if (request.toPrinter)
        return sendToPrinter(statements, request.printerName, err);
    return writePdf(statements, request.pdfFile, err);
}

} // namespace app
