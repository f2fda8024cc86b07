// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printjob.h"

#include "print/copies.h"
#include "print/printerbackend.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

#include <memory>

namespace print {

namespace messages {

QString noPrinter()
{
    return QStringLiteral("Non è stata trovata nessuna stampante predefinita.\n"
                          "Vuoi salvare la scheda come file PDF?");
}

QString printerError()
{
    return QStringLiteral("La stampante ha segnalato un errore: la scheda non è stata "
                          "stampata per intero.");
}

QString sourceClosed()
{
    return QStringLiteral("La finestra degli esercizi è stata chiusa: non c'è nessuna scheda "
                          "da stampare.");
}

QString copiesOutOfRange()
{
    return QStringLiteral("Il numero di copie deve essere compreso tra 1 e %1.\n"
                          "Correggi il numero di copie.")
        .arg(MaxCopies);
}

} // namespace messages

namespace {

QString askForPdfFile(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Stampa"), messages::noPrinter(),
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QStringLiteral("Salva come PDF"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Annulla"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() != save)
        return {};
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Salva la scheda"),
                                        proposedPdfPath(), QStringLiteral("Documenti PDF (*.pdf)"));
}

void showMessage(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QStringLiteral("Stampa"), text);
}

} // namespace

PrintEnvironment PrintEnvironment::system()
{
    PrintEnvironment env;
    env.printerMissing = [] { return QPrinterInfo::defaultPrinter().isNull(); };
    env.choosePdfFile = askForPdfFile;
    env.tell = showMessage;
    return env;
}

QString proposedPdfPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = QStringLiteral("scheda-%1.pdf")
                             .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    return QDir(folder).filePath(name);
}

JobOutcome runPrintJob(const std::vector<Statement>& statements, const PrintEnvironment& env,
                       QWidget* parent)
{
    bool toFile = false;
    QString fileName;
    if (env.printerMissing()) {
        fileName = env.choosePdfFile(parent);
        if (fileName.isEmpty())
            return JobOutcome::Declined;
        toFile = true;
    }

    // Built only now, so that no job is opened before there is something to print.
    std::unique_ptr<QPrinter> printer;
    if (toFile) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(fileName);
        printer->setPageSize(QPageSize(QPageSize::A4));
    } else {
        printer =
            std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    }
    printer->setDocName(env.documentName);
    printer->setCreator(QStringLiteral("Zelmorio"));

    const bool drawn = printStatements(statements, *printer);
    if (!drawn || printer->printerState() == QPrinter::Error) {
        env.tell(parent, messages::printerError());
        return JobOutcome::Failed;
    }
    return toFile ? JobOutcome::SavedAsPdf : JobOutcome::Printed;
}

} // namespace print
