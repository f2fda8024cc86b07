// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/print/prompts.h"

#include "desktop/print/preview.h"
#include "engine/sheet/dialogform.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>

#include <cstring>

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

QString doesNotFitPrinter()
{
    return QStringLiteral("Le operazioni in colonna non entrano nell'area stampabile di questa "
                          "stampante: scegli quadretti più piccoli, oppure salva la scheda in PDF "
                          "e stampala da lì.");
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

QString whyNotWritten(const QString& path, const ReplaceOutcome& outcome)
{
    auto quoted = [](const QString& name) {
        return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(name));
    };
    const QString folder = quoted(QFileInfo(outcome.target).absolutePath());
    switch (outcome.error) {
    case ReplaceError::None:
        break;
    case ReplaceError::LinkLoop:
        return QStringLiteral("i collegamenti simbolici rimandano l'uno all'altro senza arrivare "
                              "a un file");
    case ReplaceError::Folder:
        return QStringLiteral("è una cartella");
    case ReplaceError::NotAFile:
        return QStringLiteral("non è un file normale, ma un dispositivo o un canale");
    case ReplaceError::MissingFolder:
        if (outcome.throughLink)
            return QStringLiteral("è un collegamento simbolico a %1, ma la cartella %2 non esiste")
                .arg(quoted(outcome.target), folder);
        return QStringLiteral("la cartella %1 non esiste")
            .arg(quoted(QFileInfo(path).absolutePath()));
    case ReplaceError::NoPermission:
        return QStringLiteral("non ho il permesso di scrivere nella cartella %1").arg(folder);
    case ReplaceError::NotReplaceable:
        return QStringLiteral("non ho il permesso di sostituire il file %1 che c'è già")
            .arg(quoted(outcome.target));
    case ReplaceError::NameTooLong:
        return QStringLiteral("il nome del file è troppo lungo");
    case ReplaceError::DiskFull:
        return QStringLiteral("il disco è pieno");
    case ReplaceError::ReadOnly:
        return QStringLiteral("la cartella %1 è su un disco di sola lettura").arg(folder);
    case ReplaceError::Other:
        break;
    }
    if (outcome.systemError == 0)
        return QStringLiteral("non sono riuscito a comporre il PDF");
    // The error's short name (EIO …) is what a helper can look up; not every one has one.
    const char* name = ::strerrorname_np(outcome.systemError);
    return QStringLiteral("il sistema ha risposto con l'errore %1")
        .arg(name
                 ? QStringLiteral("%1 (%2)").arg(QString::fromLatin1(name)).arg(outcome.systemError)
                 : QString::number(outcome.systemError));
}

QString pdfNotWritten(const QString& path, const ReplaceOutcome& outcome)
{
    QString why = whyNotWritten(path, outcome);
    if (!why.isEmpty())
        why[0] = why[0].toUpper();
    return QStringLiteral("Si è verificato un errore: non è stato possibile scrivere il file PDF\n"
                          "%1\n%2.\nControlla la cartella scelta e riprova.")
        .arg(QDir::toNativeSeparators(path), why);
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
