// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/print/prompts.h"

#include "desktop/print/preview.h"
#include "engine/sheet/dialogform.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

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
    return QString::fromStdString(dialogform::copiesOutOfRange());
}

QString pdfNotWritten(const QString& path)
{
    return QStringLiteral("Si è verificato un errore: non è stato possibile scrivere il file PDF\n"
                          "%1\nControlla la cartella scelta e riprova.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace messages

namespace {

// Every message box the job shows carries the dialog's own title.
QString title()
{
    return QString::fromStdString(std::string(dialogform::Title));
}

QString saveDialog(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Salva la scheda"), proposedPdfPath(),
                       QStringLiteral("Documenti PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without ".pdf" gets it before the dialog asks whether to replace a file.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString askForPdfFile(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, title(), messages::noPrinter(), QMessageBox::NoButton,
                    parent);
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
    QMessageBox::information(parent, title(), text);
}

} // namespace

PrintEnvironment PrintEnvironment::system()
{
    PrintEnvironment env;
    env.printerMissing = [] { return QPrinterInfo::defaultPrinter().isNull(); };
    env.sendToPrinter = [](const std::vector<Statement>& statements, const QString& name) {
        return printToPrinter(statements, {}, name);
    };
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

} // namespace print
