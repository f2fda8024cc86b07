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

#include <QTemporaryFile>

#include <cstdio>
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

QString pdfNotWritten(const QString& path)
{
    return QStringLiteral("Si è verificato un errore: non è stato possibile scrivere il file PDF\n"
                          "%1\nControlla la cartella scelta e riprova.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace messages

namespace {

QString saveDialog(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Salva la scheda"),
                                        proposedPdfPath(), QStringLiteral("Documenti PDF (*.pdf)"));
}

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
    return saveDialog(parent);
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
    env.savePdfAs = saveDialog;
    env.runPreview = [](JobPreview& preview) { return preview.exec() == QDialog::Accepted; };
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

std::unique_ptr<QPrinter> previewPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

JobPreview::JobPreview(QPrinter* printer, std::vector<Statement> statements, QWidget* parent,
                       const QString& documentName)
    : QPrintPreviewDialog(printer, parent), m_statements(std::move(statements))
{
    printer->setDocName(documentName);
    printer->setCreator(QStringLiteral("Zelmorio"));
    connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        target->setCopyCount(1);
        m_painted =
            printStatements(m_statements, *target) && target->printerState() != QPrinter::Error;
    });
}

JobOutcome runPrintJob(const std::vector<Statement>& statements, const PrintEnvironment& env,
                       QWidget* parent)
{
    if (env.printerMissing()) {
        const QString fileName = env.choosePdfFile(parent);
        if (fileName.isEmpty())
            return JobOutcome::Declined;
        if (!writePdf(statements, fileName, env.documentName)) {
            env.tell(parent, messages::pdfNotWritten(fileName));
            return JobOutcome::Failed;
        }
        return JobOutcome::SavedAsPdf;
    }
    if (printToPrinter(statements, {}, env.documentName) != PrinterOutcome::Printed) {
        env.tell(parent, messages::printerError());
        return JobOutcome::Failed;
    }
    return JobOutcome::Printed;
}

} // namespace print
