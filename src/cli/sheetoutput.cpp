// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sheetoutput.h"

#include "desktop/print/output.h"
#include "desktop/print/prompts.h"
#include "desktop/startup.h"
#include "engine/sheet/dialogform.h"

#include <QPrinterInfo>

#include <cctype>
#include <ostream>

namespace app {

namespace {

std::string utf8(const QString& text)
{
    return text.toStdString();
}

std::string pdfFailure(const QString& path, const print::ReplaceOutcome& outcome)
{
    return "zelmorio: non posso scrivere il file «" + utf8(path) +
           "»: " + utf8(print::messages::whyNotWritten(path, outcome)) +
           ". Non ho lasciato nessun file.\n";
}

std::string printerFailure(print::PrinterOutcome outcome, const QString& name)
{
    if (outcome == print::PrinterOutcome::DoesNotFit) {
        std::string text = utf8(print::messages::doesNotFitPrinter());
        text[0] = char(std::tolower(static_cast<unsigned char>(text[0])));
        return "zelmorio: " + text + "\n";
    }
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
    print::CopySize size;
    // In column form, what the sheet made, as the print dialog tells it.
    const auto tellSize = [&] {
        if (size.sheets > 0)
            err << "zelmorio: "
                << print::dialogform::sheetSummary(size.operations, size.sheets, size.mostSheets)
                << ".\n";
    };
    if (request.toPrinter) {
        const print::PrinterOutcome outcome = print::printToPrinter(
            statements, request.printerName, print::defaultDocumentName(), &size);
        if (outcome == print::PrinterOutcome::Printed) {
            tellSize();
            return ExitDone;
        }
        err << printerFailure(outcome, request.printerName);
        return ExitFailed;
    }
    const print::ReplaceOutcome outcome =
        print::writePdf(statements, request.pdfFile, print::defaultDocumentName(), &size);
    if (!outcome.ok()) {
        err << pdfFailure(request.pdfFile, outcome);
        return ExitFailed;
    }
    tellSize();
    return ExitDone;
}

} // namespace app
