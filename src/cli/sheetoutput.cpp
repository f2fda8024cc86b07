// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sheetoutput.h"

#include "desktop/print/output.h"
#include "desktop/startup.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>

#include <ostream>

namespace app {

namespace {

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// Why a PDF file could not be written, as far as the path tells.
std::string pdfFailure(const QString& path)
{
    const QFileInfo file(path);
    std::string text = "zelmorio: non posso scrivere il file «" + utf8(path) + "»";
    if (file.isDir())
        text += ": è una cartella";
    else if (!file.absoluteDir().exists())
        text += ": la cartella «" + utf8(file.absolutePath()) + "» non esiste";
    return text + ". Non ho lasciato nessun file.\n";
}

std::string printerFailure(print::PrinterOutcome outcome, const QString& name)
{
    if (outcome == print::PrinterOutcome::Failed)
        return "zelmorio: la stampante ha segnalato un errore: la scheda non è stata stampata "
               "per intero.\n";
    std::string text = name.isEmpty()
                           ? "zelmorio: non c'è nessuna stampante predefinita."
                           : "zelmorio: non c'è nessuna stampante di nome «" + utf8(name) + "».";
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (!names.isEmpty())
        text += " Stampanti disponibili: " + utf8(names.join(QStringLiteral(", "))) + ".";
    return text + "\nPer salvare la scheda in un file usa --pdf FILE.\n";
}

} // namespace

int makeSheet(const catalog::SheetRequest& sheet, const SheetDestination& request,
              core::RandomSource& random, std::ostream& err)
{
    const std::vector<print::Statement> statements = catalog::sheetStatements(sheet, random);
    if (request.toPrinter) {
        const print::PrinterOutcome outcome =
            print::printToPrinter(statements, request.printerName);
        if (outcome == print::PrinterOutcome::Printed)
            return ExitDone;
        err << printerFailure(outcome, request.printerName);
        return ExitFailed;
    }
    if (!print::writePdf(statements, request.pdfFile)) {
        err << pdfFailure(request.pdfFile);
        return ExitFailed;
    }
    return ExitDone;
}

} // namespace app
